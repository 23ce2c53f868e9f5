#include "fixtures.h"
#include "library/frmaddcat.h"
#include "library/frmaddtext.h"
#include "library/kindpanel.h"
#include "library/librarypaths.h"
#include "recordingprompter.h"

#include "controls/tavibutton.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using Fixtures::makeCategory;
using Fixtures::readBytes;
using Fixtures::writeBytes;

namespace {

const Prompter::Message ImpossibleName{Prompter::Icon::Critical,
                                       "Sunveil",
                                       "The name of the category is impossible.\r\n"
                                       "Please select a different name.",
                                       Prompter::Buttons::Ok,
                                       Prompter::Answer::Ok,
                                       true};

Prompter::Message warning(const QString &text)
{
    return {Prompter::Icon::Exclamation, "Sunveil", text, Prompter::Buttons::Ok,
            Prompter::Answer::Ok,        false};
}

// The named controls the Tab key visits, in order.
QStringList tabOrder(QWidget &window)
{
    QStringList names;
    for (QWidget *w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() &&
            !w->objectName().startsWith("qt_"))
            names.append(w->objectName());
    }
    return names;
}

} // namespace

// The "Add category" and "Add a message" dialogs over a kind panel of a temporary library. The
// dialogs are shown without blocking, so the test can type and press their buttons.
class TestAddDialogs final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = RecordingPrompter();
        m_context = AppContext{m_dir->path(), m_dir->path(), QString(), QString(), &m_prompter, 10};
        m_panel = std::make_unique<KindPanel>(m_context, MessageKind::Successful);
    }

    void cleanup()
    {
        m_panel.reset();
        m_dir.reset();
    }

    void addCategoryDialogLooksAsItShould()
    {
        FrmAddCat dialog(m_prompter, *m_panel);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add category"));
        QVERIFY(dialog.isModal());
        QCOMPARE(dialog.size(), QSize(369, 145));
        QCOMPARE(dialog.findChild<TaviButton *>("cmdNewDir")->Caption(),
                 QStringLiteral("   Add   "));
        QCOMPARE(dialog.findChild<TaviButton *>("cmdCancel")->Caption(),
                 QStringLiteral("   Cancel   "));
        QCOMPARE(tabOrder(dialog), QStringList({"txtNewDir", "cmdNewDir", "cmdCancel"}));
    }

    void addsACategory_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folder");
        QTest::newRow("spaces become dashes") << "my  goals"
                                              << "my--goals";
        QTest::newRow("spaces only") << "   "
                                     << "---";
        QTest::newRow("other case of a listed name") << "work"
                                                     << "work";
    }

    void addsACategory()
    {
        QFETCH(QString, typed);
        QFETCH(QString, folder);
        makeCategory(docs(), "success", "Work", {"W1"});
        writeBytes(tickFile(), "\r\nWork\r\n");
        m_panel->Getdir();
        m_panel->CheckedList();

        FrmAddCat dialog(m_prompter, *m_panel);
        dialog.show();
        dialog.findChild<QLineEdit *>("txtNewDir")->setText(typed);
        QTest::mouseClick(dialog.findChild<TaviButton *>("cmdNewDir"), Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QVERIFY(QFileInfo(kindFolder() + folder).isDir());
        QCOMPARE(m_panel->selectedCategory(), folder);
        QCOMPARE(m_panel->messages(), QStringList());
        for (const auto &entry : m_panel->tickEntries())
            QCOMPARE(entry.ticked, entry.name == QStringLiteral("Work"));
        QCOMPARE(readBytes(tickFile()), QByteArray("\r\nWork\r\n"));
        QVERIFY(!QFile::exists(kindFolder() + folder + "/text.txt"));
        QVERIFY(!button("CmdDelTextSuccess")->isEnabled());
        QVERIFY(button("cmdAddTextSuccess")->isEnabled());
        QCOMPARE(m_prompter.messages.size(), 0);
    }

    void theFirstCategoryMakesTheLibrary()
    {
        const QString documents = m_dir->filePath("not yet");
        m_context.documentsFolder = documents;
        m_panel->Getdir();
        FrmAddCat dialog(m_prompter, *m_panel);
        dialog.show();
        dialog.findChild<QLineEdit *>("txtNewDir")->setText("First");
        QTest::mouseClick(dialog.findChild<TaviButton *>("cmdNewDir"), Qt::LeftButton);
        QVERIFY(QFileInfo(documents + "/Sunveil/success/First").isDir());
        QCOMPARE(m_panel->selectedCategory(), QStringLiteral("First"));
    }

    void refusesANameThatIsTaken()
    {
        makeCategory(docs(), "success", "my--goals");
        m_panel->Getdir();
        FrmAddCat dialog(m_prompter, *m_panel);
        dialog.show();
        auto *text = dialog.findChild<QLineEdit *>("txtNewDir");
        text->setText("my  goals");
        QTest::mouseClick(dialog.findChild<TaviButton *>("cmdNewDir"), Qt::LeftButton);

        QCOMPARE(m_prompter.messages,
                 QList<Prompter::Message>{warning("my  goals category already exists.\r\n"
                                                  "Please choose another title.")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(text->text(), QStringLiteral("my  goals"));
        QCOMPARE(m_panel->tickEntries().size(), 1);
    }

    void refusesAnImpossibleName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("slash") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("dot") << ".";
        QTest::newRow("hidden") << ".work";
        QTest::newRow("control character") << QStringLiteral("a\tb");
        QTest::newRow("too long for the file system") << QString(300, u'x');
    }

    void refusesAnImpossibleName()
    {
        QFETCH(QString, typed);
        makeCategory(docs(), "success", "Work");
        m_panel->Getdir();
        const QStringList before = treeBelow(m_dir->path());

        FrmAddCat dialog(m_prompter, *m_panel);
        dialog.show();
        dialog.findChild<QLineEdit *>("txtNewDir")->setText(typed);
        QTest::mouseClick(dialog.findChild<TaviButton *>("cmdNewDir"), Qt::LeftButton);

        QCOMPARE(m_prompter.messages, QList<Prompter::Message>{ImpossibleName});
        QVERIFY(dialog.isVisible());
        QCOMPARE(treeBelow(m_dir->path()), before);
        QCOMPARE(m_panel->tickEntries().size(), 1);
    }

    void asksForAName()
    {
        FrmAddCat dialog(m_prompter, *m_panel);
        dialog.show();
        QTest::mouseClick(dialog.findChild<TaviButton *>("cmdNewDir"), Qt::LeftButton);
        QCOMPARE(m_prompter.messages,
                 QList<Prompter::Message>{warning("Please Enter a title for Categories.")});
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFileInfo::exists(kindFolder()));
    }

    void cancelAndEscapeAddNothing()
    {
        FrmAddCat cancelled(m_prompter, *m_panel);
        cancelled.show();
        cancelled.findChild<QLineEdit *>("txtNewDir")->setText("New");
        QTest::mouseClick(cancelled.findChild<TaviButton *>("cmdCancel"), Qt::LeftButton);
        QVERIFY(!cancelled.isVisible());

        FrmAddText escaped(m_prompter, *m_panel);
        escaped.show();
        QVERIFY(QTest::qWaitForWindowExposed(&escaped));
        auto *text = escaped.findChild<QPlainTextEdit *>("txtNewDir");
        text->setFocus();
        text->setPlainText("message");
        QTest::keyClick(text, Qt::Key_Escape);
        QTRY_VERIFY(!escaped.isVisible());
        QCOMPARE(escaped.result(), int(QDialog::Rejected));
        QVERIFY(!QFileInfo::exists(kindFolder()));
    }

    void addMessageDialogLooksAsItShould()
    {
        FrmAddText dialog(m_prompter, *m_panel);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add a message"));
        QVERIFY(dialog.isModal());
        QCOMPARE(dialog.size(), QSize(370, 193));
        QCOMPARE(tabOrder(dialog), QStringList({"txtNewDir", "cmdNewDir", "cmdCancel"}));
    }

    void addsAMessage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("selected");

        QTest::newRow("sorted in, written in reverse")
            << "C" << QStringList{"A", "B", "C"} << QByteArray("C\r\nB\r\nA\r\n\r\n") << 2;
        QTest::newRow("line break becomes a space")
            << "two\r\nwords" << QStringList{"A", "B", "two words"}
            << QByteArray("two words\r\nB\r\nA\r\n\r\n") << 2;
        QTest::newRow("typed line break")
            << "x\ny" << QStringList{"A", "B", "x y"} << QByteArray("x y\r\nB\r\nA\r\n\r\n") << 2;
        QTest::newRow("spaces only")
            << "  " << QStringList{"  ", "A", "B"} << QByteArray("B\r\nA\r\n  \r\n\r\n") << 0;
        QTest::newRow("the same text again")
            << "B" << QStringList{"A", "B", "B"} << QByteArray("B\r\nB\r\nA\r\n\r\n") << 2;
    }

    void addsAMessage()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        QFETCH(QByteArray, file);
        QFETCH(int, selected);
        const QString work = makeCategory(docs(), "success", "Work", {"B", "", "A"});
        m_panel->Getdir();
        m_panel->CheckedList();

        FrmAddText dialog(m_prompter, *m_panel);
        dialog.show();
        auto *text = dialog.findChild<QPlainTextEdit *>("txtNewDir");
        text->setPlainText(typed);
        QTest::mouseClick(dialog.findChild<TaviButton *>("cmdNewDir"), Qt::LeftButton);

        QVERIFY(!dialog.isVisible());
        QCOMPARE(text->toPlainText(), QString());
        QCOMPARE(m_panel->messages(), listed);
        QCOMPARE(readBytes(work + "/text.txt"), file);
        QCOMPARE(m_panel->findChild<QListWidget *>("lstNameSuccess")->currentRow(), selected);
        QVERIFY(button("CmdDelTextSuccess")->isEnabled());
        QCOMPARE(m_prompter.messages.size(), 0);
    }

    void asksForAMessage()
    {
        const QString work = makeCategory(docs(), "success", "Work", {"A"});
        m_panel->Getdir();
        m_panel->CheckedList();
        FrmAddText dialog(m_prompter, *m_panel);
        dialog.show();
        QTest::mouseClick(dialog.findChild<TaviButton *>("cmdNewDir"), Qt::LeftButton);
        QCOMPARE(m_prompter.messages, QList<Prompter::Message>{warning("Please Enter a Message.")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(readBytes(work + "/text.txt"), QByteArray("A\r\n"));
    }

    void noMessageIsWrittenWithoutACategory()
    {
        QDir().mkpath(kindFolder());
        m_panel->Getdir();
        QVERIFY(!button("cmdAddTextSuccess")->isEnabled());
        m_panel->addMessage("Lost");
        QCOMPARE(m_panel->messages(), QStringList());
        QCOMPARE(treeBelow(m_dir->path()), QStringList({"Sunveil", "Sunveil/success"}));
    }

private:
    QString docs() const { return m_context.documentsFolder; }
    QString kindFolder() const { return LibraryPaths::kindFolder(docs(), MessageKind::Successful); }
    QString tickFile() const { return LibraryPaths::tickFile(docs(), MessageKind::Successful); }
    TaviButton *button(const char *name) const
    {
        return m_panel->findChild<TaviButton *>(QString::fromLatin1(name));
    }
    static QStringList treeBelow(const QString &path)
    {
        QStringList entries;
        QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries.append(QDir(path).relativeFilePath(it.next()));
        entries.sort();
        return entries;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPrompter m_prompter;
    AppContext m_context;
    std::unique_ptr<KindPanel> m_panel;
};

QTEST_MAIN(TestAddDialogs)
#include "tst_adddialogs.moc"
