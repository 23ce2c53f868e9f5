#pragma once

#include "controls/tavibuttonicons.h"

#include <QRect>
#include <QString>

class TaviButton;
class QWidget;

// A command button of the program's windows, at its place: the button control in style 4 with a
// 16 by 16 picture at the left edge (pictureAlign 0, the main window) or left of the caption (1,
// the dialogs).
TaviButton *placeCommandButton(QWidget *parent, const QString &objectName, const QString &caption,
                               CommandIcon icon, int pictureAlign, QRect place);
