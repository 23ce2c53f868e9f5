#pragma once

#include <QtGlobal>

class ButtonPicture;
class QColor;
class QPainter;
class QPalette;
class QRegion;

// The button's drawing primitives. Colours are 0x00BBGGRR values (red in the low byte); a value
// with the top bit set names a system colour by the index in its low byte. Rectangles given as
// left, top, right, bottom exclude their right column and bottom row.

// The value of a colour that cannot be translated (-1).
inline constexpr quint32 InvalidColor = 0xFFFFFFFFu;

// A colour written as #RRGGBB, turned into the program's 0x00BBGGRR order.
constexpr quint32 RgbHex(quint32 rrggbb)
{
    return ((rrggbb & 0xFFu) << 16) | (rrggbb & 0xFF00u) | ((rrggbb >> 16) & 0xFFu);
}

namespace SystemColor {
inline constexpr quint32 AppWorkspace = 0x8000000Cu;    // 12
inline constexpr quint32 ButtonFace = 0x8000000Fu;      // 15
inline constexpr quint32 ButtonShadow = 0x80000010u;    // 16
inline constexpr quint32 GrayText = 0x80000011u;        // 17
inline constexpr quint32 ButtonText = 0x80000012u;      // 18
inline constexpr quint32 ButtonHighlight = 0x80000014u; // 20
inline constexpr quint32 DarkShadow = 0x80000015u;      // 21
inline constexpr quint32 Light = 0x80000016u;           // 22
} // namespace SystemColor

QColor ToQColor(quint32 color);
quint32 FromQColor(const QColor &color);

// A system colour through the palette; a plain colour as it is; anything else InvalidColor.
quint32 TranslateColor(quint32 value, const QPalette &palette);
// Lighter (amount > 0) or darker (amount < 0) by amount x 255 per channel, halves to even.
quint32 ShiftColor(quint32 color, float amount);
// The channel-wise mean, halves to even.
quint32 BlendColors(quint32 a, quint32 b);

// Direction 0 left to right, 1 top to bottom, 2 top-left to bottom-right, 3 bottom-left to
// top-right. Nothing is drawn when w or h is 0 or less.
void DrawGradient(QPainter &painter, int x, int y, int w, int h, quint32 c1, quint32 c2,
                  int direction);
// A one-pixel line; the end point itself is not painted.
void DrawLine(QPainter &painter, int x1, int y1, int x2, int y2, quint32 color);
// A one-pixel frame of x, y, x + w, y + h.
void DrawRect(QPainter &painter, int x, int y, int w, int h, quint32 color);
void FillRectColor(QPainter &painter, quint32 color, int left, int top, int right, int bottom);
void FillRegionColor(QPainter &painter, const QRegion &region, quint32 color);
// The pixels (1, 1), (1, h - 2), (w - 2, 1) and (w - 2, h - 2).
void SetCornerPixels(QPainter &painter, int w, int h, quint32 color);
// The curved outline of the round style's corners, mirrored into all four corners.
void DrawRoundCorners(QPainter &painter, int w, int h, quint32 color);
// The dotted focus rectangle, drawn by inverting every other pixel of its frame.
void DrawFocusRect(QPainter &painter, int left, int top, int right, int bottom);

// The classic three-dimensional edges.
enum EdgeFlag {
    RaisedOuter = 0x1,
    SunkenOuter = 0x2,
    RaisedInner = 0x4,
    SunkenInner = 0x8,
    EdgeRaised = RaisedOuter | RaisedInner,
    EdgeSunken = SunkenOuter | SunkenInner,
};
void DrawEdge(QPainter &painter, const QPalette &palette, int left, int top, int right, int bottom,
              int edge);

// A rectangle with rounded corners, the corners cut by an ellipse of ellipseW by ellipseH;
// it covers left .. right - 2 and top .. bottom - 2.
QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseW, int ellipseH);

// The picture in grey, stretched to w by h: a bitmap as an opaque block, an icon with its
// transparent parts kept.
void DrawDisabledPicture(QPainter &painter, const ButtonPicture &picture, int x, int y, int w,
                         int h);
