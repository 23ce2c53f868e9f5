#include "frmmain.h"

#include "controls/orlaframes.h"
#include "controls/orlaframesinstances.h"
#include "display/displaycycle.h"
#include "display/flashhost.h"
#include "display/folderkindsource.h"
#include "platform/twips.h"
#include "settings/settingspanel.h"

#include <QPushButton>

namespace {

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, QRect place)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

} // namespace

FrmMain::FrmMain(const AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_kinds(std::make_unique<FolderKindSource>(context.documentsFolder))
    , OrlaFrames1(OrlaFramesInstances::makeButtonColumnFrame(this))
    , OrlaFrames2(OrlaFramesInstances::makeSettingsFrame(this))
    , cmdStart(makeButton(OrlaFrames1, QStringLiteral("cmdStart"), QStringLiteral("Start"),
                          twipsRect(240, 240, 1530, 495)))
    , cmdStop(makeButton(OrlaFrames1, QStringLiteral("cmdStop"), QStringLiteral("Stop"),
                         twipsRect(240, 960, 1530, 495)))
    , m_settings(new SettingsPanel(context, OrlaFrames2))
    , m_flash(new FlashHost(context, *this, this))
    , m_cycle(new DisplayCycle(context, *m_kinds, *this, *m_flash, this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Sunveil V1.0"));
    // Outer size 9105 x 8055 twips: a client area of 8985 x 7545.
    setFixedSize(twipsToPixels(8985), twipsToPixels(7545));

    m_settings->setObjectName(QStringLiteral("settingsPanel"));
    m_settings->setGeometry(OrlaFrames2->rect());
    cmdStop->setEnabled(false);

    connect(cmdStart, &QPushButton::clicked, m_cycle, &DisplayCycle::start);
    connect(cmdStop, &QPushButton::clicked, m_cycle, &DisplayCycle::stop);
    connect(m_cycle, &DisplayCycle::runningChanged, this, [this](bool running) {
        cmdStart->setEnabled(!running);
        cmdStop->setEnabled(running);
    });
    connect(m_flash, &FlashHost::messageHidden, m_cycle, &DisplayCycle::onMessageHidden);
    connect(m_settings, &SettingsPanel::intervalChanged, m_cycle, &DisplayCycle::onIntervalChanged);
    connect(m_settings, &SettingsPanel::showTimeChanged, m_flash, &FlashHost::onShowTimeChanged);
    connect(m_settings, &SettingsPanel::kindChosen, this, [this] {
        if (m_cycle->switchKind())
            m_settings->SaveSettings();
    });
    connect(m_settings, &SettingsPanel::startUpClicked, this, [this](bool checked) {
        m_settings->setAutoStart(checked ? QStringLiteral("On") : QStringLiteral("Off"));
        m_settings->SaveSettings();
    });
}

FrmMain::~FrmMain() = default;

void FrmMain::startUp()
{
    m_settings->LoadSettings();
}

MessageKind FrmMain::displayKind() const
{
    return m_settings->displayKind();
}

QString FrmMain::intervalText() const
{
    return m_settings->intervalText();
}

QString FrmMain::showTimeText() const
{
    return m_settings->showTimeText();
}

QString FrmMain::fontName() const
{
    return m_settings->fontName();
}

QString FrmMain::fontSizeText() const
{
    return m_settings->fontSizeText();
}

quint32 FrmMain::color() const
{
    return m_settings->color();
}

int FrmMain::location() const
{
    return m_settings->location();
}
