#pragma once

#include <QColor>

// The program's colour values: 0x00BBGGRR, red in the low byte, as the settings file and the
// controls keep them. (A value with the high bit set names a system colour; see TranslateColor.)
namespace ColorValue {

inline QColor toColor(quint32 value)
{
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

inline quint32 fromColor(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

} // namespace ColorValue
