#include "startupentry.h"

#include "atomicfile.h"
#include "sunveilerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace StartupEntry {

QString path(const QString &startupFolder)
{
#ifdef Q_OS_WIN
    return startupFolder + QStringLiteral("/Shortcut to Sunveil.lnk");
#else
    return startupFolder + QStringLiteral("/Shortcut to Sunveil.desktop");
#endif
}

QString execValue(const QString &programPath)
{
    // Quoting of the command line, then escaping of the entry's string value.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = programPath.isEmpty();
    for (const QChar c : programPath)
        needsQuotes = needsQuotes || reserved.contains(c);
    QString argument;
    for (const QChar c : programPath) {
        if (needsQuotes && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            argument += u'\\';
        argument += c;
    }
    if (needsQuotes)
        argument = u'"' + argument + u'"';
    QString value;
    for (const QChar c : std::as_const(argument)) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'%')
            value += QStringLiteral("%%");
        else
            value += c;
    }
    return value;
}

void write(const QString &startupFolder, const QString &programPath)
{
    if (startupFolder.isEmpty() || !QDir().mkpath(startupFolder))
        throw SunveilError(SunveilError::PathNotFound);
#ifdef Q_OS_WIN
    QFile::remove(path(startupFolder));
    if (!QFile::link(programPath, path(startupFolder)))
        throw SunveilError(SunveilError::PathFileAccessError);
#else
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Sunveil\n"
                                         "Comment=Shows your messages while you work\n"
                                         "Exec=%1\n"
                                         "Terminal=false\n")
                              .arg(execValue(programPath));
    AtomicFile::write(path(startupFolder), entry.toUtf8());
#endif
}

void remove(const QString &startupFolder)
{
    const QString entry = path(startupFolder);
    if (!QFileInfo(entry).exists() && !QFileInfo(entry).isSymLink())
        return;
    QFile file(entry);
    if (!file.remove())
        throw SunveilError::forFile(entry, SunveilError::Access::Write, file.error());
}

} // namespace StartupEntry
