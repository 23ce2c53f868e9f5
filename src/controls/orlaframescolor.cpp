#include "controls/orlaframescolor.h"

#include <QPalette>

namespace OrlaFramesColor {

namespace {

struct SystemRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop's system colours, by index, as the palette names them.
constexpr SystemRole systemRoles[] = {
    {QPalette::Active, QPalette::Button},          // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window background
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Mid},             // 10 active border
    {QPalette::Inactive, QPalette::Midlight},      // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Disabled, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    {QPalette::Active, QPalette::NoRole},          // 25 unused
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, QPalette::Mid},           // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
};

} // namespace

quint32 fromQColor(const QColor &color)
{
    return rgb(color.red(), color.green(), color.blue());
}

QColor translate(quint32 value, const QPalette &palette)
{
    if (!isSystemColor(value))
        return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
    const quint32 index = value & 0xff;
    if (index >= std::size(systemRoles) || systemRoles[index].role == QPalette::NoRole)
        return QColor(Qt::black);
    const SystemRole &entry = systemRoles[index];
    return palette.color(entry.group, entry.role);
}

} // namespace OrlaFramesColor
