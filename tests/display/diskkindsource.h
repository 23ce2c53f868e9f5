#pragma once

#include "display/kindsource.h"
#include "library/librarypaths.h"
#include "platform/sunveilerror.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

// The categories of a kind as they stand on disk, for tests of the cycle without the main
// window: the kind folder's sub-folders in alphabetical order without regard to case, ticked as
// its tick file says.
class DiskKindSource final : public KindSource
{
public:
    explicit DiskKindSource(QString documents)
        : m_documents(std::move(documents))
    {}

    QList<LibraryFiles::TickEntry> categories(MessageKind kind) const override
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
            }
        }
        QList<LibraryFiles::TickEntry> entries;
        for (const QString &name : std::as_const(names))
            entries.append({name, ticked.contains(name)});
        return entries;
    }

private:
    QString m_documents;
};
