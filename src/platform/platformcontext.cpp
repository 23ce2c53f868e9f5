#include "platformcontext.h"

#include "specialfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString settingsFilePath(const QString &programFolder)
{
    const QString besideProgram = programFolder + QStringLiteral("/Settings.ini");
    const QFileInfo folder(programFolder);
    const QFileInfo file(besideProgram);
    if (folder.isDir() && folder.isWritable() && (!file.exists() || file.isWritable()))
        return besideProgram;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config + QStringLiteral("/Settings.ini");
}

AppContext platformContext(Prompter &prompter)
{
    AppContext context;
    context.documentsFolder = GetSpecialFolder(nullptr, DocumentsFolder);
    context.programFolder = QCoreApplication::applicationDirPath();
    context.programFile = QCoreApplication::applicationFilePath();
    context.startupFolder = GetSpecialFolder(nullptr, StartupFolder);
    context.settingsFile = settingsFilePath(context.programFolder);
    context.prompter = &prompter;
    return context;
}
