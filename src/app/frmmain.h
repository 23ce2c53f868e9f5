#pragma once

#include "display/displaysettings.h"
#include "platform/appcontext.h"

#include <QWidget>

#include <functional>
#include <memory>

class DisplayCycle;
class FlashHost;
class FolderKindSource;
class OrlaFrames;
class QAction;
class QMenu;
class SettingsPanel;
class TaviButton;
class TrayIcon;

// The main window: the command buttons, the settings panel and the display cycle they drive.
class FrmMain final : public QWidget, public DisplaySettings
{
    Q_OBJECT

public:
    explicit FrmMain(const AppContext &context, QWidget *parent = nullptr);
    ~FrmMain() override;

    // The start-up sequence: the icon in the notification area, the settings, and with the
    // start-with-the-desktop setting on, the display started and the window hidden; otherwise
    // the window shown.
    void startUp();

    // Brings the window back in its normal state, in front.
    void restore();
    // Hides the window to the notification area; with no notification area it is minimised.
    void hideToTray();
    // Removes the icon and ends the program.
    void exitProgram();

    TrayIcon &trayIcon() const { return *TrayIcon1; }
    QMenu &trayMenu() const { return *mnuFile; }

    // Tests decide whether there is a notification area and what ending the program does.
    void setTrayAvailable(std::function<bool()> available);
    void setExitHandler(std::function<void()> exit);

    DisplayCycle &cycle() const { return *m_cycle; }
    FlashHost &flash() const { return *m_flash; }
    SettingsPanel &settingsPanel() const { return *m_settings; }

    MessageKind displayKind() const override;
    QString intervalText() const override;
    QString showTimeText() const override;
    QString fontName() const override;
    QString fontSizeText() const override;
    quint32 color() const override;
    int location() const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildShell();
    void onStartUpClicked(bool checked);
    void onHelpClicked();
    void onAboutClicked();
    void onTrayMouseDown(int button);

    const AppContext &m_context;
    std::function<bool()> m_trayAvailable;
    std::function<void()> m_exit;
    std::unique_ptr<FolderKindSource> m_kinds;
    OrlaFrames *OrlaFrames1;
    OrlaFrames *OrlaFrames2;
    TaviButton *cmdStart;
    TaviButton *cmdStop;
    TaviButton *cmdHelp = nullptr;
    TaviButton *cmdAbout = nullptr;
    TaviButton *cmeExit = nullptr;
    TrayIcon *TrayIcon1 = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuShow = nullptr;
    QAction *mnuExit = nullptr;
    SettingsPanel *m_settings;
    FlashHost *m_flash;
    DisplayCycle *m_cycle;
};
