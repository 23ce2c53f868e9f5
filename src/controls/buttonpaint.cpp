#include "controls/buttonpaint.h"

#include "controls/buttonpicture.h"
#include "platform/colorvalue.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRegion>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

int channel(quint32 color, int index)
{
    return int((color >> (8 * index)) & 0xFFu);
}

quint32 fromChannels(int r, int g, int b)
{
    return quint32(r) + quint32(g) * 256u + quint32(b) * 65536u;
}

struct SystemRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours 0 .. 30 on the palette's roles; index 25 names no colour.
constexpr int SystemColorCount = 31;
constexpr std::array<SystemRole, SystemColorCount> SystemRoles = {{
    {QPalette::Active, QPalette::Midlight},        // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},     // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Mid},             // 10 active border: the frames' outline
    {QPalette::Inactive, QPalette::Midlight},      // 11 inactive border
    {QPalette::Active, QPalette::Mid},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlight text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::ButtonText},    // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Disabled, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    {QPalette::Active, QPalette::NoRole},          // 25 none
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},     // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
}};

void setPixel(QPainter &painter, int x, int y, const QColor &color)
{
    painter.fillRect(x, y, 1, 1, color);
}

} // namespace

QColor ToQColor(quint32 color)
{
    return ColorValue::toColor(color);
}

quint32 FromQColor(const QColor &color)
{
    return ColorValue::fromColor(color);
}

quint32 TranslateColor(quint32 value, const QPalette &palette)
{
    const quint32 high = value >> 24;
    if (high == 0)
        return value;
    if (high != 0x80u || (value & 0x00FFFF00u) != 0)
        return InvalidColor;
    const quint32 index = value & 0xFFu;
    if (index >= SystemColorCount || SystemRoles[index].role == QPalette::NoRole)
        return InvalidColor;
    const SystemRole &entry = SystemRoles[index];
    return FromQColor(palette.color(entry.group, entry.role));
}

quint32 ShiftColor(quint32 color, float amount)
{
    std::array<int, 3> channels{};
    for (int i = 0; i < 3; ++i) {
        const float shifted = float(channel(color, i)) + amount * 255.0f;
        int v = int(std::nearbyint(shifted));
        if (amount > 0) {
            if (v > 255)
                v = 255;
        } else if (v < 0) {
            v = 0;
        }
        channels[std::size_t(i)] = v;
    }
    return fromChannels(channels[0], channels[1], channels[2]);
}

quint32 BlendColors(quint32 a, quint32 b)
{
    std::array<int, 3> channels{};
    for (int i = 0; i < 3; ++i)
        channels[std::size_t(i)] = int(std::nearbyint(double(channel(a, i) + channel(b, i)) / 2.0));
    return fromChannels(channels[0], channels[1], channels[2]);
}

