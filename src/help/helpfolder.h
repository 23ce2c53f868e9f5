#pragma once

#include <QString>

// The folder the Help window's page addresses start from: the program's own folder when the
// pages sit beside it in "Help", otherwise the installed data folder when they are there,
// otherwise the program's folder again (the pages are then reported missing one by one).
QString helpProgramFolder(const QString &applicationDir);

// Where an installed build keeps its data, worked out from the executable's folder
// (<prefix>/bin -> <prefix>/share/sunveil).
QString installedDataFolder(const QString &applicationDir);

// A page's address: the folder followed directly by the page text ("/Help/index.html").
QString helpPageAddress(const QString &programFolder, const QString &page);
