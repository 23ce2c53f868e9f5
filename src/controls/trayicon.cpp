#include "trayicon.h"

namespace {

const QString DefaultTooltip = QStringLiteral("Tool Tip");
const QString DefaultTitle = QStringLiteral("Title");
const QString DefaultText = QStringLiteral("Text for information");

QSystemTrayIcon::MessageIcon balloonIcon(int kind)
{
    switch (kind) {
    case 1:
        return QSystemTrayIcon::Information;
    case 2:
        return QSystemTrayIcon::Warning;
    case 3:
        return QSystemTrayIcon::Critical;
    default:
        return QSystemTrayIcon::NoIcon;
    }
}

} // namespace

TrayIcon::TrayIcon(QObject *parent)
    : QObject(parent)
    , m_platform(new QSystemTrayIcon(this))
{
    connect(m_platform, &QSystemTrayIcon::activated, this, &TrayIcon::handleActivation);
}

TrayIcon::~TrayIcon()
{
    setTray(false);
}

void TrayIcon::setTray(bool tray)
{
    if (tray) {
        m_platform->setIcon(m_icon);
        m_platform->setToolTip(m_tooltip);
        m_platform->show();
    } else {
        m_platform->hide();
    }
    m_tray = tray;
}

void TrayIcon::setIcon(const QIcon &icon)
{
    m_icon = icon;
    if (m_tray)
        m_platform->setIcon(m_icon);
    emit propertyChanged(QStringLiteral("icon"));
}

void TrayIcon::setTooltip(const QString &tooltip)
{
    m_tooltip = tooltip;
    emit propertyChanged(QStringLiteral("tooltip"));
}

void TrayIcon::setBaloonTitle(const QString &title)
{
    m_baloonTitle = title;
    emit propertyChanged(QStringLiteral("baloontitle"));
}

void TrayIcon::setBaloonText(const QString &text)
{
    m_baloonText = text;
    emit propertyChanged(QStringLiteral("baloontext"));
}

void TrayIcon::setBaloonIcon(int icon)
{
    m_baloonIcon = icon;
    emit propertyChanged(QStringLiteral("baloonicon"));
}

void TrayIcon::Showtip()
{
    if (m_tray)
        m_platform->showMessage(m_baloonTitle, m_baloonText, balloonIcon(m_baloonIcon));
}

void TrayIcon::readProperties(const QVariantMap &bag)
{
    const auto value = [&bag](const char *key, const QVariant &fallback) {
        for (auto it = bag.cbegin(); it != bag.cend(); ++it) {
            if (it.key().compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                return it.value();
        }
        return fallback;
    };
    if (const QVariant icon = value("icon", QVariant()); icon.canConvert<QIcon>())
        m_icon = icon.value<QIcon>();
    m_tooltip = value("tooltip", DefaultTooltip).toString();
    m_baloonTitle = value("baloontitle", DefaultTitle).toString();
    m_baloonText = value("baloontext", DefaultText).toString();
    m_baloonIcon = value("baloonicon", 0).toInt();
}

QVariantMap TrayIcon::writeProperties() const
{
    QVariantMap bag;
    if (!m_icon.isNull())
        bag.insert(QStringLiteral("icon"), m_icon);
    if (m_tooltip != DefaultTooltip)
        bag.insert(QStringLiteral("tooltip"), m_tooltip);
    if (m_baloonTitle != DefaultTitle)
        bag.insert(QStringLiteral("baloontitle"), m_baloonTitle);
    if (m_baloonText != DefaultText)
        bag.insert(QStringLiteral("baloontext"), m_baloonText);
    if (m_baloonIcon != 0)
        bag.insert(QStringLiteral("baloonicon"), m_baloonIcon);
    return bag;
}

void TrayIcon::handleActivation(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        emit MouseDown(1);
        emit MouseUp(1);
        break;
    case QSystemTrayIcon::Context:
        emit MouseDown(2);
        emit MouseUp(2);
        break;
    case QSystemTrayIcon::DoubleClick:
        emit DblClick();
        break;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}
