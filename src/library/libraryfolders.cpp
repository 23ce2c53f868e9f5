#include "libraryfolders.h"

#include "platform/sunveilerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace LibraryFolders {

namespace {

bool isHidden(const QString &name)
{
    return name.startsWith(u'.');
}

} // namespace

QStringList listCategories(const QString &kindFolder)
{
    const QFileInfo info(kindFolder);
    if (!info.exists() || !info.isDir())
        return {};
    const QDir folder(kindFolder);
    if (!folder.isReadable())
        throw SunveilError(SunveilError::PermissionDenied);
    QStringList names;
    const QStringList entries = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &name : entries) {
        if (!isHidden(name))
            names.append(name);
    }
    return names;
}

bool createFolderWithParents(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return false;
    return QDir().mkpath(path);
}

void removeCategoryFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        QFile::remove(path);
        return;
    }
    if (!info.isDir())
        return;
    QDir folder(path);
    const QStringList files = folder.entryList(QDir::Files, QDir::Unsorted);
    for (const QString &name : files) {
        if (!isHidden(name))
            folder.remove(name);
    }
    QDir().rmdir(path);
}

} // namespace LibraryFolders
