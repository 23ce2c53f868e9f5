#pragma once

#include <QByteArray>

// A Wayland client can neither place its windows nor keep them above others, so in a Wayland
// session with an X display the program runs on XWayland. Gives the platform to use, or an empty
// value to leave Qt's choice alone (also when the user chose a platform).
QByteArray preferredPlatform(const QByteArray &qtPlatform, const QByteArray &sessionType,
                             const QByteArray &waylandDisplay, const QByteArray &x11Display);

// Applies the choice above to this process's environment, before the application is created.
void preferX11OnWayland();
