#include "folderkindsource.h"

#include "library/librarypaths.h"
#include "platform/sunveilerror.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

QList<LibraryFiles::TickEntry> FolderKindSource::categories(MessageKind kind) const
{
    QStringList names = QDir(LibraryPaths::kindFolder(m_documents, kind))
                            .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);

    QStringList ticked;
    const QString tickFile = LibraryPaths::tickFile(m_documents, kind);
    if (QFileInfo::exists(tickFile)) {
        try {
            ticked = LibraryFiles::ReadLibraryLines(tickFile);
        } catch (const SunveilError &) {
            // an unreadable tick file ticks nothing
        }
    }
    QList<LibraryFiles::TickEntry> entries;
    for (const QString &name : std::as_const(names))
        entries.append({name, ticked.contains(name)});
    return entries;
}
