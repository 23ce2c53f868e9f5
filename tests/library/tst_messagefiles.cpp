#include "fixtures.h"
#include "library/libraryfiles.h"
#include "library/librarypaths.h"
#include "library/modsaveopen.h"
#include "platform/sunveilerror.h"
#include "recordingprompter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace LibraryFiles;
using Fixtures::readBytes;
using Fixtures::writeBytes;

class TestMessageFiles final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_prompter = RecordingPrompter();
    }

    void paths()
    {
        QCOMPARE(
            LibraryPaths::kindFolder(QStringLiteral("/home/u/Documents"), MessageKind::Emphasis),
            QStringLiteral("/home/u/Documents/Sunveil/Subliminal/"));
        QCOMPARE(LibraryPaths::messageFile(QStringLiteral("/d"), MessageKind::Successful,
                                           QStringLiteral("Work")),
                 QStringLiteral("/d/Sunveil/success/Work/text.txt"));
        QCOMPARE(LibraryPaths::tickFile(QStringLiteral("/d"), MessageKind::Instructive),
                 QStringLiteral("/d/Sunveil/advice/Checked.txt"));
        // No documents folder: the library is looked for at the root of the file system.
        QCOMPARE(LibraryPaths::kindFolder(QString(), MessageKind::Emphasis),
                 QStringLiteral("/Sunveil/Subliminal/"));
    }

    void readLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("blank lines between and after")
            << QByteArray("\r\nA1\r\n\r\n\r\nA2\r\n\r\n") << QStringList{"A1", "A2"};
        QTest::newRow("lone CR ends a line") << QByteArray("A\rB\r\n") << QStringList{"A", "B"};
        QTest::newRow("LF-only file is one line")
            << QByteArray("A\nB\nC\n") << QStringList{"A\nB\nC\n"};
        QTest::newRow("last line without an end") << QByteArray("A\r\nB") << QStringList{"A", "B"};
        QTest::newRow("spaces kept") << QByteArray("  \r\n x \r\n") << QStringList{"  ", " x "};
        QTest::newRow("tick file without leading blank")
            << QByteArray("H\r\nW") << QStringList{"H", "W"};
        QTest::newRow("only CR LF") << QByteArray("\r\n") << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("legacy code page")
            << QByteArray("\xD3\xE1\xC7\xE3\r\n") << QStringList{QString::fromUtf8("سلام")};
    }

    void readLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const QString path = m_dir.filePath(QStringLiteral("text.txt"));
        writeBytes(path, bytes);
        QCOMPARE(ReadLibraryLines(path), lines);
    }

    void readingAMissingFileFails()
    {
        try {
            ReadLibraryLines(m_dir.filePath(QStringLiteral("absent/text.txt")));
            QFAIL("reading should fail");
        } catch (const SunveilError &error) {
            QCOMPARE(error.number(), int(SunveilError::PathNotFound));
        }
        try {
            ReadLibraryLines(m_dir.filePath(QStringLiteral("absent.txt")));
            QFAIL("reading should fail");
        } catch (const SunveilError &error) {
            QCOMPARE(error.number(), int(SunveilError::FileNotFound));
        }
    }

    void replacedFileBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("C added to A, B")
            << messageTextInReverseListOrder({"A", "B", "C"}) << QByteArray("C\r\nB\r\nA\r\n\r\n");
        QTest::newRow("B deleted from A, B, C")
            << messageTextInListOrder({"A", "C"}) << QByteArray("A\r\nC\r\n\r\n");
        QTest::newRow("last message deleted") << messageTextInListOrder({}) << QByteArray("\r\n");
        QTest::newRow("ticks on health and Work")
            << tickText({{"health", true}, {"Joy", false}, {"Work", true}})
            << QByteArray("\r\nhealth\r\nWork\r\n");
        QTest::newRow("no ticks") << tickText({{"health", false}}) << QByteArray("\r\n");
        QTest::newRow("written as UTF-8") << messageTextInListOrder({QString::fromUtf8("سلام")})
                                          << QByteArray("\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85\r\n\r\n");
    }

    void replacedFileBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("text.txt"));
        writeBytes(path, "old content that is longer than the new one\r\n\r\n");
        QVERIFY(ReplaceLibraryFile(m_prompter, text, path));
        QCOMPARE(readBytes(path), bytes);
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void saveTextFileAppends()
    {
        const QString path = m_dir.filePath(QStringLiteral("new.txt"));
        QVERIFY(ModSaveOpen::SaveTextFile(m_prompter, QStringLiteral("A"), path));
        QVERIFY(ModSaveOpen::SaveTextFile(m_prompter, QStringLiteral("B"), path));
        QCOMPARE(readBytes(path), QByteArray("A\r\nB\r\n"));
        QVERIFY(ModSaveOpen::TextFileExists(path));
        QVERIFY(!ModSaveOpen::TextFileExists(m_dir.filePath(QStringLiteral("none.txt"))));
        QVERIFY(!ModSaveOpen::TextFileExists(m_dir.path()));
    }

    void saveIntoVanishedFolderShowsTheError()
    {
        const QString folder = Fixtures::makeCategory(m_dir.path(), QStringLiteral("Subliminal"),
                                                      QStringLiteral("Work"), {"A"});
        QVERIFY(QDir(folder).removeRecursively());
        const QString path = folder + QStringLiteral("/text.txt");

        QVERIFY(!ReplaceLibraryFile(m_prompter, messageTextInListOrder({"A", "B"}), path));
        QCOMPARE(m_prompter.messages.size(), 1);
        const Prompter::Message &box = m_prompter.messages.first();
        QCOMPARE(box.icon, Prompter::Icon::Critical);
        QCOMPARE(box.title, QStringLiteral("Error"));
        QCOMPARE(box.buttons, Prompter::Buttons::Ok);
        QCOMPARE(box.text, QStringLiteral("Error 76\r\nPath not found"));
        QVERIFY(!QFileInfo::exists(folder));
    }

    void failedSaveKeepsThePreviousFileWhole()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("text.txt"));
        const QByteArray previous("A\r\nB\r\n\r\n");
        writeBytes(path, previous);

        // Let no file grow past 4 bytes: the new text cannot be written.
        struct rlimit saved
        {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 4;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool savedOk =
            ReplaceLibraryFile(m_prompter, messageTextInListOrder({"A", "B", "C"}), path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!savedOk);
        QCOMPARE(readBytes(path), previous);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"text.txt"});
        QCOMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages.first().title, QStringLiteral("Error"));
        QVERIFY(m_prompter.messages.first().text.startsWith(QStringLiteral("Error ")));
#else
        QSKIP("needs a file size limit");
#endif
    }

private:
    QTemporaryDir m_dir;
    RecordingPrompter m_prompter;
};

QTEST_GUILESS_MAIN(TestMessageFiles)
#include "tst_messagefiles.moc"
