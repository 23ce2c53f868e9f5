#pragma once

#include "platform/twips.h"

#include <QPointF>
#include <QSizeF>

#include <optional>

// Where a message goes on the screen. All lengths are in twips (15 to a pixel); the result is the
// corner the message's letters start 10 pixels to the right of and below. Nothing for a location
// outside 0 to 4.
std::optional<QPointF> flashPlacement(int location, QSizeF screenTwips, QSizeF textTwips);

// "Middle of the screen": where a message goes when no location is chosen.
inline constexpr int MiddleOfTheScreen = 2;
