#include "commandbutton.h"

#include "controls/tavibutton.h"
#include "controls/tavibuttonfactory.h"

TaviButton *placeCommandButton(QWidget *parent, const QString &objectName, const QString &caption,
                               CommandIcon icon, int pictureAlign, QRect place)
{
    TaviButton *button =
        makeCommandButton(parent, objectName, caption, commandIcon(icon), pictureAlign);
    button->setGeometry(place);
    return button;
}
