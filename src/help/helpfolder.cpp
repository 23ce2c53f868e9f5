#include "helpfolder.h"

#include <QDir>
#include <QFileInfo>

#ifndef SUNVEIL_INSTALLED_DATA_RELATIVE
#define SUNVEIL_INSTALLED_DATA_RELATIVE "../share/sunveil"
#endif

namespace {

bool hasHelpFolder(const QString &folder)
{
    return QFileInfo(folder + QStringLiteral("/Help")).isDir();
}

} // namespace

QString installedDataFolder(const QString &applicationDir)
{
    return QDir::cleanPath(applicationDir + QLatin1Char('/') +
                           QStringLiteral(SUNVEIL_INSTALLED_DATA_RELATIVE));
}

QString helpProgramFolder(const QString &applicationDir)
{
    if (hasHelpFolder(applicationDir))
        return applicationDir;
    const QString installed = installedDataFolder(applicationDir);
    if (hasHelpFolder(installed))
        return installed;
    return applicationDir;
}

QString helpPageAddress(const QString &programFolder, const QString &page)
{
    return programFolder + page;
}
