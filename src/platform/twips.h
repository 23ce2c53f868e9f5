#pragma once

#include <QRect>

// Window and control lengths are kept in twips, 1/1440 inch: 15 twips make a pixel at 96 dots
// per inch.
inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}

// A control's place given as left, top, width and height in twips.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}
