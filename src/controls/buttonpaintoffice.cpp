// The desktop-theme styles: 2, 3 and 4 (the style of the program's own buttons).

#include "controls/buttonpaint.h"
#include "controls/buttonpainters.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr quint32 White = RgbHex(0xFFFFFF);

bool focusMarked(const ButtonFace &face)
{
    return face.hasFocus || face.shownAsDefault;
}

// A half-height expression rounded as a whole, halves to the even neighbour.
int roundEven(double value)
{
    return int(std::nearbyint(value));
}

void hline(QPainter &painter, const ButtonFace &face, int row, quint32 color)
{
    DrawLine(painter, 1, row, face.width - 1, row, color);
}

void vline(QPainter &painter, const ButtonFace &face, int column, quint32 color)
{
    DrawLine(painter, column, 1, column, face.height - 1, color);
}

} // namespace

void PaintStyle2(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    const quint32 base = face.base;
    const quint32 frame = ShiftColor(base, -0.45f);

    if (!face.enabled) {
        FillRectColor(painter, ShiftColor(base, 0.03f), 0, 0, w, h);
        DrawRect(painter, 0, 0, w, h, ShiftColor(base, -0.1f));
        SetCornerPixels(painter, w, h, ShiftColor(base, 0.2f));
        return;
    }
    if (state == ButtonState::Down) {
        FillRectColor(painter, ShiftColor(base, -0.05f), 0, 0, w, h);
        hline(painter, face, 1, ShiftColor(base, -0.16f));
        vline(painter, face, 1, ShiftColor(base, -0.1f));
        hline(painter, face, h - 2, ShiftColor(base, 0.07f));
        vline(painter, face, w - 2, ShiftColor(base, 0.04f));
        DrawRect(painter, 0, 0, w, h, frame);
        return;
    }

    DrawGradient(painter, 0, 0, w, h, ShiftColor(base, 0.07f), base, 1);
    DrawGradient(painter, 0, 0, w, 5, ShiftColor(base, 0.2f), ShiftColor(base, 0.08f), 1);
    hline(painter, face, h - 4, ShiftColor(base, -0.01f));
    hline(painter, face, h - 3, ShiftColor(base, -0.05f));
    hline(painter, face, h - 2, ShiftColor(base, -0.09f));
    vline(painter, face, w - 2, ShiftColor(base, -0.08f));
    vline(painter, face, 1, BlendColors(White, base));

    if (state == ButtonState::Hot) {
        hline(painter, face, 1, RgbHex(0xFFF0CF));
        hline(painter, face, 2, RgbHex(0xFDD889));
        DrawLine(painter, 1, 2, 1, h - 2, RgbHex(0xFCD27A));
        DrawLine(painter, w - 2, 2, w - 2, h - 2, RgbHex(0xF9BD49));
        hline(painter, face, h - 3, RgbHex(0xF8B330));
        hline(painter, face, h - 2, RgbHex(0xE59700));
    } else if (face.hostActive && focusMarked(face)) {
        hline(painter, face, 1, RgbHex(0xCEE7FF));
        hline(painter, face, 2, RgbHex(0xBCD4F6));
        DrawLine(painter, 1, 2, 1, h - 2, RgbHex(0xB8D1F4));
        DrawLine(painter, w - 2, 2, w - 2, h - 2, RgbHex(0x89ADE4));
        hline(painter, face, h - 3, RgbHex(0x8EAFE6));
        hline(painter, face, h - 2, RgbHex(0x6982EE));
        if (face.showFocusRect)
            DrawFocusRect(painter, 2, 2, w - 2, h - 2);
    }
    DrawRect(painter, 0, 0, w, h, frame);
}

void PaintStyle3(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    const bool checked = face.checkBoxMode && face.value;

    if (state == ButtonState::Down || (checked && face.mouseDown)) {
        FillRectColor(painter, RgbHex(0xE5E4DD), 0, 0, w, h);
        hline(painter, face, 1, ShiftColor(RgbHex(0xDCDAD1), -0.02f));
        hline(painter, face, 2, ShiftColor(RgbHex(0xE3E1DA), -0.02f));
        hline(painter, face, h - 3, ShiftColor(RgbHex(0xE6E5DE), 0.02f));
        hline(painter, face, h - 2, ShiftColor(RgbHex(0xEBEAE5), 0.02f));
        DrawRect(painter, 0, 0, w, h, RgbHex(0x9D9D92));
        SetCornerPixels(painter, w, h, ShiftColor(RgbHex(0xB5B4AB), -0.2f));
    } else if (checked) {
        FillRectColor(painter, RgbHex(0xFEFEFE), 0, 0, w, h);
        if (state == ButtonState::Hot) {
            vline(painter, face, w - 2, RgbHex(0xF2F0ED));
            hline(painter, face, h - 4, RgbHex(0xE4DED8));
            hline(painter, face, h - 3, RgbHex(0xEFECE8));
            hline(painter, face, h - 2, RgbHex(0xFAF9F8));
        }
        DrawRect(painter, 0, 0, w, h, RgbHex(0x7A98AF));
        SetCornerPixels(painter, w, h, ShiftColor(RgbHex(0xA0B3C1), -0.2f));
    } else if (state == ButtonState::Hot) {
        const int half = h / 2;
        DrawGradient(painter, 0, 0, w, half, RgbHex(0xFEFEFD), RgbHex(0xF4F4EE), 1);
        DrawGradient(painter, 0, half, w, h - half, RgbHex(0xF4F4EE), RgbHex(0xF1F1EA), 1);
        vline(painter, face, w - 3, RgbHex(0xF0F0EA));
        vline(painter, face, w - 2, RgbHex(0xEAE7E0));
        hline(painter, face, h - 4, RgbHex(0xEEEDE5));
        hline(painter, face, h - 3, RgbHex(0xE4E1D6));
        hline(painter, face, h - 2, RgbHex(0xD7D2C6));
        DrawRect(painter, 0, 0, w, h, RgbHex(0xCECEC3));
        SetCornerPixels(painter, w, h, ShiftColor(RgbHex(0xD4D4C9), -0.05f));
    } else {
        FillRectColor(painter, face.base, 0, 0, w, h);
    }
}

