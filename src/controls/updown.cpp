#include "updown.h"

#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(int minimum, int maximum, int value, QWidget *parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_value(std::clamp(value, minimum, maximum))
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *button : {m_up, m_down}) {
        button->setArrowType(button == m_up ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
    }
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
}

bool UpDown::setValue(int value)
{
    if (value < m_minimum || value > m_maximum)
        return false;
    if (value != m_value) {
        m_value = value;
        emit valueChanged(m_value);
    }
    return true;
}

void UpDown::stepUp()
{
    if (m_value < m_maximum)
        setValue(m_value + 1);
}

void UpDown::stepDown()
{
    if (m_value > m_minimum)
        setValue(m_value - 1);
}
