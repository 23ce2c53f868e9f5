// The flat and system-like styles: 0, 1, 11 and 12 (one shared painter), 5, 9 and 15.

#include "controls/buttonpaint.h"
#include "controls/buttonpainters.h"

#include <QPainter>

namespace {

constexpr quint32 Black = 0;
constexpr quint32 White = RgbHex(0xFFFFFF);

bool focusMarked(const ButtonFace &face)
{
    return face.hasFocus || face.shownAsDefault;
}

// The dotted rectangle of the system-like styles: shown while marked, in a running program
// whose window is active.
bool showsFocusRect(const ButtonFace &face)
{
    return focusMarked(face) && face.showFocusRect && face.runMode && face.hostActive;
}

void fillFace(QPainter &painter, const ButtonFace &face, quint32 color)
{
    FillRectColor(painter, color, 0, 0, face.width, face.height);
}

void drawEdge(QPainter &painter, const ButtonFace &face, int edge)
{
    DrawEdge(painter, face.palette, 0, 0, face.width, face.height, edge);
}

quint32 system(const ButtonFace &face, quint32 value)
{
    return TranslateColor(value, face.palette);
}

} // namespace

void PaintSystemStyle(QPainter &painter, int style, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    const bool checked = face.checkBoxMode && face.value;

    if (!face.enabled)
        drawEdge(painter, face, EdgeRaised);

    if (state == ButtonState::Down) {
        fillFace(painter, face, face.base);
        if (style == 0) {
            DrawRect(painter, 1, 1, w - 2, h - 2, RgbHex(0xACA899));
            DrawRect(painter, 0, 0, w, h, Black);
        } else if (style == 11) {
            drawEdge(painter, face, EdgeSunken);
        } else {
            DrawRect(painter, 0, 0, w, h, White);
            DrawRect(painter, 0, 0, w + 1, h + 1, system(face, SystemColor::GrayText));
        }
    } else if (checked) {
        fillFace(painter, face, ShiftColor(face.base, 0.02f));
        if (style != 12)
            drawEdge(painter, face, EdgeSunken);
        if (style == 0 && face.showFocusRect && face.hasFocus)
            DrawRect(painter, 4, 4, w - 7, h - 7, system(face, SystemColor::AppWorkspace));
    } else {
        fillFace(painter, face, face.base);
        const bool hot = state == ButtonState::Hot;
        switch (style) {
        case 0:
            drawEdge(painter, face, EdgeRaised);
            break;
        case 1:
            drawEdge(painter, face, RaisedInner);
            break;
        case 11:
            if (hot)
                drawEdge(painter, face, EdgeRaised);
            break;
        default:
            if (hot)
                drawEdge(painter, face, RaisedInner);
            break;
        }
        if (style == 0 && focusMarked(face)) {
            DrawEdge(painter, face.palette, 0, 0, w - 1, h - 1, EdgeRaised);
            DrawRect(painter, 0, 0, w - 1, h - 1, system(face, SystemColor::AppWorkspace));
            DrawRect(painter, 0, 0, w, h, Black);
        }
    }

    if (showsFocusRect(face)) {
        const int inset = (style == 0 || style == 11) ? 4 : 3;
        DrawFocusRect(painter, inset, inset, w - inset, h - inset);
    }
}

void PaintStyle5(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    const quint32 frame = ShiftColor(face.base, 0.3f);
    const bool down = state == ButtonState::Down;
    if (down) {
        FillRectColor(painter, face.base, 3, 3, w, h);
        DrawRect(painter, 3, 3, w - 3, h - 3, frame);
    } else {
        // The shadow goes first so the face sits on top of it.
        DrawRect(painter, 4, 4, w - 5, h - 5, RgbHex(0xC0C0C0));
        DrawRect(painter, 5, 5, w - 7, h - 7, RgbHex(0xA0A0A0));
        DrawRect(painter, 6, 6, w - 9, h - 9, RgbHex(0x808080));
        FillRectColor(painter, face.base, 0, 0, w - 5, h - 5);
        DrawRect(painter, 0, 0, w - 4, h - 4, frame);
    }
    if (face.hostActive && face.showFocusRect && focusMarked(face)) {
        if (down)
            DrawFocusRect(painter, 6, 6, w - 3, h - 3);
        else
            DrawFocusRect(painter, 3, 3, w - 6, h - 6);
    }
}

void PaintStyle9(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    auto flat = [&](quint32 fill, quint32 frame) {
        fillFace(painter, face, fill);
        DrawRect(painter, 0, 0, w, h, frame);
    };
    const bool checked = face.checkBoxMode && face.value;
    if (!face.enabled || (state == ButtonState::Normal && !checked)) {
        DrawGradient(painter, 0, 0, w, h, BlendColors(ShiftColor(face.base, 0.26f), White),
                     face.base, 1);
    } else if (state == ButtonState::Down) {
        flat(RgbHex(0x98B5E2), RgbHex(0x4B4B6F));
    } else if (checked) {
        if (state == ButtonState::Hot)
            flat(RgbHex(0x98B5E2), RgbHex(0x316AC5));
        else
            flat(RgbHex(0xE1E6E8), ShiftColor(RgbHex(0x4B4B6F), 0.05f));
    } else {
        flat(RgbHex(0xC1D2EE), RgbHex(0x316AC5));
    }
}

void PaintStyle15(QPainter &painter, const ButtonFace &face, ButtonState state)
{
    const int w = face.width;
    const int h = face.height;
    if (state == ButtonState::Down)
        DrawGradient(painter, 0, 0, w, h, ShiftColor(face.base, -0.05f),
                     ShiftColor(face.base, 0.03f), 0);
    else
        DrawGradient(painter, 0, 0, w, h, face.base, ShiftColor(face.base, 0.08f), 0);
    DrawRect(painter, 0, 0, w, h, RgbHex(0x7E807D));
    if (showsFocusRect(face))
        DrawFocusRect(painter, 3, 3, w - 3, h - 3);
}
