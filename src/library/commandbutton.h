#pragma once

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// Every command button of the program is made here, so its control type is chosen in one place.
// The rest of the program uses a button only through clicked, setEnabled and isEnabled.
QPushButton *makeCommandButton(QWidget *parent, const QString &objectName, const QString &caption,
                               QRect place);
