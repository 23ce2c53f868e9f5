#pragma once

#include <QString>

// What the add and edit dialogs make of the text the user typed.
namespace TypedText {

// The text with every CR LF pair removed.
QString withoutLineEnds(const QString &typed);

// The folder name of a category: the text without line ends and with every space made a "-".
QString categoryName(const QString &typed);

// Whether the name can be a folder of its own inside the kind folder: not empty, not "." or "..",
// not hidden (starting with "."), and free of "/", "\" and control characters.
bool isPossibleCategoryName(const QString &name);

// A message: every line break (CR LF, or a lone CR or LF) becomes one space, so the message stays
// one line of its file.
QString messageText(const QString &typed);

} // namespace TypedText
