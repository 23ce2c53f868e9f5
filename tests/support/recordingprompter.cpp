#include "recordingprompter.h"

#include <QStringList>

Prompter::Answer RecordingPrompter::ask(const Message &message)
{
    messages.append(message);
    return answers.isEmpty() ? message.defaultAnswer : answers.takeFirst();
}

std::optional<quint32> RecordingPrompter::chooseColor(quint32 initial)
{
    Q_UNUSED(initial)
    ++colorDialogs;
    return colors.isEmpty() ? std::nullopt : colors.takeFirst();
}

std::optional<Prompter::FontChoice> RecordingPrompter::chooseFont(const QString &family,
                                                                  double pointSize)
{
    ++fontDialogs;
    lastFontFamily = family;
    lastFontSize = pointSize;
    return fonts.isEmpty() ? std::nullopt : fonts.takeFirst();
}

QStringList RecordingPrompter::texts() const
{
    QStringList result;
    for (const Message &message : messages)
        result.append(message.text);
    return result;
}
