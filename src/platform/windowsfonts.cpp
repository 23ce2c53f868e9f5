#include "windowsfonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>

void loadTahoma()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive))
        return;
    for (const QString &file : {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                                QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")}) {
        if (QFileInfo::exists(file))
            QFontDatabase::addApplicationFont(file);
    }
}
