#pragma once

#include <QColor>
#include <QtGlobal>

class QPalette;

// The frame control's colour values: 0x00BBGGRR with red in the low byte, or, with the high bit
// set, a system colour named by its index in the low byte. System colours follow the palette, so
// a frame drawn in them changes with the desktop's colours.
namespace OrlaFramesColor {

constexpr quint32 SystemFlag = 0x80000000u;

constexpr quint32 rgb(int red, int green, int blue)
{
    return quint32(red & 0xff) | (quint32(green & 0xff) << 8) | (quint32(blue & 0xff) << 16);
}

constexpr quint32 systemColor(int index)
{
    return SystemFlag | quint32(index & 0xff);
}

constexpr bool isSystemColor(quint32 value)
{
    return (value & SystemFlag) != 0;
}

// The colour value of a plain RGB colour (alpha is dropped).
quint32 fromQColor(const QColor &color);

// What a colour value draws as: a plain value is its RGB, a system colour is looked up in the
// palette (an index no system colour has draws black).
QColor translate(quint32 value, const QPalette &palette);

} // namespace OrlaFramesColor
