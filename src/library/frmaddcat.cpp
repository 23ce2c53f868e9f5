#include "frmaddcat.h"

#include "controls/tavibutton.h"
#include "library/commandbutton.h"
#include "library/kindpanel.h"
#include "library/typedtext.h"
#include "platform/prompter.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>

FrmAddCat::FrmAddCat(Prompter &prompter, KindPanel &panel, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_prompter(prompter)
    , m_panel(panel)
{
    setObjectName(QStringLiteral("frmAddCat"));
    setWindowTitle(QStringLiteral("Add category"));
    setModal(true);
    setFixedSize(twipsToPixels(5535), twipsToPixels(2175));

    auto *label1 = new QLabel(QStringLiteral("To add a category , Please enter the category name , "
                                             "then click \" Add \" button\n."),
                              this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setTextFormat(Qt::PlainText);
    label1->setWordWrap(true);
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1->setGeometry(twipsRect(120, 120, 5295, 495));
    auto *label2 = new QLabel(QStringLiteral("Category name:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setTextFormat(Qt::PlainText);
    QFont bold = label2->font();
    bold.setBold(true);
    label2->setFont(bold);
    label2->setGeometry(twipsRect(120, 600, 2055, 255));

    txtNewDir = new QLineEdit(this);
    txtNewDir->setObjectName(QStringLiteral("txtNewDir"));
    txtNewDir->setGeometry(twipsRect(120, 840, 5295, 495));
    cmdCancel =
        placeCommandButton(this, QStringLiteral("cmdCancel"), QStringLiteral("   Cancel   "),
                           CommandIcon::Cancel, 1, twipsRect(2520, 1560, 1335, 495));
    cmdNewDir = placeCommandButton(this, QStringLiteral("cmdNewDir"), QStringLiteral("   Add   "),
                                   CommandIcon::Add, 1, twipsRect(4080, 1560, 1335, 495));
    setTabOrder(txtNewDir, cmdNewDir);
    setTabOrder(cmdNewDir, cmdCancel);
    txtNewDir->setFocus();

    // Escape closes the dialog as Cancel does (QDialog's own handling of the key).
    connect(cmdCancel, &TaviButton::Click, this, &QDialog::reject);
    connect(cmdNewDir, &TaviButton::Click, this, &FrmAddCat::cmdNewDirClick);
}

void FrmAddCat::cmdNewDirClick()
{
    const QString typed = TypedText::withoutLineEnds(txtNewDir->text());
    txtNewDir->setText(typed);
    if (typed.isEmpty()) {
        m_prompter.tell(Prompter::Icon::Exclamation, QStringLiteral("Sunveil"),
                        QStringLiteral("Please Enter a title for Categories."));
        txtNewDir->setFocus();
        return;
    }
    if (!m_panel.addCategory(typed))
        return;
    txtNewDir->clear();
    accept();
}
