#include "platform/failure.h"
#include "platform/sunveilerror.h"
#include "recordingprompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

class TestFailure final : public QObject
{
    Q_OBJECT

private slots:
    void reportAndStopShowsTheNumberAndSkipsTheRest()
    {
        RecordingPrompter prompter;
        bool after = false;
        const bool ran = reportAndStop(
            prompter, QStringLiteral(") in procedure Getdir of Form frmSettings"), [&] {
                throw SunveilError(SunveilError::FileNotFound);
                after = true;
            });
        QVERIFY(!ran);
        QVERIFY(!after);
        QCOMPARE(prompter.messages.size(), 1);
        const Prompter::Message &box = prompter.messages.first();
        QCOMPARE(box.title, QStringLiteral("Sunveil"));
        QCOMPARE(box.icon, Prompter::Icon::None);
        QCOMPARE(box.buttons, Prompter::Buttons::Ok);
        QCOMPARE(
            box.text,
            QStringLiteral("Error 53 (File not found) in procedure Getdir of Form frmSettings"));

        QVERIFY(reportAndStop(prompter, QString(), [] {}));
        QCOMPARE(prompter.messages.size(), 1);
    }

    void stopSilentlyAndIgnoreEach()
    {
        QStringList ran;
        QVERIFY(!stopSilently([&] {
            ran << "a";
            throw SunveilError(SunveilError::PermissionDenied);
            ran << "b";
        }));
        QVERIFY(!ignoreEach({[&] { ran << "1"; },
                             [&] { throw SunveilError(SunveilError::TypeMismatch); },
                             [&] {
                                 ran << "3";
                             }}));
        QCOMPARE(ran, QStringList({"a", "1", "3"}));
        QVERIFY(ignoreEach({[&] {
            ran << "4";
        }}));
    }

    void numbersAndDescriptions_data()
    {
        QTest::addColumn<int>("errnoValue");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");

        QTest::newRow("ENOENT") << ENOENT << 53 << "File not found";
        QTest::newRow("EACCES") << EACCES << 70 << "Permission denied";
        QTest::newRow("ENOSPC") << ENOSPC << 61 << "Disk full";
        QTest::newRow("EISDIR") << EISDIR << 75 << "Path/File access error";
        QTest::newRow("ENOTDIR") << ENOTDIR << 76 << "Path not found";
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << 52 << "Bad file name or number";
        QTest::newRow("EINVAL") << EINVAL << 5 << "Invalid procedure call or argument";
        QTest::newRow("EIO") << EIO << 57 << "Device I/O error";
    }

    void numbersAndDescriptions()
    {
        QFETCH(int, errnoValue);
        QFETCH(int, number);
        QFETCH(QString, description);
        QCOMPARE(SunveilError::numberForErrno(errnoValue), number);
        QCOMPARE(SunveilError(number).description(), description);
    }

    void fileErrorsFromThePath()
    {
        QTemporaryDir dir;
        const auto numberFor = [](const QString &path, SunveilError::Access access) {
            return SunveilError::forFile(path, access, QFileDevice::OpenError).number();
        };
        QCOMPARE(numberFor(dir.filePath("none.txt"), SunveilError::Access::Read), 53);
        QCOMPARE(numberFor(dir.filePath("gone/none.txt"), SunveilError::Access::Read), 76);
        QCOMPARE(numberFor(dir.filePath("gone/none.txt"), SunveilError::Access::Write), 76);
        QCOMPARE(numberFor(dir.path(), SunveilError::Access::Read), 75);
        QCOMPARE(SunveilError::forFile(dir.filePath("x"), SunveilError::Access::Write,
                                       QFileDevice::ResourceError)
                     .number(),
                 61);
    }
};

QTEST_GUILESS_MAIN(TestFailure)
#include "tst_failure.moc"
