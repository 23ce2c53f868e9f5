#include "placedlabel.h"

#include <QLabel>

QLabel *placeLabel(QWidget *parent, const QString &objectName, const QString &text, QRect place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    return label;
}
