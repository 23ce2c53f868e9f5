#include "sunveilerror.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

SunveilError::SunveilError(int number)
    : SunveilError(number, describe(number))
{}

SunveilError::SunveilError(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
    , m_what(QStringLiteral("Error %1 (%2)").arg(number).arg(m_description).toUtf8())
{}

QString SunveilError::describe(int number)
{
    switch (number) {
    case InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case BadFileNameOrNumber:
        return QStringLiteral("Bad file name or number");
    case FileNotFound:
        return QStringLiteral("File not found");
    case DeviceIoError:
        return QStringLiteral("Device I/O error");
    case DiskFull:
        return QStringLiteral("Disk full");
    case PermissionDenied:
        return QStringLiteral("Permission denied");
    case PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case PathNotFound:
        return QStringLiteral("Path not found");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

int SunveilError::numberForErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT:
        return FileNotFound;
    case ENOTDIR:
        return PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY:
        return PermissionDenied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return DiskFull;
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
    case EXDEV:
        return PathFileAccessError;
    case ENAMETOOLONG:
    case EBADF:
        return BadFileNameOrNumber;
    case EINVAL:
        return InvalidProcedureCall;
    default:
        return DeviceIoError;
    }
}

SunveilError SunveilError::forFile(const QString &path, Access access, QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::ResourceError:
        return SunveilError(DiskFull);
    case QFileDevice::PermissionsError:
        return SunveilError(PermissionDenied);
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
    case QFileDevice::CopyError:
        return SunveilError(PathFileAccessError);
    default:
        break;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        if (!info.absoluteDir().exists())
            return SunveilError(PathNotFound);
        if (access == Access::Read)
            return SunveilError(FileNotFound);
    }
    if (info.isDir())
        return SunveilError(PathFileAccessError);
    if (error == QFileDevice::OpenError)
        return SunveilError(PermissionDenied);
    return SunveilError(DeviceIoError);
}
