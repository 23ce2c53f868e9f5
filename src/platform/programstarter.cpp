#include "programstarter.h"

#include "sunveilerror.h"

#include <QFileInfo>
#include <QProcess>

void startProgram(const QString &path)
{
    const QFileInfo program(path);
    if (!program.exists())
        throw SunveilError(SunveilError::FileNotFound);
    if (!program.isFile() || !program.isExecutable())
        throw SunveilError(SunveilError::PermissionDenied);
    if (!QProcess::startDetached(path, QStringList(), program.absolutePath()))
        throw SunveilError(SunveilError::PathFileAccessError);
}
