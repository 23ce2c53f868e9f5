#pragma once

#include <QString>

class QObject;

// The user's special folders, by the shell's folder numbers. The window argument is accepted for
// the callers' sake and not needed here.
enum SpecialFolderNumber : int {
    DocumentsFolder = 5, // the user's documents folder: the message library's root
    StartupFolder = 7,   // the folder whose entries the desktop starts at login
};

// The folder's path, or the empty string when it cannot be resolved.
QString GetSpecialFolder(const QObject *window, int folderNumber);
