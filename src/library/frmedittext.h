#pragma once

#include "library/messagekind.h"
#include "platform/appcontext.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class TaviButton;

// The message editor: any message of any category of any kind, changed or deleted in place.
// Every save and delete rewrites the category's message file at once and then calls the
// refresh given by the main window, which reads its own message list again.
class FrmEditText final : public QDialog
{
    Q_OBJECT

public:
    FrmEditText(const AppContext &context, std::function<void()> refreshMain,
                QWidget *parent = nullptr);

    // The right button pressed on the message list: the pop-up menu, when a message is selected.
    void lstTitleRightPress(const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lstDirClick();
    void lstCatClick();
    void lstTitleClick();
    void txtEditChange();
    void cmdEditClick();
    void mnuEditDelClick();
    void writeCategoryFile();
    MessageKind chosenKind() const;

    const AppContext &m_context;
    std::function<void()> m_refreshMain;
    QComboBox *lstDir;
    QListWidget *lstCat;
    QListWidget *lstTitle;
    QPlainTextEdit *txtEdit;
    TaviButton *cmdEdit;
    TaviButton *cmdClose;
    QLabel *lblDir;
    QMenu *mnuEdit;
};
