#include "librarypaths.h"

namespace LibraryPaths {

QString root(const QString &documents)
{
    return documents + QStringLiteral("/Sunveil/");
}

QString kindFolder(const QString &documents, MessageKind kind)
{
    return root(documents) + QString::fromUtf16(kindInfo(kind).folder) + u'/';
}

QString categoryFolder(const QString &documents, MessageKind kind, const QString &category)
{
    return kindFolder(documents, kind) + category;
}

QString messageFile(const QString &documents, MessageKind kind, const QString &category)
{
    return categoryFolder(documents, kind, category) + QStringLiteral("/text.txt");
}

QString tickFile(const QString &documents, MessageKind kind)
{
    return kindFolder(documents, kind) + QStringLiteral("Checked.txt");
}

} // namespace LibraryPaths
