#pragma once

#include <QLockFile>
#include <QString>

// Tells a second start of the program by the same user on the same desktop from the first. The
// first instance holds a lock file in the user's runtime folder for as long as it runs; a lock
// left behind by a program that died is taken over.
class SingleInstance final
{
public:
    // The lock for this user's desktop, in the given folder (the runtime folder when empty).
    explicit SingleInstance(const QString &folder = QString());

    // True when no other instance runs; this instance then holds the lock until it ends.
    bool claim();

    static QString lockName();

private:
    QLockFile m_lock;
};
