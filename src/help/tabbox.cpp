#include "tabbox.h"

#include "helplayout.h"
#include "helptabs.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

namespace {

// A left button released over the widget it was pressed on counts as a click.
bool isClick(const QWidget *widget, const QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    return mouse->button() == Qt::LeftButton &&
           widget->rect().contains(mouse->position().toPoint());
}

} // namespace

TabBox::TabBox(const HelpTab &tab, QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(tab.caption, this))
{
    setObjectName(QString::fromLatin1(tab.boxName));
    setAutoFillBackground(true);
    QPalette boxPalette = palette();
    boxPalette.setColor(QPalette::Window, tab.colour);
    setPalette(boxPalette);
    setCursor(Qt::PointingHandCursor);
    resize(twipsToPixels(2000), twipsToPixels(495));

    m_label->setObjectName(QString::fromLatin1(tab.labelName));
    m_label->setTextFormat(Qt::PlainText);
    // Top-aligned, so that the blank lines some captions end with fall below the visible line.
    m_label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    QPalette labelPalette = m_label->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    m_label->setPalette(labelPalette);
    m_label->setAutoFillBackground(false);
    m_label->setCursor(Qt::PointingHandCursor);
    m_label->setGeometry(0, twipsToPixels(120), twipsToPixels(2055), twipsToPixels(255));
    m_label->installEventFilter(this);
}

void TabBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void TabBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (isClick(this, event))
        emit clicked();
}

bool TabBox::eventFilter(QObject *watched, QEvent *event)
{
    // The caption's own release is taken here, so that it does not reach the box a second time.
    if (watched == m_label && isClick(m_label, event)) {
        emit clicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