void DrawGradient(QPainter &painter, int x, int y, int w, int h, quint32 c1, quint32 c2,
                  int direction)
{
    if (w <= 0 || h <= 0)
        return;
    int n = 0;
    switch (direction) {
    case 0:
        n = w - 1;
        break;
    case 1:
        n = h - 1;
        break;
    default:
        n = w + h - 2;
        break;
    }
    std::vector<QRgb> table(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        std::array<int, 3> rgb{};
        for (int c = 0; c < 3; ++c) {
            const int a = channel(c1, c);
            const int b = channel(c2, c);
            rgb[std::size_t(c)] = n == 0 ? a / 2 + b / 2 : a + ((b - a) * i) / n;
        }
        table[std::size_t(i)] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
    QImage block(w, h, QImage::Format_RGB32);
    for (int r = 0; r < h; ++r) {
        auto *line = reinterpret_cast<QRgb *>(block.scanLine(r));
        for (int j = 0; j < w; ++j) {
            int entry = 0;
            switch (direction) {
            case 0:
                entry = j;
                break;
            case 1:
                entry = r;
                break;
            case 2:
                entry = j + r;
                break;
            default:
                entry = j + (h - 1 - r);
                break;
            }
            line[j] = table[std::size_t(entry)];
        }
    }
    painter.drawImage(x, y, block);
}

void DrawLine(QPainter &painter, int x1, int y1, int x2, int y2, quint32 color)
{
    const QColor qcolor = ToQColor(color);
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        setPixel(painter, x, y, qcolor);
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void DrawRect(QPainter &painter, int x, int y, int w, int h, quint32 color)
{
    if (w <= 0 || h <= 0)
        return;
    const QColor qcolor = ToQColor(color);
    painter.fillRect(x, y, w, 1, qcolor);
    painter.fillRect(x, y + h - 1, w, 1, qcolor);
    painter.fillRect(x, y, 1, h, qcolor);
    painter.fillRect(x + w - 1, y, 1, h, qcolor);
}

void FillRectColor(QPainter &painter, quint32 color, int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    painter.fillRect(left, top, right - left, bottom - top, ToQColor(color));
}

void FillRegionColor(QPainter &painter, const QRegion &region, quint32 color)
{
    const QColor qcolor = ToQColor(color);
    for (const QRect &rect : region)
        painter.fillRect(rect, qcolor);
}

void SetCornerPixels(QPainter &painter, int w, int h, quint32 color)
{
    const QColor qcolor = ToQColor(color);
    setPixel(painter, 1, 1, qcolor);
    setPixel(painter, 1, h - 2, qcolor);
    setPixel(painter, w - 2, 1, qcolor);
    setPixel(painter, w - 2, h - 2, qcolor);
}

void DrawRoundCorners(QPainter &painter, int w, int h, quint32 color)
{
    static constexpr std::array<QPoint, 9> Corner = {
        {{7, 1}, {6, 1}, {5, 2}, {4, 3}, {4, 4}, {3, 5}, {2, 6}, {2, 7}, {1, 8}}};
    const QColor qcolor = ToQColor(color);
    for (const QPoint &p : Corner) {
        setPixel(painter, p.x(), p.y(), qcolor);
        setPixel(painter, w - 1 - p.x(), p.y(), qcolor);
        setPixel(painter, p.x(), h - 1 - p.y(), qcolor);
        setPixel(painter, w - 1 - p.x(), h - 1 - p.y(), qcolor);
    }
}

void DrawFocusRect(QPainter &painter, int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor white(255, 255, 255);
    auto invert = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            setPixel(painter, x, y, white);
    };
    for (int x = left; x < right; ++x) {
        invert(x, top);
        if (bottom - 1 > top)
            invert(x, bottom - 1);
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        invert(left, y);
        if (right - 1 > left)
            invert(right - 1, y);
    }
    painter.restore();
}

void DrawEdge(QPainter &painter, const QPalette &palette, int left, int top, int right, int bottom,
              int edge)
{
    auto frame = [&](int inset, quint32 topLeft, quint32 bottomRight) {
        const int l = left + inset;
        const int t = top + inset;
        const int r = right - 1 - inset;
        const int b = bottom - 1 - inset;
        if (r < l || b < t)
            return;
        const quint32 tl = TranslateColor(topLeft, palette);
        const quint32 br = TranslateColor(bottomRight, palette);
        DrawLine(painter, l, b, l, t, tl);
        DrawLine(painter, l, t, r, t, tl);
        DrawLine(painter, r, t, r, b, br);
        DrawLine(painter, r, b, l - 1, b, br);
    };
    if (edge & RaisedOuter)
        frame(0, SystemColor::Light, SystemColor::DarkShadow);
    else if (edge & SunkenOuter)
        frame(0, SystemColor::ButtonShadow, SystemColor::ButtonHighlight);
    const int inner = (edge & (RaisedOuter | SunkenOuter)) ? 1 : 0;
    if (edge & RaisedInner)
        frame(inner, SystemColor::ButtonHighlight, SystemColor::ButtonShadow);
    else if (edge & SunkenInner)
        frame(inner, SystemColor::DarkShadow, SystemColor::Light);
}

QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseW, int ellipseH)
{
    const int w = right - 1 - left;
    const int h = bottom - 1 - top;
    if (w <= 0 || h <= 0)
        return QRegion();
    ellipseW = std::min(std::abs(ellipseW), w);
    ellipseH = std::min(std::abs(ellipseH), h);
    if (ellipseW < 2 || ellipseH < 2)
        return QRegion(left, top, w, h);
    // The corner ellipse passes through the centres of the corner square's outer pixels; a
    // pixel belongs to the region when its centre lies inside.
    const double rx = (ellipseW - 1) / 2.0;
    const double ry = (ellipseH - 1) / 2.0;
    const double cx = ellipseW / 2.0;
    const double cy = ellipseH / 2.0;
    QRegion region;
    const int cornerRows = (ellipseH + 1) / 2;
    for (int k = 0; k < h; ++k) {
        int inset = 0;
        const int fromEdge = std::min(k, h - 1 - k);
        if (fromEdge < cornerRows) {
            const double dy = (cy - (fromEdge + 0.5)) / ry;
            const double dx = dy >= 1.0 ? 0.0 : rx * std::sqrt(1.0 - dy * dy);
            // The first column whose centre is at or beyond cx - dx.
            inset = std::max(0, int(std::ceil(cx - dx - 0.5 - 1e-9)));
        }
        if (w - 2 * inset > 0)
            region += QRect(left + inset, top + k, w - 2 * inset, 1);
    }
    return region;
}

void DrawDisabledPicture(QPainter &painter, const ButtonPicture &picture, int x, int y, int w,
                         int h)
{
    QImage source;
    switch (picture.kind()) {
    case ButtonPicture::Kind::Bitmap:
        source = picture.bitmap().convertToFormat(QImage::Format_RGB32);
        break;
    case ButtonPicture::Kind::Icon:
        source =
            picture.icon().pixmap(picture.size()).toImage().convertToFormat(QImage::Format_ARGB32);
        break;
    case ButtonPicture::Kind::None:
    case ButtonPicture::Kind::Other:
        return;
    }
    if (source.isNull() || w <= 0 || h <= 0)
        return;
    // Each pixel becomes the integer mean of its three channels; an icon keeps its alpha.
    for (int r = 0; r < source.height(); ++r) {
        auto *line = reinterpret_cast<QRgb *>(source.scanLine(r));
        for (int c = 0; c < source.width(); ++c) {
            const QRgb p = line[c];
            const int grey = (qRed(p) + qGreen(p) + qBlue(p)) / 3;
            line[c] = qRgba(grey, grey, grey, qAlpha(p));
        }
    }
    painter.drawImage(QRect(x, y, w, h), source);
}
