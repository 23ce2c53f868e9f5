#include "helpbrowser.h"

#include <QDesktopServices>
#include <QFileInfo>

#include <utility>

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
    openLocal(QUrl::fromLocalFile(path));
}

void HelpBrowser::openLink(const QUrl &link)
{
    const QUrl target = link.isRelative() ? m_location.resolved(link) : link;
    if (target.isLocalFile()) {
        openLocal(target);
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

void HelpBrowser::openLocal(const QUrl &url)
{
    const QString path = url.toLocalFile();
    const QFileInfo file(path);
    m_location = url;
    if (file.isFile() && file.isReadable()) {
        m_errorPage = false;
        setSource(url, QTextDocument::HtmlResource);
    } else {
        showErrorPage(path);
    }
    emit locationChanged(m_location);
}

void HelpBrowser::showErrorPage(const QString &path)
{
    m_errorPage = true;
    // Forget the last page, so that opening it again after the error page loads it afresh.
    setSource(QUrl());
    setHtml(QStringLiteral("<html><head><title>Page not found</title></head><body>"
                           "<h2>This page cannot be displayed</h2>"
                           "<p>The file <b>%1</b> was not found or cannot be read.</p>"
                           "<p>The help pages belong in the folder <b>Help</b> beside the "
                           "program. Installing the program again restores them.</p>"
                           "</body></html>")
                .arg(path.toHtmlEscaped()));
}
