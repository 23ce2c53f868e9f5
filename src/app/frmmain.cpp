#include "frmmain.h"

#include "controls/orlaframes.h"
#include "controls/orlaframesinstances.h"
#include "controls/programicon.h"
#include "controls/tavibutton.h"
#include "controls/tavibuttonfactory.h"
#include "controls/tavibuttonicons.h"
#include "controls/trayicon.h"
#include "display/displaycycle.h"
#include "display/flashhost.h"
#include "display/folderkindsource.h"
#include "frmabout.h"
#include "platform/failure.h"
#include "platform/programstarter.h"
#include "platform/startupentry.h"
#include "platform/twips.h"
#include "settings/settingspanel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

TaviButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                       CommandIcon icon, QRect place)
{
    TaviButton *button = makeCommandButton(parent, name, caption, commandIcon(icon), 0);
    button->setGeometry(place);
    return button;
}

} // namespace

FrmMain::FrmMain(const AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_trayAvailable([] { return QSystemTrayIcon::isSystemTrayAvailable(); })
    , m_exit([] { QCoreApplication::exit(0); })
    , m_kinds(std::make_unique<FolderKindSource>(context.documentsFolder))
    , OrlaFrames1(OrlaFramesInstances::makeButtonColumnFrame(this))
    , OrlaFrames2(OrlaFramesInstances::makeSettingsFrame(this))
    , cmdStart(makeButton(OrlaFrames1, QStringLiteral("cmdStart"), QStringLiteral("Start"),
                          CommandIcon::Start, twipsRect(240, 240, 1530, 495)))
    , cmdStop(makeButton(OrlaFrames1, QStringLiteral("cmdStop"), QStringLiteral("Stop"),
                         CommandIcon::Stop, twipsRect(240, 960, 1530, 495)))
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

    connect(cmdStart, &TaviButton::Click, m_cycle, &DisplayCycle::start);
    connect(cmdStop, &TaviButton::Click, m_cycle, &DisplayCycle::stop);
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
    connect(m_settings, &SettingsPanel::startUpClicked, this, &FrmMain::onStartUpClicked);
    buildShell();
}

void FrmMain::buildShell()
{
    setWindowIcon(programIcon());
    cmdHelp = makeButton(OrlaFrames1, QStringLiteral("cmdHelp"), QStringLiteral("Help"),
                         CommandIcon::Help, twipsRect(240, 2520, 1530, 495));
    cmdAbout = makeButton(OrlaFrames1, QStringLiteral("cmdAbout"), QStringLiteral("About"),
                          CommandIcon::About, twipsRect(240, 3240, 1530, 495));
    cmeExit = makeButton(OrlaFrames1, QStringLiteral("cmeExit"), QStringLiteral("Exit"),
                         CommandIcon::Exit, twipsRect(240, 3960, 1530, 495));
    connect(cmdHelp, &TaviButton::Click, this, &FrmMain::onHelpClicked);
    connect(cmdAbout, &TaviButton::Click, this, &FrmMain::onAboutClicked);
    connect(cmeExit, &TaviButton::Click, this, &FrmMain::exitProgram);

    TrayIcon1 = new TrayIcon(this);
    TrayIcon1->setObjectName(QStringLiteral("TrayIcon1"));
    TrayIcon1->setIcon(programIcon());
    TrayIcon1->setTooltip(QStringLiteral("Sunveil"));
    TrayIcon1->setBaloonText(QStringLiteral("Sunveil"));
    connect(TrayIcon1, &TrayIcon::MouseDown, this, &FrmMain::onTrayMouseDown);
    connect(TrayIcon1, &TrayIcon::DblClick, this, &FrmMain::restore);

    // The notification icon's menu; it is never shown as a menu bar.
    mnuFile = new QMenu(QStringLiteral("File"), this);
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuShow = mnuFile->addAction(QStringLiteral("Open/Close Sunveil"));
    mnuShow->setObjectName(QStringLiteral("mnuShow"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuLine1"));
    mnuExit = mnuFile->addAction(QStringLiteral("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuShow, &QAction::triggered, this, &FrmMain::restore);
    connect(mnuExit, &QAction::triggered, this, &FrmMain::exitProgram);
}

void FrmMain::setTrayAvailable(std::function<bool()> available)
{
    m_trayAvailable = std::move(available);
}

void FrmMain::setExitHandler(std::function<void()> exit)
{
    m_exit = std::move(exit);
}

void FrmMain::onStartUpClicked(bool checked)
{
    reportAndStop(*m_context.prompter,
                  QStringLiteral(") in procedure CheckStartUp_Click of Form frmMain"), [&] {
                      if (checked) {
                          StartupEntry::write(m_context.startupFolder, m_context.programFile);
                          m_settings->setAutoStart(QStringLiteral("On"));
                      } else {
                          StartupEntry::remove(m_context.startupFolder);
                          m_settings->setAutoStart(QStringLiteral("Off"));
                      }
                      m_settings->SaveSettings();
                  });
}

void FrmMain::onHelpClicked()
{
#ifdef Q_OS_WIN
    const QString help = QStringLiteral("/Help.exe");
#else
    const QString help = QStringLiteral("/sunveil-help");
#endif
    reportAndStop(*m_context.prompter,
                  QStringLiteral(") in procedure cmdHelp_Click of Form frmMain"),
                  [&] { startProgram(m_context.programFolder + help); });
}

void FrmMain::onAboutClicked()
{
    FrmAbout about(m_context, this);
    about.exec();
}

void FrmMain::onTrayMouseDown(int button)
{
    if (button == 2)
        mnuFile->popup(QCursor::pos());
    else
        restore();
}

void FrmMain::restore()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    showNormal();
    raise();
    activateWindow();
}

void FrmMain::hideToTray()
{
    TrayIcon1->setTray(true);
    if (m_trayAvailable())
        hide();
    else
        showMinimized(); // with nowhere to return from, the window stays reachable
}

void FrmMain::exitProgram()
{
    TrayIcon1->setTray(false);
    m_exit();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // Closing never ends the program: only Exit does.
    event->ignore();
    hideToTray();
}

void FrmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A minimised window goes to the notification area, once the minimising is done.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && m_trayAvailable()) {
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && m_trayAvailable())
                hide();
        });
    }
}

FrmMain::~FrmMain() = default;

void FrmMain::startUp()
{
    TrayIcon1->setTray(true);
    m_settings->LoadSettings();
    if (m_settings->autoStart() == QStringLiteral("On")) {
        // The entry is written again, then the display starts and the window stays hidden.
        m_settings->setAutoStart(QStringLiteral("On"));
        onStartUpClicked(true);
        m_cycle->start();
        hideToTray();
        return;
    }
    show();
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
