#pragma once

#include <QString>

class QListWidget;

// The library's lists keep their entries in alphabetical order without regard to case, whatever
// the order they are added in.
namespace SortedList {

// Adds an entry with the text at its place, after the entries that compare equal, and gives its
// row.
int insertText(QListWidget &list, const QString &text);

} // namespace SortedList
