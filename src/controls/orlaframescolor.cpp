#include "controls/orlaframescolor.h"

#include "controls/buttonpaint.h"
#include "platform/colorvalue.h"

#include <QPalette>

namespace OrlaFramesColor {

quint32 fromQColor(const QColor &color)
{
    return ColorValue::fromColor(color);
}

QColor translate(quint32 value, const QPalette &palette)
{
    // Plain values keep their RGB whatever stands in the unused high bits.
    const quint32 translated =
        TranslateColor(isSystemColor(value) ? value : (value & 0x00ffffffu), palette);
    if (translated == InvalidColor)
        return QColor(Qt::black);
    return ColorValue::toColor(translated);
}

} // namespace OrlaFramesColor
