#include "helpbrowser.h"

#include <QDesktopServices>
#include <QFileInfo>

#include <utility>

namespace {

QString errorPage(const QString &path)
{
    return QStringLiteral("<html><head><title>Page not found</title></head><body>"
                          "<h2>This page cannot be displayed</h2>"
                          "<p>The file <b>%1</b> was not found or cannot be read.</p>"
                          "<p>The help pages belong in the folder <b>Help</b> beside the "
                          "program. Installing the program again restores them.</p>"
                          "</body></html>")
        .arg(path.toHtmlEscaped());
}

} // namespace

HelpBrowser::HelpBrowser(QWidget *parent)
    : QTextBrowser(parent)
    , m_openExternal([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    // Links are followed here, so that only local pages open inside the view.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::openLink);
}

void HelpBrowser::Navigate(const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    // Opening the page already shown reads it again, as a web browser does.
    if (url == source())
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
}

void HelpBrowser::openLink(const QUrl &link)
{
    const QUrl target = source().resolved(link);
    if (target.isLocalFile()) {
        setSource(target, QTextDocument::HtmlResource);
        return;
    }
    const QString scheme = target.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        m_openExternal(target);
}

void HelpBrowser::setExternalOpener(ExternalOpener opener)
{
    m_openExternal = std::move(opener);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (type != QTextDocument::HtmlResource)
        return QTextBrowser::loadResource(type, name);
    const QFileInfo file(name.toLocalFile());
    m_errorPage = !name.isLocalFile() || !file.isFile() || !file.isReadable();
    if (m_errorPage)
        return errorPage(name.toLocalFile());
    return QTextBrowser::loadResource(type, name);
}
