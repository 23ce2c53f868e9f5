#pragma once

#include <QString>
#include <QStringList>

// The folders of the message library: listing the categories of a kind, making and removing a
// category folder. A name starting with "." is hidden and never part of the library.
namespace LibraryFolders {

// The names of the sub-folders of the kind folder, in the order the file system gives them; hidden
// entries and files are left out. A missing kind folder has no categories. Throws SunveilError
// when the folder exists but cannot be read.
QStringList listCategories(const QString &kindFolder);

// Makes the folder together with every missing folder above it. False when the path exists
// already or cannot be made.
bool createFolderWithParents(const QString &path);

// Removes a category folder: its visible files, then the folder itself if that left it empty. A
// folder that is a symbolic link loses the link only, never what it points to. Every failure is
// ignored.
void removeCategoryFolder(const QString &path);

} // namespace LibraryFolders
