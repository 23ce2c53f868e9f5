#pragma once

#include <QDialog>

class KindPanel;
class Prompter;
class QPlainTextEdit;
class TaviButton;

// The "Add a message" dialog: a new message for the selected category of the panel's kind.
class FrmAddText final : public QDialog
{
    Q_OBJECT

public:
    FrmAddText(Prompter &prompter, KindPanel &panel, QWidget *parent = nullptr);

private:
    void cmdNewDirClick();

    Prompter &m_prompter;
    KindPanel &m_panel;
    QPlainTextEdit *txtNewDir;
    TaviButton *cmdCancel;
    TaviButton *cmdNewDir;
};
