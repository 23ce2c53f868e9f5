#pragma once

#include <QPalette>
#include <QRect>
#include <QtGlobal>

class QPainter;
class QRegion;

// The look a button is in: Normal, Hot (pointer over it), Down (pressed, or checked).
enum class ButtonState { Normal = 0, Hot = 1, Down = 2 };

inline constexpr int ButtonStyleCount = 16;

// What a style painter reads from the button.
struct ButtonFace
{
    int width = 0;
    int height = 0;
    quint32 base = 0; // the translated back colour
    bool enabled = true;
    bool checkBoxMode = false;
    bool value = false;
    bool showFocusRect = false;
    bool hasFocus = false;
    bool shownAsDefault = false;
    bool hostActive = false;
    bool mouseInside = false;
    bool mouseDown = false;
    bool runMode = true;
    QRect captionFocusRect; // the caption's focus rectangle from the last layout
    QPalette palette;       // where the system colours come from
};

// The colours and focus-rectangle flag a style starts with.
struct StyleDefaults
{
    quint32 backColor;
    quint32 foreColor;
    bool showFocusRect;
};
StyleDefaults StyleDefaultsFor(int style);

// The window outline of a style for a surface of w by h pixels.
QRegion StyleRegion(int style, int w, int h);

// Paints the face of the style in the state.
void PaintButtonFace(QPainter &painter, int style, const ButtonFace &face, ButtonState state);
