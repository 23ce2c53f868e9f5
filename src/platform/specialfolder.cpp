#include "specialfolder.h"

#include <QDir>
#include <QStandardPaths>

QString GetSpecialFolder(const QObject *window, int folderNumber)
{
    Q_UNUSED(window)
    switch (folderNumber) {
    case DocumentsFolder:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case StartupFolder: {
#ifdef Q_OS_WIN
        const QString programs =
            QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        return programs.isEmpty() ? QString() : programs + QStringLiteral("/Startup");
#else
        // $XDG_CONFIG_HOME/autostart, ~/.config/autostart when the variable is unset.
        const QString config =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        return config.isEmpty() ? QString() : config + QStringLiteral("/autostart");
#endif
    }
    default:
        return QString();
    }
}
