#include "frmmain.h"

#include "display/displaycycle.h"
#include "display/flashhost.h"
#include "library/commandbutton.h"
#include "library/frmaddcat.h"
#include "library/frmaddtext.h"
#include "library/frmedittext.h"
#include "library/kindpanel.h"
#include "platform/twips.h"
#include "settings/settingspanel.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace {

// Where the panel of the chosen tab stands; the others wait far to the left, hidden.
constexpr int PanelLeft = 2520;
constexpr int PanelTop = 480;
constexpr int PanelAwayLeft = -20000;

// A captioned frame that groups controls.
QWidget *makeFrame(QWidget *parent, const QString &objectName, const QString &caption, QRect place)
{
    auto *frame = new QWidget(parent);
    frame->setObjectName(objectName);
    frame->setAccessibleName(caption);
    frame->setGeometry(place);
    return frame;
}

} // namespace

FrmMain::FrmMain(const AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , m_context(context)
    , OrlaFrames1(makeFrame(this, QStringLiteral("OrlaFrames1"), QString(),
                            twipsRect(120, 120, 2055, 4695)))
    , OrlaFrames2(makeFrame(this, QStringLiteral("OrlaFrames2"), QStringLiteral("Settings"),
                            twipsRect(120, 4920, 8775, 2535)))
    , TabStrip1(new QTabBar(this))
    , OptionsFrames{}
    , m_panels{}
    , lblCat(new QLabel(QStringLiteral("0"), this))
    , cmdStart(makeCommandButton(OrlaFrames1, QStringLiteral("cmdStart"), QStringLiteral("Start"),
                                 twipsRect(240, 240, 1530, 495)))
    , cmdStop(makeCommandButton(OrlaFrames1, QStringLiteral("cmdStop"), QStringLiteral("Stop"),
                                twipsRect(240, 960, 1530, 495)))
    , tavibutton9(makeCommandButton(OrlaFrames1, QStringLiteral("tavibutton9"),
                                    QStringLiteral("Edit"), twipsRect(240, 1800, 1530, 495)))
    , m_settings(new SettingsPanel(context, OrlaFrames2))
    , m_flash(new FlashHost(context, *this, this))
    , m_cycle(new DisplayCycle(context, *this, *this, *m_flash, this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Sunveil V1.0"));
    // Outer size 9105 x 8055 twips: a client area of 8985 x 7545.
    setFixedSize(twipsToPixels(8985), twipsToPixels(7545));

    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setGeometry(twipsRect(2400, 120, 6495, 4695));
    TabStrip1->setDrawBase(false);
    for (const MessageKind kind : AllMessageKinds) {
        const auto i = static_cast<std::size_t>(kindIndex(kind));
        TabStrip1->addTab(QString::fromUtf16(kindInfo(kind).tabCaption));
        const bool first = kind == MessageKind::Emphasis;
        QWidget *frame =
            makeFrame(this, QStringLiteral("OptionsFrames(%1)").arg(i),
                      QString::fromUtf16(kindInfo(kind).panelCaption),
                      twipsRect(first ? PanelLeft : PanelAwayLeft, PanelTop, 6255, 4215));
        frame->setVisible(first);
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
    connect(tavibutton9, &QPushButton::clicked, this, &FrmMain::openEditor);
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
    for (KindPanel *kindPanel : m_panels)
        kindPanel->Getdir();
    m_settings->LoadSettings();
    panel(MessageKind::Emphasis).selectFirstCategory();
    for (KindPanel *kindPanel : m_panels)
        kindPanel->CheckedList();
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
