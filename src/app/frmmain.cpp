#include "frmmain.h"

#include "controls/orlaframes.h"
#include "controls/orlaframesinstances.h"
#include "controls/programicon.h"
#include "controls/tavibutton.h"
#include "controls/trayicon.h"
#include "display/displaycycle.h"
#include "display/flashhost.h"
#include "frmabout.h"
#include "library/commandbutton.h"
#include "library/frmaddcat.h"
#include "library/frmaddtext.h"
#include "library/frmedittext.h"
#include "library/kindpanel.h"
#include "platform/failure.h"
#include "platform/programstarter.h"
#include "platform/startupentry.h"
#include "platform/twips.h"
#include "settings/settingspanel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTimer>

namespace {

// Where the panel of the chosen tab stands; the others wait far to the left, hidden.
constexpr int PanelLeft = 2520;
constexpr int PanelTop = 480;
constexpr int PanelAwayLeft = -20000;

TaviButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                       CommandIcon icon, QRect place)
{
    return placeCommandButton(parent, name, caption, icon, 0, place);
}

} // namespace

FrmMain::FrmMain(const AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_trayAvailable([] { return QSystemTrayIcon::isSystemTrayAvailable(); })
    , m_exit([] { QCoreApplication::exit(0); })
    , OrlaFrames1(OrlaFramesInstances::makeButtonColumnFrame(this))
    , OrlaFrames2(OrlaFramesInstances::makeSettingsFrame(this))
    , TabStrip1(new QTabBar(this))
    , OptionsFrames{}
    , m_panels{}
    , lblCat(new QLabel(QStringLiteral("0"), this))
    , cmdStart(makeButton(OrlaFrames1, QStringLiteral("cmdStart"), QStringLiteral("Start"),
                          CommandIcon::Start, twipsRect(240, 240, 1530, 495)))
    , cmdStop(makeButton(OrlaFrames1, QStringLiteral("cmdStop"), QStringLiteral("Stop"),
                         CommandIcon::Stop, twipsRect(240, 960, 1530, 495)))
    , tavibutton9(makeButton(OrlaFrames1, QStringLiteral("tavibutton9"), QStringLiteral("Edit"),
                             CommandIcon::Edit, twipsRect(240, 1800, 1530, 495)))
    , m_settings(new SettingsPanel(context, OrlaFrames2))
    , m_flash(new FlashHost(context, *this, this))
    , m_cycle(new DisplayCycle(context, *this, *this, *m_flash, this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Sunveil V1.0"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);
    // Outer size 9105 x 8055 twips: a client area of 8985 x 7545.
    setFixedSize(twipsToPixels(8985), twipsToPixels(7545));

    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setGeometry(twipsRect(2400, 120, 6495, 4695));
    TabStrip1->setDrawBase(false);
    for (const MessageKind kind : AllMessageKinds) {
        const auto i = static_cast<std::size_t>(kindIndex(kind));
        TabStrip1->addTab(QString::fromUtf16(kindInfo(kind).tabCaption));
        OrlaFrames *frame = OrlaFramesInstances::makeKindPanelFrame(this, kindIndex(kind));
        OptionsFrames.at(i) = frame;
        auto *kindPanel = new KindPanel(context, kind, frame);
        kindPanel->setGeometry(frame->rect());
        m_panels.at(i) = kindPanel;
        connect(kindPanel, &KindPanel::addCategoryRequested, this, &FrmMain::openAddCategory);
        connect(kindPanel, &KindPanel::addMessageRequested, this, &FrmMain::openAddMessage);
    }
    lblCat->setObjectName(QStringLiteral("lblCat"));
    lblCat->hide();

    m_settings->setObjectName(QStringLiteral("settingsPanel"));
    m_settings->setGeometry(OrlaFrames2->rect());
    cmdStop->setEnabled(false);

    connect(TabStrip1, &QTabBar::currentChanged, this, &FrmMain::tabSwitch);
    connect(tavibutton9, &TaviButton::Click, this, &FrmMain::openEditor);
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
    for (KindPanel *kindPanel : m_panels)
        kindPanel->Getdir();
    m_settings->LoadSettings();
    panel(MessageKind::Emphasis).selectFirstCategory();
    for (KindPanel *kindPanel : m_panels)
        kindPanel->CheckedList();
    if (m_settings->autoStart() == QStringLiteral("On")) {
        // The entry is written again, then the display starts and the window stays hidden.
        onStartUpClicked(true);
        m_cycle->start();
        hideToTray();
        return;
    }
    show();
}

KindPanel &FrmMain::panel(MessageKind kind) const
{
    return *m_panels.at(static_cast<std::size_t>(kindIndex(kind)));
}

KindPanel &FrmMain::currentPanel() const
{
    MessageKind kind = MessageKind::Emphasis;
    kindFromIndex(lblCat->text().toInt(), &kind);
    return panel(kind);
}

QList<LibraryFiles::TickEntry> FrmMain::categories(MessageKind kind) const
{
    return panel(kind).tickEntries();
}

void FrmMain::tabSwitch(int index)
{
    lblCat->setText(QString::number(index));
    for (int i = 0; i < TabStrip1->count(); ++i) {
        QWidget *frame = OptionsFrames.at(static_cast<std::size_t>(i));
        if (i == index) {
            frame->move(twipsToPixels(PanelLeft), twipsToPixels(PanelTop));
            frame->setVisible(true);
        } else {
            frame->move(twipsToPixels(PanelAwayLeft), frame->y());
            frame->setVisible(false);
        }
    }
    currentPanel().selectFirstCategory();
}

void FrmMain::openAddCategory()
{
    FrmAddCat dialog(*m_context.prompter, currentPanel(), this);
    dialog.exec();
}

void FrmMain::openAddMessage()
{
    FrmAddText dialog(*m_context.prompter, currentPanel(), this);
    dialog.exec();
}

void FrmMain::openEditor()
{
    FrmEditText editor(
        m_context, [this] { currentPanel().refreshMessages(); }, this);
    editor.exec();
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
