#include "fixtures.h"
#include "library/frmedittext.h"
#include "library/kindpanel.h"
#include "library/libraryfiles.h"
#include "recordingprompter.h"

#include "controls/tavibutton.h"
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using Fixtures::makeCategory;
using Fixtures::readBytes;
using Fixtures::writeBytes;

// The message editor over a temporary library, with an Emphasis panel standing in for the main
// window's current panel.
class TestFrmEditText final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = RecordingPrompter();
        m_context = AppContext{m_dir->path(), m_dir->path(), QString(), QString(), &m_prompter, 10};
        m_main = std::make_unique<KindPanel>(m_context, MessageKind::Emphasis);
        m_refreshes = 0;
        m_work = makeCategory(docs(), "Subliminal", "Work", {"A", "B", "C"});
        makeCategory(docs(), "Subliminal", "Zeta", {"Z"});
        m_main->Getdir();
        m_main->CheckedList();
    }

    void cleanup()
    {
        m_editor.reset();
        m_main.reset();
        m_dir.reset();
    }

    void opensOnTheFirstEmphasisCategory()
    {
        open();
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("Sunveil - Edit message"));
        QVERIFY(m_editor->isModal());
        QCOMPARE(m_editor->size(), QSize(641, 321));
        QCOMPARE(kinds()->count(), 3);
        QCOMPARE(kinds()->itemText(1), QStringLiteral("Successful messages"));
        QCOMPARE(kinds()->currentIndex(), 0);
        QCOMPARE(Fixtures::listTexts(categoriesList()), QStringList({"Work", "Zeta"}));
        QCOMPARE(categoriesList()->currentRow(), 0);
        QCOMPARE(Fixtures::listTexts(titles()), QStringList({"A", "B", "C"}));
        QVERIFY(!edit()->isEnabled());
        QVERIFY(!save()->isEnabled());
        QCOMPARE(m_prompter.messages.size(), 0);
    }

    void savesAnEditedMessageAndRefreshesTheMainWindow()
    {
        open();
        titles()->setCurrentRow(1);
        QCOMPARE(edit()->toPlainText(), QStringLiteral("B"));
        QVERIFY(edit()->isEnabled());
        QVERIFY(save()->isEnabled());

        edit()->setPlainText("Bz");
        QTest::mouseClick(save(), Qt::LeftButton);
        QCOMPARE(readBytes(m_work + "/text.txt"), QByteArray("C\r\nBz\r\nA\r\n\r\n"));
        QCOMPARE(Fixtures::listTexts(titles()), QStringList({"A", "Bz", "C"}));
        QCOMPARE(m_main->messages(), QStringList({"A", "Bz", "C"}));
        QCOMPARE(m_refreshes, 1);
    }

    void lineBreaksBecomeSpaces()
    {
        open();
        titles()->setCurrentRow(0);
        edit()->setPlainText("one\r\ntwo\nthree");
        QTest::mouseClick(save(), Qt::LeftButton);
        QCOMPARE(edit()->toPlainText(), QStringLiteral("one two three"));
        QCOMPARE(readBytes(m_work + "/text.txt"), QByteArray("C\r\nB\r\none two three\r\n\r\n"));
    }

    void anEmptyTextLeavesABlankLine()
    {
        open();
        titles()->setCurrentRow(1);
        edit()->clear();
        QTest::mouseClick(save(), Qt::LeftButton);
        QCOMPARE(readBytes(m_work + "/text.txt"), QByteArray("C\r\n\r\nA\r\n\r\n"));
        QCOMPARE(LibraryFiles::ReadLibraryLines(m_work + "/text.txt"), QStringList({"C", "A"}));
        QCOMPARE(m_main->messages(), QStringList({"A", "C"}));
    }

    void cancelAfterEditingWritesNothing()
    {
        open();
        titles()->setCurrentRow(1);
        edit()->setPlainText("changed");
        QTest::mouseClick(m_editor->findChild<TaviButton *>("cmdClose"), Qt::LeftButton);
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(readBytes(m_work + "/text.txt"), QByteArray("A\r\nB\r\nC\r\n"));
        QCOMPARE(m_refreshes, 0);
    }

    void deletesThroughThePopUpMenu()
    {
        open();
        titles()->setCurrentRow(1);
        QTest::mouseClick(titles()->viewport(), Qt::RightButton, {},
                          titles()->visualItemRect(titles()->item(0)).center());
        auto *menu = m_editor->findChild<QMenu *>("mnuEdit");
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->title(), QStringLiteral("فهرست"));
        QCOMPARE(titles()->currentRow(), 1); // the right press selects nothing
        QAction *del = menu->findChild<QAction *>("mnuEditDel");
        QCOMPARE(del->text(), QStringLiteral("حذف نوشته انتخاب شده"));
        menu->hide();

        m_prompter.answers = {Prompter::Answer::No};
        del->trigger();
        const Prompter::Message question{Prompter::Icon::Question,
                                         QStringLiteral("حذف نوشته"),
                                         QStringLiteral("واقعاً مي خواهيد اين جمله پاک شود؟:") +
                                             QStringLiteral("\r\nB"),
                                         Prompter::Buttons::YesNo,
                                         Prompter::Answer::No,
                                         true};
        QCOMPARE(m_prompter.messages, QList<Prompter::Message>{question});
        QCOMPARE(Fixtures::listTexts(titles()), QStringList({"A", "B", "C"}));

        m_prompter.answers = {Prompter::Answer::Yes};
        del->trigger();
        QCOMPARE(Fixtures::listTexts(titles()), QStringList({"A", "C"}));
        QCOMPARE(readBytes(m_work + "/text.txt"), QByteArray("C\r\nA\r\n\r\n"));
        QCOMPARE(edit()->toPlainText(), QStringLiteral("B"));
        QCOMPARE(m_main->messages(), QStringList({"A", "C"}));
    }

    void aRightPressWithNothingSelectedShowsNoMenu()
    {
        open();
        QTest::mouseClick(titles()->viewport(), Qt::RightButton, {},
                          titles()->visualItemRect(titles()->item(0)).center());
        QCoreApplication::processEvents();
        QVERIFY(!m_editor->findChild<QMenu *>("mnuEdit")->isVisible());
        QCOMPARE(titles()->currentRow(), -1);
    }

    void emptyKindsAndCategoriesWithoutMessagesAreQuiet()
    {
        makeCategory(docs(), "success", "health");
        m_work = makeCategory(docs(), "success", "Work", {"S1"});
        QDir().rmdir(m_dir->filePath("Sunveil/advice"));
        open();
        kinds()->setCurrentIndex(2); // no Instructive category at all
        QCOMPARE(categoriesList()->count(), 0);
        QCOMPARE(titles()->count(), 0);

        kinds()->setCurrentIndex(1);
        QCOMPARE(Fixtures::listTexts(categoriesList()), QStringList({"health", "Work"}));
        QCOMPARE(titles()->count(), 0); // health has no text.txt
        categoriesList()->setCurrentRow(1);
        QCOMPARE(Fixtures::listTexts(titles()), QStringList{"S1"});
        QCOMPARE(m_prompter.messages.size(), 0);

        // Saving with no category chosen writes nothing anywhere.
        kinds()->setCurrentIndex(2);
        edit()->setPlainText("stray");
        QTest::mouseClick(save(), Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(m_dir->filePath("Sunveil/advice")));
    }

    void aSaveWithNoMessageSelectedRewritesTheList()
    {
        writeBytes(m_work + "/text.txt", "A\r\n\r\nB\r\nC\r\n");
        open();
        edit()->setPlainText("new");
        QTest::mouseClick(save(), Qt::LeftButton);
        QCOMPARE(readBytes(m_work + "/text.txt"), QByteArray("C\r\nB\r\nA\r\n\r\n"));
    }

    void anUnreadableMessageFileIsReported()
    {
        const QString broken = makeCategory(docs(), "Subliminal", "Broken");
        QDir().mkpath(broken + "/text.txt"); // a folder where the file should be
        open();
        categoriesList()->setCurrentRow(0);
        QCOMPARE(m_editor->findChild<QListWidget *>("lstCat")->currentItem()->text(),
                 QStringLiteral("Broken"));
        QCOMPARE(m_prompter.texts(),
                 QStringList{"Error 75 (Path/File access error) in procedure lstCat_Click of "
                             "Form frmEditText"});
        QCOMPARE(titles()->count(), 0);
    }

private:
    void open()
    {
        m_editor = std::make_unique<FrmEditText>(m_context, [this] {
            ++m_refreshes;
            m_main->refreshMessages();
        });
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }
    QString docs() const { return m_dir->path(); }
    QComboBox *kinds() const { return m_editor->findChild<QComboBox *>("lstDir"); }
    QListWidget *categoriesList() const { return m_editor->findChild<QListWidget *>("lstCat"); }
    QListWidget *titles() const { return m_editor->findChild<QListWidget *>("lstTitle"); }
    QPlainTextEdit *edit() const { return m_editor->findChild<QPlainTextEdit *>("txtEdit"); }
    TaviButton *save() const { return m_editor->findChild<TaviButton *>("cmdEdit"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPrompter m_prompter;
    AppContext m_context;
    std::unique_ptr<KindPanel> m_main;
    std::unique_ptr<FrmEditText> m_editor;
    QString m_work;
    int m_refreshes = 0;
};

QTEST_MAIN(TestFrmEditText)
#include "tst_frmedittext.moc"
