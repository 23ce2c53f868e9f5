#include "controls/buttonstyles.h"

#include "controls/buttonpaint.h"
#include "controls/buttonpainters.h"

#include <QRegion>

#include <array>
#include <cmath>

namespace {

enum class Outline { Rect, Round3, Round4, Round18 };

struct StyleData
{
    StyleDefaults defaults;
    Outline outline;
};

constexpr quint32 Face = SystemColor::ButtonFace;
constexpr quint32 Text = SystemColor::ButtonText;

// Style 4's colour is #D4D4D4 lightened by 0.06, which is #E3E3E3.
const std::array<StyleData, ButtonStyleCount> Styles = {{
    {{Face, Text, true}, Outline::Rect},                                   // 0
    {{Face, Text, true}, Outline::Rect},                                   // 1
    {{RgbHex(0xECEBE7), Text, false}, Outline::Round3},                    // 2
    {{RgbHex(0xF1F1EC), Text, false}, Outline::Round4},                    // 3
    {{ShiftColor(RgbHex(0xD4D4D4), 0.06f), Text, false}, Outline::Round3}, // 4
    {{RgbHex(0x006DAA), RgbHex(0xFFFFFF), true}, Outline::Rect},           // 5
    {{RgbHex(0xD5D6E1), Text, true}, Outline::Round3},                     // 6
    {{RgbHex(0xADD1FF), Text, false}, Outline::Rect},                      // 7
    {{Face, Text, false}, Outline::Round3},                                // 8
    {{Face, Text, false}, Outline::Rect},                                  // 9
    {{RgbHex(0xADD1FF), Text, false}, Outline::Round4},                    // 10
    {{Face, Text, false}, Outline::Rect},                                  // 11
    {{Face, Text, false}, Outline::Rect},                                  // 12
    {{RgbHex(0xCAE1FC), Text, false}, Outline::Rect},                      // 13
    {{RgbHex(0xD0D0D0), Text, false}, Outline::Round18},                   // 14
    {{RgbHex(0xA7CAE6), Text, true}, Outline::Rect},                       // 15
}};

const StyleData &styleData(int style)
{
    return Styles[std::size_t(qBound(0, style, ButtonStyleCount - 1))];
}

} // namespace

int HalfEven(int length)
{
    return int(std::nearbyint(length / 2.0));
}

StyleDefaults StyleDefaultsFor(int style)
{
    return styleData(style).defaults;
}

QRegion StyleRegion(int style, int w, int h)
{
    switch (styleData(style).outline) {
    case Outline::Round3:
        return RoundRectRegion(0, 0, w + 1, h + 1, 3, 3);
    case Outline::Round4:
        return RoundRectRegion(0, 0, w + 1, h + 1, 4, 4);
    case Outline::Round18:
        return RoundRectRegion(0, 0, w + 2, h + 2, 18, 18);
    case Outline::Rect:
        break;
    }
    return QRegion(0, 0, w, h);
}

void PaintButtonFace(QPainter &painter, int style, const ButtonFace &face, ButtonState state)
{
    switch (style) {
    case 0:
    case 1:
    case 11:
    case 12:
        PaintSystemStyle(painter, style, face, state);
        break;
    case 2:
        PaintStyle2(painter, face, state);
        break;
    case 3:
        PaintStyle3(painter, face, state);
        break;
    case 4:
        PaintStyle4(painter, face, state);
        break;
    case 5:
        PaintStyle5(painter, face, state);
        break;
    case 6:
        PaintStyle6(painter, face, state);
        break;
    case 7:
        PaintStyle7(painter, face, state);
        break;
    case 8:
        PaintStyle8(painter, face, state);
        break;
    case 9:
        PaintStyle9(painter, face, state);
        break;
    case 10:
        PaintStyle10(painter, face, state);
        break;
    case 13:
        PaintStyle13(painter, face, state);
        break;
    case 14:
        PaintStyle14(painter, face, state);
        break;
    case 15:
        PaintStyle15(painter, face, state);
        break;
    default:
        break;
    }
}
