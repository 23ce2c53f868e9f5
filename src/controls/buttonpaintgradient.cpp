// The gradient styles: 6, 7, 8, 10, 13 and 14.

#include "controls/buttonpaint.h"
#include "controls/buttonpainters.h"

#include <QPainter>
#include <QRegion>

#include <cmath>

namespace {

constexpr quint32 White = RgbHex(0xFFFFFF);

bool focusMarked(const ButtonFace &face)
{
    return face.hasFocus || face.shownAsDefault;
}

bool checked(const ButtonFace &face)
{
    return face.checkBoxMode && face.value;
}

// Two vertical gradients, the upper one over rows 0 .. split - 1.
void twoBands(QPainter &painter, int x, int w, int split, int h, quint32 upperFrom, quint32 upperTo,
              quint32 lowerFrom, quint32 lowerTo)
{
    DrawGradient(painter, x, 0, w, split, upperFrom, upperTo, 1);
    DrawGradient(painter, x, split, w, h - split, lowerFrom, lowerTo, 1);
}

quint32 grey(quint32 color)
{
    const int mean = int(((color & 0xFF) + ((color >> 8) & 0xFF) + ((color >> 16) & 0xFF)) / 3);
    return quint32(mean) * 0x010101u;
}

} // namespace

void PaintStyle6(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    const quint32 base = face.base;
    const int half = h / 2;
    // A disabled button is drawn as Normal.
    const ButtonState look = face.enabled ? state : ButtonState::Normal;

    quint32 upperTo = ShiftColor(base, 0.08f);
    quint32 lowerFrom = base;
    quint32 lowerTo = ShiftColor(base, -0.05f);
    quint32 upperFrom = White;
    quint32 inner = White;
    quint32 frame = ShiftColor(base, -0.3f);
    if (look == ButtonState::Hot) {
        upperTo = ShiftColor(base, 0.12f);
        lowerFrom = ShiftColor(base, 0.04f);
        lowerTo = base;
        frame = ShiftColor(base, -0.25f);
    } else if (look == ButtonState::Down) {
        upperFrom = ShiftColor(base, -0.04f);
        upperTo = ShiftColor(base, -0.08f);
        lowerFrom = ShiftColor(base, -0.12f);
        lowerTo = ShiftColor(base, -0.06f);
        inner = ShiftColor(base, -0.1f);
        frame = ShiftColor(base, -0.35f);
    }
    DrawGradient(painter, 1, 1, w - 2, half - 1, upperFrom, upperTo, 1);
    DrawGradient(painter, 1, half, w - 2, h - 1 - half, lowerFrom, lowerTo, 1);
    DrawRect(painter, 1, 1, w - 2, h - 2, inner);
    DrawRect(painter, 0, 0, w, h, frame);
    DrawLine(painter, 2, h - 1, w - 2, h - 1, ShiftColor(base, -0.4f));

    if (face.hostActive && face.showFocusRect && focusMarked(face)) {
        const QRect &r = face.captionFocusRect;
        DrawFocusRect(painter, r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    }
    SetCornerPixels(painter, w, h, ShiftColor(base, 0.05f));
}

void PaintStyle7(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    const quint32 base = face.base;
    const int split = int(std::nearbyint(h / 2.7));

    FillRectColor(painter, base, 0, 0, w, h);
    const bool downLook = state == ButtonState::Down || (checked(face) && face.mouseInside);
    if (downLook) {
        twoBands(painter, 0, w, split, h, RgbHex(0xFFC158), RgbHex(0xFFAF51), RgbHex(0xFF8F46),
                 RgbHex(0xFFD35F));
    } else if (checked(face)) {
        twoBands(painter, 0, w, split, h, RgbHex(0xFFD9A9), RgbHex(0xFFC06F), RgbHex(0xFFAB3F),
                 RgbHex(0xFFE175));
    } else if (state == ButtonState::Hot) {
        twoBands(painter, 0, w, split, h, RgbHex(0xFFFFE1), RgbHex(0xFFEAAC), RgbHex(0xFFD767),
                 RgbHex(0xFFE499));
    } else {
        twoBands(painter, 0, w, split, h, BlendColors(ShiftColor(base, 0.09f), White),
                 BlendColors(ShiftColor(base, 0.07f), base), base, ShiftColor(base, 0.03f));
    }
    DrawRect(painter, 0, 0, w, h, ShiftColor(base, -0.34f));
}

void PaintStyle8(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    const quint32 frame = RgbHex(0x619ECA);

    FillRectColor(painter, face.base, 0, 0, w, h);
    if (!face.enabled) {
        SetCornerPixels(painter, w, h, face.base);
        return;
    }
    if (state == ButtonState::Normal)
        return;
    if (state == ButtonState::Hot) {
        const int split = int(std::nearbyint(h / 1.7));
        DrawGradient(painter, 1, 1, w - 2, h - 2, RgbHex(0xF1F9FD), RgbHex(0xD0ECF8), 1);
        DrawGradient(painter, 1, split, w - 2, h - 1 - split, ShiftColor(RgbHex(0xD0ECF8), -0.05f),
                     RgbHex(0xD0ECF8), 1);
    } else {
        DrawGradient(painter, 1, 1, w - 2, h - 2, RgbHex(0xB0DEF1), RgbHex(0xDBF1F9), 1);
    }
    DrawRect(painter, 0, 0, w, h, frame);
    DrawRect(painter, 1, 1, w - 2, h - 2, White);
    SetCornerPixels(painter, w, h, ShiftColor(frame, 0.3f));
}

void PaintStyle10(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    quint32 fill = face.base;
    quint32 frame = ShiftColor(face.base, -0.33f);
    if (state == ButtonState::Hot) {
        fill = ShiftColor(face.base, 0.05f);
        frame = ShiftColor(face.base, -0.28f);
    } else if (state == ButtonState::Down) {
        fill = ShiftColor(face.base, -0.03f);
        frame = ShiftColor(face.base, -0.36f);
    }
    FillRectColor(painter, fill, 0, 0, w, h);
    DrawGradient(painter, 1, 1, w - 2, 5, ShiftColor(BlendColors(fill, White), 0.1f), fill, 1);
    DrawGradient(painter, 1, 6, w - 2, h - 7, fill, ShiftColor(fill, -0.05f), 1);
    DrawRect(painter, 0, 0, w, h, frame);
    SetCornerPixels(painter, w, h, ShiftColor(frame, -0.5f));
}

void PaintStyle13(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    const quint32 base = face.base;
    const bool downLook = state == ButtonState::Down || (checked(face) && face.mouseInside);
    if (downLook) {
        DrawGradient(painter, 0, 0, w, h, RgbHex(0xFE914E), RgbHex(0xFFD38E), 1);
    } else if (checked(face)) {
        DrawGradient(painter, 0, 0, w, h, RgbHex(0xFFD58C), RgbHex(0xFFAD55), 1);
    } else if (state == ButtonState::Hot) {
        DrawGradient(painter, 0, 0, w, h, RgbHex(0xFFF4CC), RgbHex(0xFFD091), 1);
    } else {
        twoBands(painter, 0, w, h / 2, h, ShiftColor(base, 0.05f), base, ShiftColor(base, -0.01f),
                 ShiftColor(base, -0.13f));
    }
    DrawRect(painter, 0, 0, w, h, RgbHex(0x000080));
}

void PaintStyle14(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    quint32 base = face.base;
    if (!face.enabled)
        base = ShiftColor(grey(base), 0.05f);
    quint32 fill = base;
    if (face.enabled && state == ButtonState::Hot)
        fill = RgbHex(0x548FD5);
    else if (face.enabled && state == ButtonState::Down)
        fill = ShiftColor(RgbHex(0x548FD5), -0.1f);
    const quint32 whitened = BlendColors(fill, White);
    const quint32 rim = ShiftColor(base, -0.34f);

    FillRegionColor(painter, RoundRectRegion(1, 1, w + 1, h - 1, 18, 18), fill);
    FillRegionColor(painter, RoundRectRegion(4, 1, w - 4, 16, 16, 16), whitened);
    DrawGradient(painter, 4, 10, w - 7, h - 15, BlendColors(whitened, fill), fill, 1);
    DrawLine(painter, 6, h - 4, w - 6, h - 4, ShiftColor(fill, -0.05f));
    DrawLine(painter, 8, h - 3, w - 8, h - 3, ShiftColor(fill, -0.1f));
    DrawLine(painter, 8, 1, w - 8, 1, rim);
    DrawLine(painter, 8, h - 2, w - 8, h - 2, rim);
    DrawLine(painter, 1, 9, 1, h - 9, rim);
    DrawLine(painter, w - 2, 9, w - 2, h - 9, rim);
    DrawRoundCorners(painter, w, h, ShiftColor(base, -0.4f));
}
