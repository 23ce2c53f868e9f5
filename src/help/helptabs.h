#pragma once

#include <QColor>
#include <QString>

#include <array>

// One tab of the Help window: its box, its label, the label's caption, the box colour and the
// page it opens, relative to the program folder.
struct HelpTab
{
    const char *boxName;
    const char *labelName;
    QString caption;
    QColor colour;
    QString page;
};

// The six tabs, left to right.
const std::array<HelpTab, 6> &helpTabs();
