#pragma once

#include <QWidget>

class QToolButton;

// A pair of small arrows holding a whole number within a range; an arrow steps it by one and
// stops at the ends of the range.
class UpDown final : public QWidget
{
    Q_OBJECT

public:
    UpDown(int minimum, int maximum, int value, QWidget *parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // A value outside the range is refused (false) and the value stays as it was.
    bool setValue(int value);

    void stepUp();
    void stepDown();

signals:
    // Every change of the value, by an arrow or by code.
    void valueChanged(int value);

private:
    int m_minimum;
    int m_maximum;
    int m_value;
    QToolButton *m_up;
    QToolButton *m_down;
};
