#pragma once

#include "messagekind.h"

#include <QString>

// Where the message library keeps its files. Paths are formed by plain concatenation from the
// documents folder; an empty documents folder puts the library at the root of the file system.
namespace LibraryPaths {

QString root(const QString &documents);                         // documents/Sunveil/
QString kindFolder(const QString &documents, MessageKind kind); // documents/Sunveil/<kind>/
QString categoryFolder(const QString &documents, MessageKind kind, const QString &category);
QString messageFile(const QString &documents, MessageKind kind, const QString &category);
QString tickFile(const QString &documents, MessageKind kind);

} // namespace LibraryPaths