void PaintStyle4(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    const quint32 base = face.base;

    if (!face.enabled) {
        FillRectColor(painter, ShiftColor(base, 0.03f), 0, 0, w, h);
        DrawRect(painter, 0, 0, w, h, ShiftColor(base, -0.25f));
        DrawRect(painter, 1, 1, w - 2, h - 2, ShiftColor(base, 0.25f));
        SetCornerPixels(painter, w, h, ShiftColor(base, -0.03f));
        return;
    }

    const int half = roundEven(h / 2.0);
    const int halfLess1 = roundEven(h / 2.0 - 1);
    const int halfLess2 = roundEven(h / 2.0 - 2);
    const int lowerHalf = roundEven(h - h / 2.0 - 1);

    auto bands = [&](quint32 upperOut, quint32 upperIn, quint32 lowerOut, quint32 lowerIn) {
        DrawGradient(painter, 1, 3, 5, halfLess2, upperOut, upperIn, 0);
        DrawGradient(painter, 1, half, 5, lowerHalf, lowerOut, lowerIn, 0);
        DrawGradient(painter, w - 6, 3, 5, halfLess2, upperIn, upperOut, 0);
        DrawGradient(painter, w - 6, half, 5, lowerHalf, lowerIn, lowerOut, 0);
    };

    switch (state) {
    case ButtonState::Normal:
        DrawGradient(painter, 1, 1, w - 1, h, ShiftColor(base, 0.05f), base, 1);
        DrawGradient(painter, 1, half, w - 2, h - 2, ShiftColor(base, -0.02f),
                     ShiftColor(base, -0.15f), 1);
        DrawRect(painter, 0, 0, w, h, RgbHex(0x707070));
        DrawRect(painter, 1, 1, w - 2, h - 2, White);
        break;
    case ButtonState::Hot:
        DrawGradient(painter, 1, 1, w - 2, half, RgbHex(0xE4F7FF), RgbHex(0xDAF3FF), 1);
        DrawGradient(painter, 1, half, w - 2, h - 2, RgbHex(0xC1E9FF), RgbHex(0xAEE1FD), 1);
        bands(RgbHex(0xCDEEFF), RgbHex(0xE4F7FF), RgbHex(0x8FD6FA),
              ShiftColor(RgbHex(0xACE1FD), 0.01f));
        DrawRect(painter, 0, 0, w, h, RgbHex(0x3275A7));
        DrawRect(painter, 1, 1, w - 2, h - 2, White);
        break;
    case ButtonState::Down:
        DrawGradient(painter, 1, 1, w - 1, h, RgbHex(0xC2E4F6), RgbHex(0xC2E4F6), 1);
        DrawGradient(painter, 1, half, w - 2, h - 2, RgbHex(0x9AD2F0), RgbHex(0x9AD2F0), 1);
        DrawRect(painter, 0, 0, w, h, RgbHex(0x1D415C));
        DrawLine(painter, 1, 1, w - 1, 1, RgbHex(0x719CB3));
        DrawLine(painter, 1, 2, w - 1, 2, RgbHex(0xA9C6D6));
        DrawLine(painter, 1, 3, w - 1, 3, RgbHex(0xB9D9EC));
        DrawLine(painter, 1, 1, 1, halfLess1, RgbHex(0x73B0CF));
        DrawLine(painter, 1, half, 1, lowerHalf, RgbHex(0x2B91C5));
        bands(ShiftColor(RgbHex(0x91C8E6), 0.02f), ShiftColor(RgbHex(0xC2E4F6), -0.01f),
              ShiftColor(RgbHex(0x4EABDC), 0.02f), ShiftColor(RgbHex(0x9AD2F0), -0.01f));
        break;
    }

    if (face.hostActive) {
        if (focusMarked(face) && state == ButtonState::Normal) {
            DrawRect(painter, 0, 0, w, h, RgbHex(0x3275A7));
            DrawRect(painter, 1, 1, w - 2, h - 2, RgbHex(0x48D8FB));
        }
        if (face.showFocusRect && face.hasFocus)
            DrawFocusRect(painter, 2, 2, w - 2, h - 2);
    }
    SetCornerPixels(painter, w, h, RgbHex(0x5F96BE));
}
