#include "messageboxprompter.h"

#include "colorvalue.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Prompter::Answer MessageBoxPrompter::ask(const Message &message)
{
    QMessageBox box(boxIcon(message.icon), message.title, message.text, QMessageBox::NoButton,
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    if (message.rightToLeft)
        box.setLayoutDirection(Qt::RightToLeft);
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(message.defaultAnswer == Answer::Yes ? QMessageBox::Yes
                                                                  : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

std::optional<quint32> MessageBoxPrompter::chooseColor(quint32 initial)
{
    const QColor chosen = QColorDialog::getColor(ColorValue::toColor(initial), m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return ColorValue::fromColor(chosen);
}

std::optional<Prompter::FontChoice> MessageBoxPrompter::chooseFont(const QString &family,
                                                                   double pointSize)
{
    QFont initial(family);
    if (pointSize > 0)
        initial.setPointSizeF(pointSize);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, m_parent);
    if (!ok)
        return std::nullopt;
    return FontChoice{font.family(), font.pointSizeF(), font.bold(), font.italic()};
}
