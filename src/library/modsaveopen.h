#pragma once

#include <QString>

class Prompter;

// Saving a text file, with the program's two save-failure boxes.
namespace ModSaveOpen {

// Adds the text and a line end to the end of the file, creating it when missing. The file is
// replaced as a whole, so a failed save leaves it as it was. A failure shows the "Error" box
// (number, line end, description) and gives false.
bool SaveTextFile(Prompter &prompter, const QString &text, const QString &path);

// True when the path names a file whose length can be read.
bool TextFileExists(const QString &path);

// The shared end of every save: writes `bytes` over the file and reports as SaveTextFile does.
bool saveBytes(Prompter &prompter, const QByteArray &bytes, const QString &path);

} // namespace ModSaveOpen
