#pragma once

#include "display/displaysettings.h"
#include "platform/appcontext.h"

#include <QWidget>

#include <memory>

class DisplayCycle;
class FlashHost;
class FolderKindSource;
class OrlaFrames;
class QPushButton;
class SettingsPanel;

// The main window: the command buttons, the settings panel and the display cycle they drive.
class FrmMain final : public QWidget, public DisplaySettings
{
    Q_OBJECT

public:
    explicit FrmMain(const AppContext &context, QWidget *parent = nullptr);
    ~FrmMain() override;

    // Loads the settings into the panel; call once, before the window is shown.
    void startUp();

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

private:
    const AppContext &m_context;
    std::unique_ptr<FolderKindSource> m_kinds;
    OrlaFrames *OrlaFrames1;
    OrlaFrames *OrlaFrames2;
    QPushButton *cmdStart;
    QPushButton *cmdStop;
    SettingsPanel *m_settings;
    FlashHost *m_flash;
    DisplayCycle *m_cycle;
};
