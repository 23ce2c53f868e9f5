#pragma once

#include "platform/appcontext.h"

#include <QDialog>

#include <functional>

class OrlaFrames;
class QLabel;

// The About box: the program's name and version, the maker's web site and the support address.
class FrmAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAbout(const AppContext &context, QWidget *parent = nullptr);

    // Opens a link target with the desktop's own program for it.
    void Navigate(const QString &target);
    // Tests take the targets instead of opening them.
    void setNavigator(std::function<void(const QString &)> navigator);

    QString mailTarget() const;
    QString webTarget() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setLinkColors(const QColor &email, const QColor &website);

    const AppContext &m_context;
    std::function<void(const QString &)> m_navigator;
    OrlaFrames *OrlaFrames1;
    QLabel *lblWebsite;
    QLabel *lblEmail;
};
