#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes. A write goes to a temporary file beside the target that is then
// renamed over it, so a write that fails leaves the previous file as it was. Both throw
// SunveilError on failure.
namespace AtomicFile {

QByteArray read(const QString &path);
void write(const QString &path, const QByteArray &bytes);

} // namespace AtomicFile
