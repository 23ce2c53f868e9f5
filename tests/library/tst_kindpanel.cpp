#include "fixtures.h"
#include "library/kindpanel.h"
#include "library/librarypaths.h"
#include "recordingprompter.h"

#include "controls/tavibutton.h"
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using Fixtures::makeCategory;
using Fixtures::readBytes;
using Fixtures::writeBytes;

// The panel of one kind over a small library in a temporary folder.
class TestKindPanel final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = RecordingPrompter();
        m_context = AppContext{m_dir->path(), m_dir->path(), QString(), QString(), &m_prompter, 10};
        m_panel = std::make_unique<KindPanel>(m_context, MessageKind::Emphasis);
    }

    void cleanup()
    {
        m_panel.reset();
        m_dir.reset();
    }

    void listsFoldersOnlyWithoutRegardToCase()
    {
        makeCategory(docs(), "Subliminal", "Work");
        makeCategory(docs(), "Subliminal", "health");
        makeCategory(docs(), "Subliminal", "apple");
        makeCategory(docs(), "Subliminal", ".hidden");
        writeBytes(kindFolder() + "Checked.txt", "\r\n");
        writeBytes(kindFolder() + "notes.txt", "x\r\n");
        writeBytes(kindFolder() + ".dotfile", "x\r\n");

        m_panel->Getdir();
        QCOMPARE(names(), QStringList({"apple", "health", "Work"}));
        QCOMPARE(categories()->currentRow(), -1);
        for (const auto &entry : m_panel->tickEntries())
            QVERIFY(!entry.ticked);
        QCOMPARE(m_prompter.messages.size(), 0);
    }

    void missingOrEmptyKindFolderListsNothing()
    {
        m_panel->Getdir();
        m_panel->CheckedList();
        QCOMPARE(categories()->count(), 0);

        QDir().mkpath(kindFolder());
        m_panel->Getdir();
        m_panel->CheckedList();
        QCOMPARE(categories()->count(), 0);
        QCOMPARE(m_prompter.messages.size(), 0);
        QVERIFY(!QFile::exists(tickFile()));
        // Without a category there is nothing to delete and nowhere to add a message.
        QVERIFY(button("cmdAddCat")->isEnabled());
        QVERIFY(!button("cmdDelCat")->isEnabled());
        QVERIFY(!button("cmdAddText")->isEnabled());
        QVERIFY(!button("CmdDelText")->isEnabled());
    }

    void tickingRewritesTheTickFile()
    {
        makeCategory(docs(), "Subliminal", "Work");
        makeCategory(docs(), "Subliminal", "health");
        m_panel->Getdir();

        categories()->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(readBytes(tickFile()), QByteArray("\r\nWork\r\n"));
        categories()->item(0)->setCheckState(Qt::Checked);
        QCOMPARE(readBytes(tickFile()), QByteArray("\r\nhealth\r\nWork\r\n"));
        categories()->item(0)->setCheckState(Qt::Unchecked);
        categories()->item(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(readBytes(tickFile()), QByteArray("\r\n"));
        // Ticking does not select.
        QCOMPARE(categories()->currentRow(), -1);
    }

    void restoresTicks_data()
    {
        QTest::addColumn<QByteArray>("tickBytes");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QByteArray>("afterwards");

        QTest::newRow("exact case only, rewritten")
            << QByteArray("\r\nWork\r\nwork\r\nGone\r\n") << QStringList{"Work"}
            << QByteArray("\r\nWork\r\n");
        QTest::newRow("only vanished names: left as it is")
            << QByteArray("\r\nGone\r\nOld\r\n") << QStringList{}
            << QByteArray("\r\nGone\r\nOld\r\n");
        QTest::newRow("without the leading blank line")
            << QByteArray("Work\r\nhealth") << QStringList{"health", "Work"}
            << QByteArray("\r\nhealth\r\nWork\r\n");
        QTest::newRow("no tick file") << QByteArray() << QStringList{} << QByteArray("<missing>");
    }

    void restoresTicks()
    {
        QFETCH(QByteArray, tickBytes);
        QFETCH(QStringList, ticked);
        QFETCH(QByteArray, afterwards);
        makeCategory(docs(), "Subliminal", "Work", {"W1"});
        makeCategory(docs(), "Subliminal", "health", {"H2", "", "H1"});
        if (!tickBytes.isEmpty())
            writeBytes(tickFile(), tickBytes);

        m_panel->Getdir();
        m_panel->CheckedList();
        QCOMPARE(tickedNames(), ticked);
        QCOMPARE(readBytes(tickFile()), afterwards);
        // The first category is selected and its messages shown, sorted, ticked or not.
        QCOMPARE(categories()->currentRow(), 0);
        QCOMPARE(m_panel->selectedCategory(), QStringLiteral("health"));
        QCOMPARE(m_panel->messages(), QStringList({"H1", "H2"}));
        QCOMPARE(m_prompter.messages.size(), 0);
    }

    void categoryClickLoadsMessagesAndSetsButtons()
    {
        makeCategory(docs(), "Subliminal", "alpha", {"b", "A", "c"});
        makeCategory(docs(), "Subliminal", "beta"); // no text.txt
        m_panel->Getdir();
        categories()->setCurrentRow(0);
        QCOMPARE(m_panel->messages(), QStringList({"A", "b", "c"}));
        messages()->setCurrentRow(1);
        QVERIFY(button("CmdDelText")->isEnabled());

        categories()->setCurrentRow(1);
        QCOMPARE(m_panel->messages(), QStringList());
        QVERIFY(button("cmdAddText")->isEnabled());
        QVERIFY(button("cmdDelCat")->isEnabled());
        QVERIFY(!button("CmdDelText")->isEnabled());
        QCOMPARE(m_prompter.messages.size(), 0);
    }

    void deleteCategoryAnsweredNoChangesNothing()
    {
        const QString work = makeCategory(docs(), "Subliminal", "Work", {"W1"});
        m_panel->Getdir();
        m_panel->CheckedList();
        m_prompter.answers = {Prompter::Answer::No};
        QTest::mouseClick(button("cmdDelCat"), Qt::LeftButton);
        QCOMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages.first(),
                 (Prompter::Message{Prompter::Icon::Question, "Delete",
                                    "Do you want to delete this category?",
                                    Prompter::Buttons::YesNo, Prompter::Answer::No, false}));
        QVERIFY(QFile::exists(work + "/text.txt"));
        QCOMPARE(names(), QStringList{"Work"});
    }

    void deleteCategoryRemovesItsFolderAndRestoresTheOthers()
    {
        const QString apple = makeCategory(docs(), "Subliminal", "apple", {"A1"});
        makeCategory(docs(), "Subliminal", "health", {"H1"});
        makeCategory(docs(), "Subliminal", "Work", {"W1"});
        writeBytes(tickFile(), "\r\napple\r\nWork\r\n");
        m_panel->Getdir();
        m_panel->CheckedList();

        m_prompter.answers = {Prompter::Answer::Yes};
        QTest::mouseClick(button("cmdDelCat"), Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(apple));
        QCOMPARE(names(), QStringList({"health", "Work"}));
        QCOMPARE(tickedNames(), QStringList{"Work"});
        QCOMPARE(readBytes(tickFile()), QByteArray("\r\nWork\r\n"));
        QCOMPARE(m_panel->selectedCategory(), QStringLiteral("health"));
        QCOMPARE(m_panel->messages(), QStringList{"H1"});
        QCOMPARE(m_prompter.messages.size(), 1);
    }

    void deleteCategoryKeepsHiddenFilesAndTheirFolder()
    {
        const QString apple = makeCategory(docs(), "Subliminal", "apple", {"A1"});
        writeBytes(apple + "/other.txt", "x");
        writeBytes(apple + "/.keep", "x");
        makeCategory(docs(), "Subliminal", "Work", {"W1"});
        m_panel->Getdir();
        m_panel->CheckedList();

        m_prompter.answers = {Prompter::Answer::Yes};
        QTest::mouseClick(button("cmdDelCat"), Qt::LeftButton);
        QVERIFY(!QFile::exists(apple + "/text.txt"));
        QVERIFY(!QFile::exists(apple + "/other.txt"));
        QVERIFY(QFile::exists(apple + "/.keep"));
        QCOMPARE(names(), QStringList({"apple", "Work"}));
        QCOMPARE(m_panel->selectedCategory(), QStringLiteral("apple"));
        QCOMPARE(m_panel->messages(), QStringList());
    }

    void deletingTheOnlyTickedCategoryLeavesTheTickFile()
    {
        makeCategory(docs(), "Subliminal", "apple", {"A1"});
        makeCategory(docs(), "Subliminal", "Work", {"W1"});
        writeBytes(tickFile(), "\r\napple\r\n");
        m_panel->Getdir();
        m_panel->CheckedList();

        m_prompter.answers = {Prompter::Answer::Yes};
        QTest::mouseClick(button("cmdDelCat"), Qt::LeftButton);
        QCOMPARE(names(), QStringList{"Work"});
        QCOMPARE(readBytes(tickFile()), QByteArray("\r\napple\r\n"));
    }

    void deletingTheLastCategoryLeavesAnEmptyList()
    {
        makeCategory(docs(), "Subliminal", "Work", {"W1"});
        writeBytes(tickFile(), "\r\nWork\r\n");
        m_panel->Getdir();
        m_panel->CheckedList();

        m_prompter.answers = {Prompter::Answer::Yes};
        QTest::mouseClick(button("cmdDelCat"), Qt::LeftButton);
        QCOMPARE(categories()->count(), 0);
        QCOMPARE(m_panel->messages(), QStringList());
        QCOMPARE(m_prompter.messages.size(), 1); // the question only
        QVERIFY(!button("cmdDelCat")->isEnabled());
        QVERIFY(!button("cmdAddText")->isEnabled());
        QVERIFY(QFileInfo::exists(kindFolder()));
    }

    void deletingALinkedCategoryKeepsWhatItPointsTo()
    {
        QTemporaryDir outside;
        writeBytes(outside.filePath("text.txt"), "Keep\r\n");
        QDir().mkpath(kindFolder());
        QVERIFY(QFile::link(outside.path(), kindFolder() + "Linked"));
        m_panel->Getdir();
        m_panel->CheckedList();
        QCOMPARE(m_panel->messages(), QStringList{"Keep"});

        m_prompter.answers = {Prompter::Answer::Yes};
        QTest::mouseClick(button("cmdDelCat"), Qt::LeftButton);
        QCOMPARE(categories()->count(), 0);
        QVERIFY(!QFileInfo(kindFolder() + "Linked").isSymLink());
        QCOMPARE(readBytes(outside.filePath("text.txt")), QByteArray("Keep\r\n"));
    }

    void deleteMessageWritesTheListInOrder()
    {
        const QString work = makeCategory(docs(), "Subliminal", "Work", {"C", "A", "", "B"});
        m_panel->Getdir();
        m_panel->CheckedList();
        messages()->setCurrentRow(1);

        m_prompter.answers = {Prompter::Answer::No};
        QTest::mouseClick(button("CmdDelText"), Qt::LeftButton);
        QCOMPARE(m_prompter.messages.last(),
                 (Prompter::Message{Prompter::Icon::Question, "Delete",
                                    "Do you want to delete this message?", Prompter::Buttons::YesNo,
                                    Prompter::Answer::No, false}));
        QCOMPARE(m_panel->messages(), QStringList({"A", "B", "C"}));
        QCOMPARE(readBytes(work + "/text.txt"), QByteArray("C\r\nA\r\n\r\nB\r\n"));

        m_prompter.answers = {Prompter::Answer::Yes};
        QTest::mouseClick(button("CmdDelText"), Qt::LeftButton);
        QCOMPARE(m_panel->messages(), QStringList({"A", "C"}));
        QCOMPARE(readBytes(work + "/text.txt"), QByteArray("A\r\nC\r\n\r\n"));
        QCOMPARE(messages()->currentRow(), -1);
        QVERIFY(button("CmdDelText")->isEnabled());

        // Pressed again at once: asked again, and the same messages are written.
        writeBytes(work + "/text.txt", "scratch\r\n");
        m_prompter.answers = {Prompter::Answer::Yes};
        QTest::mouseClick(button("CmdDelText"), Qt::LeftButton);
        QCOMPARE(m_prompter.messages.size(), 3);
        QCOMPARE(m_panel->messages(), QStringList({"A", "C"}));
        QCOMPARE(readBytes(work + "/text.txt"), QByteArray("A\r\nC\r\n\r\n"));
    }

    void deletingTheOnlyMessageLeavesALineEnd()
    {
        const QString work = makeCategory(docs(), "Subliminal", "Work", {"Only"});
        m_panel->Getdir();
        m_panel->CheckedList();
        messages()->setCurrentRow(0);
        m_prompter.answers = {Prompter::Answer::Yes};
        QTest::mouseClick(button("CmdDelText"), Qt::LeftButton);
        QCOMPARE(m_panel->messages(), QStringList());
        QCOMPARE(readBytes(work + "/text.txt"), QByteArray("\r\n"));
    }

    void anUnreadableTickFileIsReported()
    {
        makeCategory(docs(), "Subliminal", "Work", {"W1"});
        QDir().mkpath(tickFile()); // a folder where the file should be
        m_panel->Getdir();
        m_panel->CheckedList();
        QCOMPARE(m_prompter.texts(),
                 QStringList{"Error 75 (Path/File access error) in procedure CheckedList of "
                             "Form frmMain"});
        QCOMPARE(categories()->currentRow(), -1);
    }

private:
    QString docs() const { return m_dir->path(); }
    QString kindFolder() const { return LibraryPaths::kindFolder(docs(), MessageKind::Emphasis); }
    QString tickFile() const { return LibraryPaths::tickFile(docs(), MessageKind::Emphasis); }
    QListWidget *categories() const { return m_panel->findChild<QListWidget *>("lstDir"); }
    QListWidget *messages() const { return m_panel->findChild<QListWidget *>("lstName"); }
    TaviButton *button(const char *name) const
    {
        return m_panel->findChild<TaviButton *>(QString::fromLatin1(name));
    }
    QStringList names() const
    {
        QStringList result;
        for (const auto &entry : m_panel->tickEntries())
            result.append(entry.name);
        return result;
    }
    QStringList tickedNames() const
    {
        QStringList result;
        for (const auto &entry : m_panel->tickEntries()) {
            if (entry.ticked)
                result.append(entry.name);
        }
        return result;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPrompter m_prompter;
    AppContext m_context;
    std::unique_ptr<KindPanel> m_panel;
};

QTEST_MAIN(TestKindPanel)
#include "tst_kindpanel.moc"
