#include "helplayout.h"

#include <cstddef>

int twipsToPixels(int twips)
{
    // Rounds half away from zero, so that negative positions (tabs pushed off the left edge)
    // round the same way as positive ones.
    const int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((-twips + half) / TwipsPerPixel);
}

int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

HelpGeometry arrangeHelpWindow(const HelpGeometry &current, int outerWidth, int outerHeight)
{
    constexpr int Gap = 100;
    constexpr int BrowserMargin = 200;
    constexpr int BrowserBottomMargin = 500;

    HelpGeometry next = current;
    auto &tabs = next.tabs;
    const int tabWidth = tabs.front().width;

    // The rightmost tab first, then each one to the left of its right-hand neighbour.
    tabs.back().left = outerWidth - tabWidth - Gap;
    for (std::size_t i = tabs.size() - 1; i > 0; --i)
        tabs[i - 1].left = tabs[i].left - tabWidth - Gap;

    for (TwipRect &tab : tabs)
        tab.top = 0;

    const TwipRect &last = tabs.back();
    next.browser.top = last.top + last.height;
    const int width = outerWidth - BrowserMargin;
    if (width >= 0)
        next.browser.width = width;
    const int height = outerHeight - last.height - BrowserBottomMargin;
    if (height >= 0)
        next.browser.height = height;
    return next;
}
