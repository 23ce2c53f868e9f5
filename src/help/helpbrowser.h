#pragma once

#include <QTextBrowser>
#include <QUrl>

#include <functional>

// The page view of the Help window: opens local HTML files by path, follows links between them,
// and hands links to the web or to mail to the desktop. A page that cannot be read is replaced by
// an error page naming the file, as a web browser does.
class HelpBrowser final : public QTextBrowser
{
    Q_OBJECT

public:
    using ExternalOpener = std::function<void(const QUrl &)>;

    explicit HelpBrowser(QWidget *parent = nullptr);

    // Opens the page at a local file path.
    void Navigate(const QString &path);
    // Follows a link as written in the current page (relative links resolve against it).
    void openLink(const QUrl &link);

    // The page last opened, whether or not it could be shown.
    QUrl location() const { return source(); }
    bool showsErrorPage() const { return m_errorPage; }

    // Where links to the web or to mail go; the desktop's own programs unless replaced.
    void setExternalOpener(ExternalOpener opener);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    bool m_errorPage = false;
    ExternalOpener m_openExternal;
};
