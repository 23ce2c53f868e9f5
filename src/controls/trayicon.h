#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <QVariantMap>

// One icon in the notification area, with its tooltip and balloon, turning what the platform
// reports about the icon into mouse events: MouseDown with button 1 (left) or 2 (right),
// MouseUp, DblClick and MouseMove.
class TrayIcon final : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    bool Tray() const { return m_tray; }
    // True puts the icon (with the current tooltip) into the notification area; false removes it.
    void setTray(bool tray);

    QIcon Icon() const { return m_icon; }
    // Changes the shown icon at once when it is in the notification area.
    void setIcon(const QIcon &icon);

    // The texts reach the notification area with the next time the icon is put there.
    QString Tooltip() const { return m_tooltip; }
    void setTooltip(const QString &tooltip);
    QString BaloonTitle() const { return m_baloonTitle; }
    void setBaloonTitle(const QString &title);
    QString BaloonText() const { return m_baloonText; }
    void setBaloonText(const QString &text);
    // 0 none, 1 information, 2 warning, 3 error.
    int BaloonIcon() const { return m_baloonIcon; }
    void setBaloonIcon(int icon);

    // Shows the balloon when the icon is in the notification area.
    void Showtip();

    // The saved form: keys "icon", "tooltip", "baloontitle", "baloontext", "baloonicon"; a value
    // equal to its default is not written.
    void readProperties(const QVariantMap &bag);
    QVariantMap writeProperties() const;

    // What the platform reported about the icon, as events.
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

    // The icon as the platform holds it: visible while it is in the notification area.
    const QSystemTrayIcon &platformIcon() const { return *m_platform; }

signals:
    void MouseDown(int button);
    void MouseUp(int button);
    void DblClick();
    void MouseMove();
    // A saved property was set; the key names it.
    void propertyChanged(const QString &key);

private:
    bool m_tray = false;
    QIcon m_icon;
    QString m_tooltip = QStringLiteral("Tool Tip");
    QString m_baloonTitle = QStringLiteral("Title");
    QString m_baloonText = QStringLiteral("Text for information");
    int m_baloonIcon = 0;
    QSystemTrayIcon *m_platform;
};
