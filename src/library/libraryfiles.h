#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Prompter;

// Reading and replacing the library's text files, and the texts written into them.
namespace LibraryFiles {

// The non-blank lines of the file, in file order. CR LF or a lone CR ends a line; a lone LF is
// part of the line; a last line without an end is a line; lines of spaces are kept. Throws
// SunveilError when the file is missing or cannot be read.
QStringList ReadLibraryLines(const QString &path);

// Replaces the file with the text and a line end. The old file stays whole until the new one is
// complete; a failure shows the save's error box and gives false.
bool ReplaceLibraryFile(Prompter &prompter, const QString &text, const QString &path);

// Each message followed by CR LF, first to last.
QString messageTextInListOrder(const QStringList &messages);
// The same with the last message first.
QString messageTextInReverseListOrder(const QStringList &messages);

struct TickEntry
{
    QString name;
    bool ticked = false;
};
// CR LF and the name, for each ticked category in list order.
QString tickText(const QList<TickEntry> &categories);

} // namespace LibraryFiles
