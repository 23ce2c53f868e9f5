#include "commandbutton.h"

#include <QPushButton>

QPushButton *makeCommandButton(QWidget *parent, const QString &objectName, const QString &caption,
                               QRect place)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setGeometry(place);
    // Return in a dialog's text box presses nothing; a button is pressed by a click or Space.
    button->setAutoDefault(false);
    return button;
}
