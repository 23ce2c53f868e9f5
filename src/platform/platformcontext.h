#pragma once

#include "appcontext.h"

// The context of a real run: the user's folders, the program's own folder and the place of its
// settings file.
AppContext platformContext(Prompter &prompter);

// Settings.ini lives beside the program when that folder is writable (the portable use); an
// installed program keeps it in the user's configuration folder instead.
QString settingsFilePath(const QString &programFolder);
