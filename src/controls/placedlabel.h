#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// A label of a window at its place. Its text is always plain: names and messages typed by the
// user never reach a rich-text renderer.
QLabel *placeLabel(QWidget *parent, const QString &objectName, const QString &text, QRect place);
