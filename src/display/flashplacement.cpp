#include "flashplacement.h"

std::optional<QPointF> flashPlacement(int location, QSizeF screenTwips, QSizeF textTwips)
{
    // Single precision, as the placement has always been computed.
    const float sw = float(screenTwips.width());
    const float sh = float(screenTwips.height());
    const float w = float(textTwips.width());
    const float h = float(textTwips.height());
    switch (location) {
    case 0: // Top right
        return QPointF(sw - w - 250, 250);
    case 1: // Top left
        return QPointF(250, 250);
    case 2: // Middle of the screen
        return QPointF(sw / 2 - w / 2, sh / 2 - h / 2);
    case 3: // Bottom right: the text height counts twice
        return QPointF(sw - w - 250, sh - h - h - 400);
    case 4: // Bottom left
        return QPointF(250, sh - h - h - 400);
    default:
        return std::nullopt;
    }
}
