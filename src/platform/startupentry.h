#pragma once

#include <QString>

// The entry that starts the program when the user logs in: on Linux an XDG autostart desktop
// entry "Shortcut to Sunveil.desktop", on Windows the shortcut "Shortcut to Sunveil.lnk", in the
// folder whose entries the desktop starts at login.
namespace StartupEntry {

QString path(const QString &startupFolder);

// Writes the entry pointing at the program, creating the folder when missing. Throws
// SunveilError when it cannot be written.
void write(const QString &startupFolder, const QString &programPath);

// Removes the entry; an entry that is not there is already removed. Throws SunveilError when it
// is there and cannot be removed.
void remove(const QString &startupFolder);

// The program's path as a desktop entry's Exec value: quoted where needed, with backslashes,
// quotes, dollars, backquotes and percent signs escaped.
QString execValue(const QString &programPath);

} // namespace StartupEntry
