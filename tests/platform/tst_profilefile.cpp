#include "fixtures.h"
#include "platform/profilefile.h"
#include "platform/sunveilerror.h"

#include <QTemporaryDir>
#include <QTest>

using Fixtures::readBytes;
using Fixtures::writeBytes;

class TestProfileFile final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("missing file") << QByteArray("<none>") << "Settings"
                                      << "Font"
                                      << "Tahoma" << QByteArray("[Settings]\r\nFont=Tahoma\r\n");
        QTest::newRow("replaced in place, other lines kept")
            << QByteArray("; mine\r\n[Settings]\r\nA=1\r\nfont=Arial\r\nB=2\r\n") << "settings"
            << "FONT"
            << "Tahoma" << QByteArray("; mine\r\n[Settings]\r\nA=1\r\nFONT=Tahoma\r\nB=2\r\n");
        QTest::newRow("appended at the end of its section")
            << QByteArray("[Settings]\r\nA=1\r\n\r\n[Other]\r\nFont=x\r\n") << "Settings"
            << "Font"
            << "Tahoma"
            << QByteArray("[Settings]\r\nA=1\r\nFont=Tahoma\r\n\r\n[Other]\r\nFont=x\r\n");
        QTest::newRow("section created at the end")
            << QByteArray("[Other]\r\nA=1") << "Settings"
            << "Font"
            << "Tahoma" << QByteArray("[Other]\r\nA=1\r\n[Settings]\r\nFont=Tahoma\r\n");
        QTest::newRow("empty section gets its first key")
            << QByteArray("[Settings]\n[Other]\nA=1\n") << "Settings"
            << "Font"
            << "" << QByteArray("[Settings]\nFont=\r\n[Other]\nA=1\n");
        QTest::newRow("a commented key is not the key")
            << QByteArray("[Settings]\r\n;Font=old\r\n") << "Settings"
            << "Font"
            << "new" << QByteArray("[Settings]\r\n;Font=old\r\nFont=new\r\n");
    }

    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);

        const QString path = m_dir.filePath(QStringLiteral("p.ini"));
        QFile::remove(path);
        if (before != "<none>")
            writeBytes(path, before);
        ProfileFile(path).writeString(section, key, value);
        QCOMPARE(readBytes(path), after);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        const QByteArray file("[Other]\r\nFont=wrong\r\n[ settings ]\r\n  Font = Tahoma  \r\n"
                              "Quoted=\"a b\"\r\nEmpty=\r\nFont=second\r\n");
        QTest::newRow("names without case, spaces trimmed") << file << "FONT"
                                                            << "Tahoma";
        QTest::newRow("quotes dropped") << file << "quoted"
                                        << "a b";
        QTest::newRow("empty value") << file << "Empty"
                                     << "";
        QTest::newRow("missing key") << file << "Nope"
                                     << "";
        QTest::newRow("missing section") << QByteArray("[Other]\r\nFont=x\r\n") << "Font"
                                         << "";
        QTest::newRow("600 characters read as 499")
            << QByteArray("[Settings]\r\nLong=" + QByteArray(600, 'x') + "\r\n") << "Long"
            << QString(499, u'x');
        QTest::newRow("legacy code page") << QByteArray("[Settings]\r\nFont=\xD3\xE1\xC7\xE3\r\n")
                                          << "Font" << QString::fromUtf8("سلام");
    }

    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, expected);

        const QString path = m_dir.filePath(QStringLiteral("r.ini"));
        writeBytes(path, content);
        QCOMPARE(ProfileFile(path).readString(QStringLiteral("Settings"), key), expected);
    }

    void missingFileReadsEmpty()
    {
        const ProfileFile file(m_dir.filePath(QStringLiteral("absent.ini")));
        QCOMPARE(file.readString(QStringLiteral("Settings"), QStringLiteral("Font")), QString());
        QVERIFY(!QFile::exists(file.path()));
    }

    void writeIntoMissingFolderFailsAndCreatesNothing()
    {
        const QString path = m_dir.filePath(QStringLiteral("gone/p.ini"));
        ProfileFile file(path);
        try {
            file.writeString(QStringLiteral("Settings"), QStringLiteral("Font"),
                             QStringLiteral("x"));
            QFAIL("the write should fail");
        } catch (const SunveilError &error) {
            QCOMPARE(error.number(), int(SunveilError::PathNotFound));
        }
        QVERIFY(!QFile::exists(path));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
