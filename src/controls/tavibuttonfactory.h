#pragma once

#include <QIcon>
#include <QString>

class QWidget;
class TaviButton;

// A command button as the program's windows use them: style 4 on #E3E3E3 with a 16 by 16
// picture at the left edge (pictureAlign 0, the main window) or left of the caption (1, the
// dialogs).
TaviButton *makeCommandButton(QWidget *parent, const QString &objectName, const QString &caption,
                              const QIcon &icon, int pictureAlign);
