#include "frmabout.h"
#include "controls/placedlabel.h"

#include "controls/orlaframes.h"
#include "controls/orlaframesinstances.h"
#include "controls/programicon.h"
#include "controls/tavibutton.h"
#include "library/commandbutton.h"
#include "platform/failure.h"
#include "platform/twips.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QUrl>

#ifndef SUNVEIL_WEBSITE
#define SUNVEIL_WEBSITE "https://example.org/"
#endif
#ifndef SUNVEIL_SUPPORT_EMAIL
#define SUNVEIL_SUPPORT_EMAIL "support@example.org"
#endif
#ifndef SUNVEIL_CREDIT
#define SUNVEIL_CREDIT "Made by the Sunveil developers."
#endif

namespace {

const QColor LinkBlue(0, 0, 255);
const QColor HoverGreen(0, 128, 0);

QFont arial(bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QString websiteHost()
{
    const QUrl url(QStringLiteral(SUNVEIL_WEBSITE));
    return url.host().isEmpty() ? QStringLiteral(SUNVEIL_WEBSITE) : url.host();
}

} // namespace

FrmAbout::FrmAbout(const AppContext &context, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_navigator([](const QString &target) {
        QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
    })
    , OrlaFrames1(OrlaFramesInstances::makeAboutFrame(this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    setFixedSize(twipsToPixels(4935), twipsToPixels(3030));
    setFont(arial());
    if (parent)
        setWindowIcon(parent->windowIcon());
    // Moving over the frame itself, off the links, turns both links blue.
    connect(OrlaFrames1, &OrlaFrames::MouseMove, this,
            [this] { setLinkColors(LinkBlue, LinkBlue); });

    for (const QRect &place : {twipsRect(1275, 825, 3135, 255), twipsRect(1275, 1185, 3135, 255)}) {
        auto *shape = new QLabel(OrlaFrames1);
        shape->setGeometry(place);
        shape->setAutoFillBackground(true);
        QPalette grey = shape->palette();
        grey.setColor(QPalette::Window, QColor(227, 227, 227));
        shape->setPalette(grey);
    }
    auto *icon = placeLabel(OrlaFrames1, QStringLiteral("ImgIcon"), QString(),
                            twipsRect(285, 1370, 480, 480));
    icon->setPixmap(programPicture(32));
    auto *logo = placeLabel(OrlaFrames1, QStringLiteral("imgQuenbrook"), QString(),
                            twipsRect(225, 360, 660, 660));
    logo->setPixmap(makerLogo());
    placeLabel(OrlaFrames1, QStringLiteral("lblInfo"), QStringLiteral("Sunveil"),
               twipsRect(1320, 360, 1635, 255))
        ->setFont(arial(true));
    placeLabel(OrlaFrames1, QStringLiteral("Label1"), QStringLiteral("Version: 1.0.0"),
               twipsRect(2880, 360, 2715, 255));
    placeLabel(OrlaFrames1, QStringLiteral("LBL(0)"), QStringLiteral("WebSite:"),
               twipsRect(1440, 840, 660, 195));
    lblWebsite = placeLabel(OrlaFrames1, QStringLiteral("lblWebsite"), websiteHost(),
                            twipsRect(2280, 840, 1080, 195));
    placeLabel(OrlaFrames1, QStringLiteral("LBL(1)"), QStringLiteral("Support:"),
               twipsRect(1440, 1200, 600, 195));
    lblEmail = placeLabel(OrlaFrames1, QStringLiteral("lblEmail"),
                          QStringLiteral(SUNVEIL_SUPPORT_EMAIL), twipsRect(2280, 1200, 1395, 195));
    auto *credit = placeLabel(OrlaFrames1, QStringLiteral("lblProgrammer"),
                              QStringLiteral(SUNVEIL_CREDIT), twipsRect(1200, 1680, 3285, 390));
    credit->setWordWrap(true);
    for (QLabel *link : {lblWebsite, lblEmail}) {
        // An address longer than its place is shown whole, never cut.
        link->resize(std::max(link->width(), link->sizeHint().width()), link->height());
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
    }
    setLinkColors(LinkBlue, LinkBlue);

    TaviButton *cmdOk = placeCommandButton(this, QStringLiteral("cmdOk"), QStringLiteral("Ok"),
                                           CommandIcon::Ok, 1, twipsRect(3600, 2415, 1215, 495));
    connect(cmdOk, &TaviButton::Click, this, &QDialog::accept);
}

void FrmAbout::setNavigator(std::function<void(const QString &)> navigator)
{
    m_navigator = std::move(navigator);
}

void FrmAbout::Navigate(const QString &target)
{
    m_navigator(target);
}

QString FrmAbout::mailTarget() const
{
    return QStringLiteral("mailto:") + QStringLiteral(SUNVEIL_SUPPORT_EMAIL) +
           QStringLiteral("?subject=") + QStringLiteral("Sunveil v 1&body=") +
           QStringLiteral("Your Message...");
}

QString FrmAbout::webTarget() const
{
    QString url = QStringLiteral(SUNVEIL_WEBSITE);
    if (!url.contains(QStringLiteral("://")))
        url.prepend(QStringLiteral("http://"));
    if (!url.endsWith(u'/'))
        url += u'/';
    return url;
}

void FrmAbout::setLinkColors(const QColor &email, const QColor &website)
{
    for (const auto &[label, color] :
         {std::pair{lblEmail, email}, std::pair{lblWebsite, website}}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    }
}

bool FrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    const bool overLink = watched == lblEmail || watched == lblWebsite;
    if (event->type() == QEvent::MouseMove && overLink) {
        setLinkColors(watched == lblEmail ? HoverGreen : LinkBlue,
                      watched == lblWebsite ? HoverGreen : LinkBlue);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && overLink) {
        // Any mouse button opens the link.
        if (watched == lblEmail)
            reportAndStop(*m_context.prompter,
                          QStringLiteral(") in procedure lblEmail_MouseUp of Form frmAbout"),
                          [this] { Navigate(mailTarget()); });
        else
            reportAndStop(*m_context.prompter,
                          QStringLiteral(") in procedure lblWebSite_MouseUp of Form frmAbout"),
                          [this] { Navigate(webTarget()); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
