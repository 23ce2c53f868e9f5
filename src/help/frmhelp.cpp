#include "frmhelp.h"

#include "controls/programicon.h"
#include "helpbrowser.h"
#include "helpfolder.h"
#include "helptabs.h"
#include "tabbox.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr int InitialClientWidth = 12360;
constexpr int InitialClientHeight = 9285;

} // namespace

frmHelp::frmHelp(const QString &programFolder, QWidget *parent)
    : QWidget(parent)
    , m_programFolder(programFolder)
    , PicIndex(new TabBox(helpTabs()[0], this))
    , PicSystemRequirment(new TabBox(helpTabs()[1], this))
    , PicStart(new TabBox(helpTabs()[2], this))
    , PicSettings(new TabBox(helpTabs()[3], this))
    , PicUnistall(new TabBox(helpTabs()[4], this))
    , PicSupport(new TabBox(helpTabs()[5], this))
    , m_tabs{PicIndex, PicSystemRequirment, PicStart, PicSettings, PicUnistall, PicSupport}
    , WebBrowser1(new HelpBrowser(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowIcon(programIcon());
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));

    // The design-time places; the layout moves them on every resize.
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        m_geometry.tabs[i] = {static_cast<int>(i) * 2100, 0, 2000, 495};
        connect(m_tabs[i], &TabBox::clicked, this, [this, i] { openTab(i); });
    }
    m_geometry.browser = {0, 495, InitialClientWidth - 200, InitialClientHeight - 995};

    resize(twipsToPixels(InitialClientWidth), twipsToPixels(InitialClientHeight));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    arrange();

    // Opening the window shows the "Main" page, as a click on its tab does.
    openTab(0);
}

void frmHelp::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void frmHelp::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Once shown, the window manager's frame is known and the outer size may have grown.
    arrange();
}

void frmHelp::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The window manager reports its frame late, typically with the move that follows putting
    // the window into the frame; the outer size changes with it.
    arrange();
}

void frmHelp::openTab(std::size_t index)
{
    WebBrowser1->Navigate(helpPageAddress(m_programFolder, helpTabs()[index].page));
}

void frmHelp::arrange()
{
    const QSize outer = frameGeometry().size();
    m_geometry =
        arrangeHelpWindow(m_geometry, pixelsToTwips(outer.width()), pixelsToTwips(outer.height()));
    applyGeometry();
}

void frmHelp::applyGeometry()
{
    const auto toPixels = [](const TwipRect &r) {
        return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                     twipsToPixels(r.height));
    };
    for (std::size_t i = 0; i < m_tabs.size(); ++i)
        m_tabs[i]->setGeometry(toPixels(m_geometry.tabs[i]));
    WebBrowser1->setGeometry(toPixels(m_geometry.browser));
}
