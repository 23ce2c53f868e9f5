#pragma once

#include <QByteArray>
#include <QString>

// The one place where text meets bytes. Files are written as UTF-8 without a byte-order mark.
// A file that is not valid UTF-8 was written on Windows in its ANSI code page and is decoded
// from that code page (Windows-1256 for Persian, unless another is named).
namespace TextCodec {

inline constexpr const char *LegacyCodePage = "windows-1256";

QString decode(const QByteArray &bytes, const char *legacyCodePage = LegacyCodePage);
QByteArray encode(const QString &text);

} // namespace TextCodec
