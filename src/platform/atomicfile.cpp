#include "atomicfile.h"

#include "sunveilerror.h"

#include <QFile>
#include <QSaveFile>

namespace AtomicFile {

QByteArray read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SunveilError::forFile(path, SunveilError::Access::Read, file.error());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw SunveilError::forFile(path, SunveilError::Access::Read, file.error());
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SunveilError::forFile(path, SunveilError::Access::Write, file.error());
    // A short write (a full disk, a size limit) can leave the error set while commit() still
    // succeeds, so the written size is checked before the file takes the old one's place.
    const bool written =
        file.write(bytes) == bytes.size() && file.flush() && file.size() == bytes.size();
    if (!written || file.error() != QFileDevice::NoError) {
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        throw SunveilError::forFile(path, SunveilError::Access::Write, error);
    }
    if (!file.commit())
        throw SunveilError::forFile(path, SunveilError::Access::Write, file.error());
}

} // namespace AtomicFile
