#pragma once

#include <array>

// Geometry of the Help window in twips (1/1440 inch); 15 twips make one pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);

struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TwipRect &) const = default;
};

// The six tab boxes, left to right, and the page view below them.
struct HelpGeometry
{
    std::array<TwipRect, 6> tabs;
    TwipRect browser;

    bool operator==(const HelpGeometry &) const = default;
};

// Lays the window out for an outer size of outerWidth x outerHeight twips: the tabs form a row
// that ends 100 twips short of the right edge, with 100 twips between them, and the page view
// fills the rest below them. Each step stands on its own: a width or height that would come out
// negative is not applied and that value stays as it was in current.
HelpGeometry arrangeHelpWindow(const HelpGeometry &current, int outerWidth, int outerHeight);
