#include "fixtures.h"
#include "platform/programstarter.h"
#include "platform/singleinstance.h"
#include "platform/startupentry.h"
#include "platform/sunveilerror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestShellEntries final : public QObject
{
    Q_OBJECT

private slots:
    void oneInstancePerDesktop()
    {
        QTemporaryDir dir;
        auto first = std::make_unique<SingleInstance>(dir.path());
        QVERIFY(first->claim());
        QVERIFY(first->claim()); // asking again is no second start
        SingleInstance second(dir.path());
        QVERIFY(!second.claim());
        first.reset(); // the first instance ends
        QVERIFY(second.claim());
    }

    void execValue_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/sunveil/sunveil"
                               << "/opt/sunveil/sunveil";
        QTest::newRow("space") << "/home/a b/sunveil"
                               << "\"/home/a b/sunveil\"";
        QTest::newRow("dollar and quote") << "/x/$y\"z/sunveil"
                                          << "\"/x/\\\\$y\\\\\"z/sunveil\"";
        QTest::newRow("backslash") << "/x\\y/sunveil"
                                   << "\"/x\\\\\\\\y/sunveil\"";
        QTest::newRow("percent") << "/x%y/sunveil"
                                 << "/x%%y/sunveil";
    }

    void execValue()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(StartupEntry::execValue(path), exec);
    }

    void writeAndRemove()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("config/autostart"));
        StartupEntry::write(folder, QStringLiteral("/opt/my programs/sunveil"));
        const QString entry = folder + QStringLiteral("/Shortcut to Sunveil.desktop");
        QCOMPARE(StartupEntry::path(folder), entry);
        const QByteArray bytes = Fixtures::readBytes(entry);
        QVERIFY(bytes.startsWith("[Desktop Entry]\nType=Application\nName=Sunveil\n"));
        QVERIFY(bytes.contains("\nExec=\"/opt/my programs/sunveil\"\n"));

        StartupEntry::remove(folder);
        QVERIFY(!QFile::exists(entry));
        StartupEntry::remove(folder); // already gone: nothing to do, no failure
    }

    void missingProgramIsNotFound()
    {
        QTemporaryDir dir;
        try {
            startProgram(dir.filePath(QStringLiteral("sunveil-help")));
            QFAIL("starting a missing program should fail");
        } catch (const SunveilError &error) {
            QCOMPARE(error.number(), int(SunveilError::FileNotFound));
        }
    }
};

QTEST_GUILESS_MAIN(TestShellEntries)
#include "tst_shellentries.moc"
