#pragma once

#include <QDialog>

class KindPanel;
class Prompter;
class QLineEdit;
class TaviButton;

// The "Add category" dialog: a name for a new category of the panel's kind.
class FrmAddCat final : public QDialog
{
    Q_OBJECT

public:
    FrmAddCat(Prompter &prompter, KindPanel &panel, QWidget *parent = nullptr);

private:
    void cmdNewDirClick();

    Prompter &m_prompter;
    KindPanel &m_panel;
    QLineEdit *txtNewDir;
    TaviButton *cmdCancel;
    TaviButton *cmdNewDir;
};
