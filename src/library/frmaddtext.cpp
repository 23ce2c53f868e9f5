#include "frmaddtext.h"

#include "controls/tavibutton.h"
#include "library/commandbutton.h"
#include "library/kindpanel.h"
#include "library/typedtext.h"
#include "platform/prompter.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPlainTextEdit>

FrmAddText::FrmAddText(Prompter &prompter, KindPanel &panel, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_prompter(prompter)
    , m_panel(panel)
{
    setObjectName(QStringLiteral("frmAddText"));
    setWindowTitle(QStringLiteral("Add a message"));
    setModal(true);
    setFixedSize(twipsToPixels(5550), twipsToPixels(2895));

    auto *label1 =
        new QLabel(QStringLiteral("To include your desired sentence, type its text in the "
                                  "following field and then click on the \"Add\" button."),
                   this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setTextFormat(Qt::PlainText);
    label1->setWordWrap(true);
    label1->setGeometry(twipsRect(120, 120, 5295, 495));
    auto *label2 = new QLabel(QStringLiteral("Message:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setTextFormat(Qt::PlainText);
    label2->setGeometry(twipsRect(120, 600, 5295, 255));

    txtNewDir = new QPlainTextEdit(this);
    txtNewDir->setObjectName(QStringLiteral("txtNewDir"));
    txtNewDir->setGeometry(twipsRect(120, 840, 5295, 1215));
    txtNewDir->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNewDir->setTabChangesFocus(true);
    cmdCancel =
        placeCommandButton(this, QStringLiteral("cmdCancel"), QStringLiteral("   Cancel   "),
                           CommandIcon::Cancel, 1, twipsRect(2520, 2280, 1335, 495));
    cmdNewDir = placeCommandButton(this, QStringLiteral("cmdNewDir"), QStringLiteral("   Add   "),
                                   CommandIcon::Add, 1, twipsRect(4080, 2280, 1335, 495));
    setTabOrder(txtNewDir, cmdNewDir);
    setTabOrder(cmdNewDir, cmdCancel);
    txtNewDir->setFocus();

    // Escape closes the dialog as Cancel does (QDialog's own handling of the key).
    connect(cmdCancel, &TaviButton::Click, this, &QDialog::reject);
    connect(cmdNewDir, &TaviButton::Click, this, &FrmAddText::cmdNewDirClick);
}

void FrmAddText::cmdNewDirClick()
{
    const QString message = TypedText::messageText(txtNewDir->toPlainText());
    txtNewDir->setPlainText(message);
    if (message.isEmpty()) {
        m_prompter.tell(Prompter::Icon::Exclamation, QStringLiteral("Sunveil"),
                        QStringLiteral("Please Enter a Message."));
        txtNewDir->setFocus();
        return;
    }
    m_panel.addMessage(message);
    txtNewDir->clear();
    accept();
}
