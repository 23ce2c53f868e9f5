#pragma once

#include "display/displaysettings.h"
#include "display/kindsource.h"
#include "platform/appcontext.h"

#include <QWidget>

#include <array>
#include <functional>

class DisplayCycle;
class FlashHost;
class KindPanel;
class OrlaFrames;
class QAction;
class QLabel;
class QMenu;
class QTabBar;
class SettingsPanel;
class TaviButton;
class TrayIcon;

// The main window: the command buttons, the three kind panels behind the tab strip, the settings
// panel and the display cycle they drive, and the notification icon it hides to. The cycle reads
// the ticks of the panels' category lists.
class FrmMain final : public QWidget, public DisplaySettings, public KindSource
{
    Q_OBJECT

public:
    explicit FrmMain(const AppContext &context, QWidget *parent = nullptr);
    ~FrmMain() override;

    // The start-up sequence: the icon in the notification area, the category lists, the settings,
    // the first Emphasis category selected, the ticks restored; then, with the
    // start-with-the-desktop setting on, the display started and the window hidden, otherwise the
    // window shown.
    void startUp();

    KindPanel &panel(MessageKind kind) const;
    // The panel of the chosen tab, as the active-kind label says.
    KindPanel &currentPanel() const;

    // Brings the window back in its normal state, in front.
    void restore();
    // Hides the window to the notification area; with no notification area it is minimised.
    void hideToTray();
    // Removes the icon and ends the program.
    void exitProgram();

    TrayIcon &trayIcon() const { return *TrayIcon1; }
    QMenu &trayMenu() const { return *mnuFile; }
    DisplayCycle &cycle() const { return *m_cycle; }
    FlashHost &flash() const { return *m_flash; }
    SettingsPanel &settingsPanel() const { return *m_settings; }

    // Tests decide whether there is a notification area and what ending the program does.
    void setTrayAvailable(std::function<bool()> available);
    void setExitHandler(std::function<void()> exit);

    MessageKind displayKind() const override;
    QString intervalText() const override;
    QString showTimeText() const override;
    QString fontName() const override;
    QString fontSizeText() const override;
    quint32 color() const override;
    int location() const override;

    QList<LibraryFiles::TickEntry> categories(MessageKind kind) const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildShell();
    void tabSwitch(int index);
    void openAddCategory();
    void openAddMessage();
    void openEditor();
    void onStartUpClicked(bool checked);
    void onHelpClicked();
    void onAboutClicked();
    void onTrayMouseDown(int button);

    const AppContext &m_context;
    std::function<bool()> m_trayAvailable;
    std::function<void()> m_exit;
    OrlaFrames *OrlaFrames1;
    OrlaFrames *OrlaFrames2;
    QTabBar *TabStrip1;
    std::array<OrlaFrames *, 3> OptionsFrames;
    std::array<KindPanel *, 3> m_panels;
    QLabel *lblCat;
    TaviButton *cmdStart;
    TaviButton *cmdStop;
    TaviButton *tavibutton9;
    TaviButton *cmdHelp = nullptr;
    TaviButton *cmdAbout = nullptr;
    TaviButton *cmeExit = nullptr;
    SettingsPanel *m_settings;
    FlashHost *m_flash;
    DisplayCycle *m_cycle;
    TrayIcon *TrayIcon1 = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuShow = nullptr;
    QAction *mnuExit = nullptr;
};
