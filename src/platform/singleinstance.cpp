#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace {

QString lockFolder(const QString &folder)
{
    if (!folder.isEmpty())
        return folder;
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return runtime;
}

} // namespace

QString SingleInstance::lockName()
{
    // One instance per user (the runtime folder is the user's own, the name repeats the user for
    // shared temporary folders) and per desktop.
    const QByteArray desktop = qgetenv("DISPLAY") + '|' + qgetenv("WAYLAND_DISPLAY");
    const QByteArray user = qgetenv("USER").isEmpty() ? qgetenv("USERNAME") : qgetenv("USER");
    const QByteArray hash =
        QCryptographicHash::hash(user + '|' + desktop, QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("sunveil-") + QString::fromLatin1(hash) + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString &folder)
    : m_lock(lockFolder(folder) + u'/' + lockName())
{
    m_lock.setStaleLockTime(0); // only a lock whose owner is gone is stale
}

bool SingleInstance::claim()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}
