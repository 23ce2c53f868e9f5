#include "app/frmmain.h"
#include "controls/trayicon.h"
#include "display/displaycycle.h"
#include "fixtures.h"
#include "recordingprompter.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using Fixtures::readBytes;
using Fixtures::writeBytes;

class TestMainShell final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = RecordingPrompter();
        m_exits = 0;
        m_context = AppContext{m_dir->filePath("Documents"),
                               m_dir->filePath("program"),
                               m_dir->filePath("autostart"),
                               m_dir->filePath("program/Settings.ini"),
                               &m_prompter,
                               1000,
                               m_dir->filePath("program/sunveil")};
        QDir().mkpath(m_context.programFolder);
        QDir().mkpath(m_context.documentsFolder);
    }

    void cleanup()
    {
        m_window.reset();
        m_dir.reset();
    }

    void closeAndMinimiseHideToTheNotificationArea_data()
    {
        QTest::addColumn<bool>("trayAvailable");
        QTest::newRow("with a notification area") << true;
        QTest::newRow("without one") << false;
    }

    void closeAndMinimiseHideToTheNotificationArea()
    {
        QFETCH(bool, trayAvailable);
        makeWindow(trayAvailable);
        m_window->startUp();
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->size(), QSize(599, 503));
        QVERIFY(m_window->trayIcon().Tray());

        QVERIFY(!m_window->close()); // refused
        QCOMPARE(m_window->isVisible(), !trayAvailable);
        if (!trayAvailable)
            QVERIFY(m_window->isMinimized());

        m_window->restore();
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->isMinimized());

        m_window->showMinimized();
        QTRY_COMPARE(m_window->isVisible(), !trayAvailable);
        QCOMPARE(m_exits, 0);
    }

    void theIconBringsTheWindowBack()
    {
        makeWindow(true);
        m_window->startUp();
        m_window->hideToTray();
        QVERIFY(!m_window->isVisible());
        emit m_window->trayIcon().MouseDown(1);
        QVERIFY(m_window->isVisible());

        m_window->hideToTray();
        emit m_window->trayIcon().DblClick();
        QVERIFY(m_window->isVisible());

        m_window->hideToTray();
        m_window->trayMenu().findChild<QAction *>("mnuShow")->trigger();
        QVERIFY(m_window->isVisible());
        m_window->trayMenu().findChild<QAction *>("mnuShow")->trigger(); // opens only
        QVERIFY(m_window->isVisible());
    }

    void trayMenu()
    {
        makeWindow(true);
        QStringList texts;
        for (const QAction *action : m_window->trayMenu().actions())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(texts, QStringList({"Open/Close Sunveil", "-", "Exit"}));

        emit m_window->trayIcon().MouseDown(2);
        QTRY_VERIFY(m_window->trayMenu().isVisible());
        m_window->trayMenu().hide();
    }

    void exitRemovesTheIcon()
    {
        makeWindow(true);
        m_window->startUp();
        m_window->trayMenu().findChild<QAction *>("mnuExit")->trigger();
        QCOMPARE(m_exits, 1);
        QVERIFY(!m_window->trayIcon().Tray());
        m_window->trayIcon().setTray(true);
        QTest::mouseClick(m_window->findChild<QWidget *>("cmeExit"), Qt::LeftButton);
        QCOMPARE(m_exits, 2);
        QVERIFY(!m_window->trayIcon().Tray());
    }

    void startUpEntryOnAndOff()
    {
        makeWindow(true);
        m_window->startUp();
        auto *box = m_window->findChild<QCheckBox *>("CheckStartUp");
        const QString entry = m_context.startupFolder + "/Shortcut to Sunveil.desktop";

        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QVERIFY(readBytes(entry).contains("Exec=" + m_context.programFile.toUtf8() + "\n"));
        QVERIFY(readBytes(m_context.settingsFile).contains("\r\nAutoStart=On\r\n"));

        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!QFile::exists(entry));
        QVERIFY(readBytes(m_context.settingsFile).contains("\r\nAutoStart=Off\r\n"));

        // Turning it off when the entry is already gone is no error.
        QTest::mouseClick(box, Qt::LeftButton);
        QFile::remove(entry);
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(readBytes(m_context.settingsFile).contains("\r\nAutoStart=Off\r\n"));
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void autoStartStartsTheDisplayHidden()
    {
        Fixtures::makeCategory(m_context.documentsFolder, "Subliminal", "Work", {"W1"});
        writeBytes(m_context.documentsFolder + "/Sunveil/Subliminal/Checked.txt", "\r\nWork\r\n");
        writeBytes(m_context.settingsFile, "[Settings]\r\nAutoStart=On\r\nShowTime=100\r\n");
        makeWindow(true);
        m_window->startUp();
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_window->trayIcon().Tray());
        QVERIFY(m_window->findChild<QCheckBox *>("CheckStartUp")->isChecked());
        QVERIFY(QFile::exists(m_context.startupFolder + "/Shortcut to Sunveil.desktop"));
        QCOMPARE(m_window->cycle().state(), DisplayCycle::State::Showing);
        QCOMPARE(m_window->cycle().currentMessage(), QStringLiteral("W1"));
        m_window->cycle().stop();
    }

    void missingHelpProgram()
    {
        makeWindow(true);
        QTest::mouseClick(m_window->findChild<QWidget *>("cmdHelp"), Qt::LeftButton);
        QCOMPARE(
            m_prompter.texts(),
            QStringList{"Error 53 (File not found) in procedure cmdHelp_Click of Form frmMain"});
        QCOMPARE(m_prompter.messages.first().title, QStringLiteral("Sunveil"));
    }

private:
    void makeWindow(bool trayAvailable)
    {
        m_window = std::make_unique<FrmMain>(m_context);
        m_window->setTrayAvailable([trayAvailable] { return trayAvailable; });
        m_window->setExitHandler([this] { ++m_exits; });
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPrompter m_prompter;
    AppContext m_context;
    std::unique_ptr<FrmMain> m_window;
    int m_exits = 0;
};

QTEST_MAIN(TestMainShell)
#include "tst_mainshell.moc"
