#include "app/frmmain.h"
#include "fixtures.h"
#include "library/kindpanel.h"
#include "recordingprompter.h"

#include "controls/tavibutton.h"
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Fixtures::makeCategory;
using Fixtures::readBytes;
using Fixtures::writeBytes;

// The main window's part in the message library: start-up, the tab strip and the dialogs it opens.
class TestFrmMain final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = RecordingPrompter();
        m_context = AppContext{m_dir->path(),
                               m_dir->path(),
                               m_dir->filePath("Startup"),
                               m_dir->filePath("Settings.ini"),
                               &m_prompter,
                               10};
        makeCategory(docs(), "Subliminal", "Work", {"W1"});
        makeCategory(docs(), "Subliminal", "health", {"H2", "H1"});
        makeCategory(docs(), "success", "Beta", {"B1"});
        makeCategory(docs(), "success", "alpha", {"A1"});
        writeBytes(docs() + "/Sunveil/success/Checked.txt", "\r\nBeta\r\n");
        m_window = std::make_unique<FrmMain>(m_context);
    }

    void cleanup()
    {
        m_window.reset();
        m_dir.reset();
    }

    void startUpFillsTheListsAndRestoresTheTicks()
    {
        m_window->startUp();
        QCOMPARE(list("lstDir")->currentItem()->text(), QStringLiteral("health"));
        QCOMPARE(Fixtures::listTexts(list("lstName")), QStringList({"H1", "H2"}));
        QCOMPARE(list("lstDirSuccess")->currentItem()->text(), QStringLiteral("alpha"));
        QCOMPARE(list("lstDirAdvice")->count(), 0);
        QCOMPARE(ticked(MessageKind::Successful), QStringList{"Beta"});
        QCOMPARE(ticked(MessageKind::Emphasis), QStringList());
        // Kinds that were never ticked and kinds without categories are no error.
        QCOMPARE(m_prompter.messages.size(), 0);
        QVERIFY(!QFileInfo::exists(docs() + "/Sunveil/Subliminal/Checked.txt"));
        QVERIFY(QFileInfo::exists(m_context.settingsFile));

        // The display cycle sees the ticks of the lists, not of the files.
        list("lstDir")->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(ticked(MessageKind::Emphasis), QStringList{"Work"});
        QCOMPARE(readBytes(docs() + "/Sunveil/Subliminal/Checked.txt"), QByteArray("\r\nWork\r\n"));
    }

    void startsOnTheEmphasisPanel()
    {
        m_window->startUp();
        QCOMPARE(label("lblCat")->text(), QStringLiteral("0"));
        QVERIFY(label("lblCat")->isHidden());
        QCOMPARE(tabs()->count(), 3);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("Emphasis"));
        QCOMPARE(tabs()->tabText(1), QStringLiteral("Successful"));
        QCOMPARE(tabs()->tabText(2), QStringLiteral("Instructive"));
        QCOMPARE(frame(0)->geometry(), QRect(168, 32, 417, 281));
        QVERIFY(!frame(0)->isHidden());
        QVERIFY(frame(1)->isHidden());
        QVERIFY(frame(2)->isHidden());
        QVERIFY(frame(1)->x() < 0);
        auto *edit = m_window->findChild<TaviButton *>("tavibutton9");
        QCOMPARE(edit->Caption(), QStringLiteral("Edit"));
        QCOMPARE(edit->parentWidget()->objectName(), QStringLiteral("OrlaFrames1"));
        QCOMPARE(edit->geometry(), QRect(16, 120, 102, 33));
    }

    void tabSwitchShowsOnePanelAndSelectsItsFirstCategory()
    {
        m_window->startUp();
        list("lstDirSuccess")->setCurrentRow(1);
        tabs()->setCurrentIndex(1);
        QCOMPARE(label("lblCat")->text(), QStringLiteral("1"));
        QCOMPARE(frame(1)->pos(), QPoint(168, 32));
        QVERIFY(!frame(1)->isHidden());
        QVERIFY(frame(0)->isHidden());
        QCOMPARE(frame(0)->pos(), QPoint(-1333, 32));
        QVERIFY(frame(2)->isHidden());
        QCOMPARE(list("lstDirSuccess")->currentRow(), 0);
        QCOMPARE(Fixtures::listTexts(list("lstNameSuccess")), QStringList{"A1"});
        QCOMPARE(&m_window->currentPanel(), &m_window->panel(MessageKind::Successful));

        tabs()->setCurrentIndex(2); // a kind without categories
        QCOMPARE(label("lblCat")->text(), QStringLiteral("2"));
        QVERIFY(!frame(2)->isHidden());
        QCOMPARE(m_prompter.messages.size(), 0);
    }

    void theAddButtonsWorkOnTheChosenKind()
    {
        m_window->startUp();
        m_window->show();
        tabs()->setCurrentIndex(1);
        QString dialogName;
        QTimer::singleShot(0, this, [&dialogName] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            dialogName = dialog->objectName();
            dialog->findChild<QLineEdit *>("txtNewDir")->setText("New one");
            QTest::mouseClick(dialog->findChild<TaviButton *>("cmdNewDir"), Qt::LeftButton);
        });
        QTest::mouseClick(m_window->findChild<TaviButton *>("cmdAddCatSuccess"), Qt::LeftButton);
        QCOMPARE(dialogName, QStringLiteral("frmAddCat"));
        QVERIFY(QFileInfo(docs() + "/Sunveil/success/New-one").isDir());
        QCOMPARE(list("lstDirSuccess")->currentItem()->text(), QStringLiteral("New-one"));

        QTimer::singleShot(0, this, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            dialog->findChild<QPlainTextEdit *>("txtNewDir")->setPlainText("Hello");
            QTest::mouseClick(dialog->findChild<TaviButton *>("cmdNewDir"), Qt::LeftButton);
        });
        QTest::mouseClick(m_window->findChild<TaviButton *>("cmdAddTextSuccess"), Qt::LeftButton);
        QCOMPARE(readBytes(docs() + "/Sunveil/success/New-one/text.txt"),
                 QByteArray("Hello\r\n\r\n"));
    }

    void theEditorRefreshesTheChosenPanel()
    {
        m_window->startUp();
        m_window->show();
        QString dialogName;
        QTimer::singleShot(0, this, [&dialogName] {
            QWidget *editor = QApplication::activeModalWidget();
            QVERIFY(editor);
            dialogName = editor->objectName();
            auto *titles = editor->findChild<QListWidget *>("lstTitle");
            titles->setCurrentRow(0);
            editor->findChild<QPlainTextEdit *>("txtEdit")->setPlainText("H0");
            QTest::mouseClick(editor->findChild<TaviButton *>("cmdEdit"), Qt::LeftButton);
            QTest::mouseClick(editor->findChild<TaviButton *>("cmdClose"), Qt::LeftButton);
        });
        QTest::mouseClick(m_window->findChild<TaviButton *>("tavibutton9"), Qt::LeftButton);
        QCOMPARE(dialogName, QStringLiteral("frmEditText"));
        QCOMPARE(Fixtures::listTexts(list("lstName")), QStringList({"H0", "H2"}));
    }

private:
    QString docs() const { return m_dir->path(); }
    QListWidget *list(const char *name) const
    {
        return m_window->findChild<QListWidget *>(QString::fromLatin1(name));
    }
    QLabel *label(const char *name) const
    {
        return m_window->findChild<QLabel *>(QString::fromLatin1(name));
    }
    QTabBar *tabs() const { return m_window->findChild<QTabBar *>("TabStrip1"); }
    QWidget *frame(int index) const
    {
        return m_window->findChild<QWidget *>(QStringLiteral("OptionsFrames(%1)").arg(index));
    }
    QStringList ticked(MessageKind kind) const
    {
        QStringList names;
        for (const auto &entry : m_window->categories(kind)) {
            if (entry.ticked)
                names.append(entry.name);
        }
        return names;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPrompter m_prompter;
    AppContext m_context;
    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
