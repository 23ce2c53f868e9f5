#include "waylandsession.h"

#include <QtGlobal>

QByteArray preferredPlatform(const QByteArray &qtPlatform, const QByteArray &sessionType,
                             const QByteArray &waylandDisplay, const QByteArray &x11Display)
{
    if (!qtPlatform.isEmpty() || x11Display.isEmpty())
        return {};
    if (sessionType == "wayland" || !waylandDisplay.isEmpty())
        return QByteArrayLiteral("xcb");
    return {};
}

void preferX11OnWayland()
{
    const QByteArray platform =
        preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                          qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}
