#include "helptabs.h"

const std::array<HelpTab, 6> &helpTabs()
{
    static const std::array<HelpTab, 6> tabs{{
        {"PicIndex", "lblIndex", QStringLiteral("Main"), QColor(0, 0, 0),
         QStringLiteral("/Help/index.html")},
        {"PicSystemRequirment", "lblSystemRequirment", QStringLiteral("System Requirements\n\n"),
         QColor(0, 0, 64), QStringLiteral("/Help/SystemRequirement.html")},
        {"PicStart", "lblStart", QStringLiteral("Start working "), QColor(64, 64, 64),
         QStringLiteral("/Help/RunProgram.html")},
        {"PicSettings", "lblSettings", QStringLiteral("Settings"), QColor(64, 0, 64),
         QStringLiteral("/Help/Settings.html")},
        {"PicUnistall", "lblUnistall", QStringLiteral("Uninstalling "), QColor(0, 0, 0),
         QStringLiteral("/Help/Uninistall.html")},
        {"PicSupport", "lblSupport", QStringLiteral("Support"), QColor(0, 0, 128),
         QStringLiteral("/Help/Support.html")},
    }};
    return tabs;
}
