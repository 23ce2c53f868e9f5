#pragma once

#include "display/displaysettings.h"
#include "display/kindsource.h"
#include "platform/appcontext.h"

#include <QWidget>

#include <array>

class DisplayCycle;
class FlashHost;
class KindPanel;
class QLabel;
class QPushButton;
class QTabBar;
class SettingsPanel;

// The main window: the command buttons, the three kind panels behind the tab strip, the settings
// panel and the display cycle they drive. The cycle reads the ticks of the panels' category lists.
class FrmMain final : public QWidget, public DisplaySettings, public KindSource
{
    Q_OBJECT

public:
    explicit FrmMain(const AppContext &context, QWidget *parent = nullptr);
    ~FrmMain() override;

    // Fills the category lists, loads the settings and restores the ticks; call once, before the
    // window is shown.
    void startUp();

    KindPanel &panel(MessageKind kind) const;
    // The panel of the chosen tab, as the active-kind label says.
    KindPanel &currentPanel() const;

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

    QList<LibraryFiles::TickEntry> categories(MessageKind kind) const override;

private:
    void tabSwitch(int index);
    void openAddCategory();
    void openAddMessage();
    void openEditor();

    const AppContext &m_context;
    QWidget *OrlaFrames1;
    QWidget *OrlaFrames2;
    QTabBar *TabStrip1;
    std::array<QWidget *, 3> OptionsFrames;
    std::array<KindPanel *, 3> m_panels;
    QLabel *lblCat;
    QPushButton *cmdStart;
    QPushButton *cmdStop;
    QPushButton *tavibutton9;
    SettingsPanel *m_settings;
    FlashHost *m_flash;
    DisplayCycle *m_cycle;
};
