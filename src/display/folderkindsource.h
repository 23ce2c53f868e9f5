#pragma once

#include "kindsource.h"

#include <QString>

// The categories of a kind as they stand on disk: the kind folder's sub-folders in alphabetical
// order without regard to case, ticked as its tick file says.
class FolderKindSource final : public KindSource
{
public:
    explicit FolderKindSource(QString documents)
        : m_documents(std::move(documents))
    {}

    QList<LibraryFiles::TickEntry> categories(MessageKind kind) const override;

private:
    QString m_documents;
};
