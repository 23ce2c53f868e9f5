#pragma once

#include "platform/prompter.h"

#include <QList>

// A prompter for tests: records every box and dialog, and answers from a script. A box with no
// scripted answer gets its default answer; a dialog with no scripted choice is cancelled.
class RecordingPrompter final : public Prompter
{
public:
    QList<Message> messages;
    QList<Answer> answers;
    QList<std::optional<quint32>> colors;
    QList<std::optional<FontChoice>> fonts;
    int colorDialogs = 0;
    int fontDialogs = 0;
    QString lastFontFamily;
    double lastFontSize = 0;

    Answer ask(const Message &message) override;
    std::optional<quint32> chooseColor(quint32 initial) override;
    std::optional<FontChoice> chooseFont(const QString &family, double pointSize) override;

    // The texts of the boxes shown so far.
    QStringList texts() const;
};
