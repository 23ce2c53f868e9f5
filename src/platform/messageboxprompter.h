#pragma once

#include "prompter.h"

class QWidget;

// The prompter of a real run: QMessageBox with plain text, QColorDialog and QFontDialog.
class MessageBoxPrompter final : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr)
        : m_parent(parent)
    {}

    void setParent(QWidget *parent) { m_parent = parent; }

    Answer ask(const Message &message) override;
    std::optional<quint32> chooseColor(quint32 initial) override;
    std::optional<FontChoice> chooseFont(const QString &family, double pointSize) override;

private:
    QWidget *m_parent;
};
