#include "frmedittext.h"
#include "controls/placedlabel.h"

#include "controls/tavibutton.h"
#include "library/commandbutton.h"
#include "library/libraryfiles.h"
#include "library/libraryfolders.h"
#include "library/librarypaths.h"
#include "library/sortedlist.h"
#include "library/typedtext.h"
#include "platform/failure.h"
#include "platform/prompter.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

QListWidget *makeList(QWidget *parent, const QString &name, QRect place)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(place);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

} // namespace

FrmEditText::FrmEditText(const AppContext &context, std::function<void()> refreshMain,
                         QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_refreshMain(std::move(refreshMain))
{
    setObjectName(QStringLiteral("frmEditText"));
    setWindowTitle(QStringLiteral("Sunveil - Edit message"));
    setModal(true);
    setFixedSize(twipsToPixels(9615), twipsToPixels(4815));

    lstDir = new QComboBox(this);
    lstDir->setObjectName(QStringLiteral("lstDir"));
    lstDir->setGeometry(twipsRect(120, 120, 3255, 315));
    for (const MessageKind kind : AllMessageKinds)
        lstDir->addItem(QString::fromUtf16(kindInfo(kind).editorEntry));
    lstCat = makeList(this, QStringLiteral("lstCat"), twipsRect(120, 480, 3255, 2400));
    lstTitle = makeList(this, QStringLiteral("lstTitle"), twipsRect(3480, 120, 6015, 2790));
    placeLabel(this, QStringLiteral("lblCaption(0)"), QStringLiteral("Edit message:"),
               twipsRect(120, 3000, 4335, 255));
    txtEdit = new QPlainTextEdit(this);
    txtEdit->setObjectName(QStringLiteral("txtEdit"));
    txtEdit->setGeometry(twipsRect(120, 3240, 7935, 735));
    txtEdit->setTabChangesFocus(true);
    txtEdit->setEnabled(false);
    cmdEdit = placeCommandButton(this, QStringLiteral("cmdEdit"), QStringLiteral("   Save     "),
                                 CommandIcon::Save, 1, twipsRect(8160, 3240, 1335, 735));
    cmdEdit->setEnabled(false);
    cmdClose = placeCommandButton(this, QStringLiteral("cmdClose"), QStringLiteral("  Cancel   "),
                                  CommandIcon::Cancel, 1, twipsRect(8160, 4200, 1335, 495));
    // The note line at the bottom, framed.
    auto *noteFrame = new QFrame(this);
    noteFrame->setFrameShape(QFrame::Box);
    noteFrame->setGeometry(twipsRect(120, 4200, 7935, 495));
    placeLabel(this, QStringLiteral("lblCaption(2)"), QStringLiteral("Note:"),
               twipsRect(240, 4320, 495, 255));
    placeLabel(this, QStringLiteral("lblCaption(1)"),
               QStringLiteral("You can edit your message in the above field and then click "
                              "\"Save\"."),
               twipsRect(840, 4320, 6735, 255));
    lblDir = placeLabel(this, QStringLiteral("lblDir"), QString(), QRect());
    lblDir->hide();

    mnuEdit = new QMenu(QStringLiteral("فهرست"), this);
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    QAction *mnuEditDel = mnuEdit->addAction(QStringLiteral("حذف نوشته انتخاب شده"));
    mnuEditDel->setObjectName(QStringLiteral("mnuEditDel"));

    setTabOrder(lstDir, lstCat);
    setTabOrder(lstCat, lstTitle);
    setTabOrder(lstTitle, txtEdit);
    setTabOrder(txtEdit, cmdEdit);
    setTabOrder(cmdEdit, cmdClose);

    lstTitle->viewport()->installEventFilter(this);
    connect(lstDir, &QComboBox::currentIndexChanged, this, &FrmEditText::lstDirClick);
    connect(lstCat, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstCatClick();
    });
    connect(lstTitle, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstTitleClick();
    });
    connect(txtEdit, &QPlainTextEdit::textChanged, this, &FrmEditText::txtEditChange);
    connect(cmdEdit, &TaviButton::Click, this, &FrmEditText::cmdEditClick);
    connect(cmdClose, &TaviButton::Click, this, &QDialog::reject);
    connect(mnuEditDel, &QAction::triggered, this, &FrmEditText::mnuEditDelClick);

    // Every opening starts on the first kind with its first category.
    lstDirClick();
}

MessageKind FrmEditText::chosenKind() const
{
    MessageKind kind = MessageKind::Emphasis;
    kindFromIndex(lstDir->currentIndex(), &kind);
    return kind;
}

void FrmEditText::lstDirClick()
{
    const MessageKind kind = chosenKind();
    lblDir->setText(QStringLiteral("/Sunveil/%1/").arg(QString::fromUtf16(kindInfo(kind).folder)));
    lstCat->clear();
    lstTitle->clear();
    reportAndStop(*m_context.prompter, QStringLiteral(") in procedure Getdir of Form frmSettings"),
                  [this, kind] {
                      const QStringList names = LibraryFolders::listCategories(
                          LibraryPaths::kindFolder(m_context.documentsFolder, kind));
                      for (const QString &name : names)
                          SortedList::insertText(*lstCat, name);
                  });
    // A kind without categories simply shows empty lists.
    if (lstCat->count() > 0)
        lstCat->setCurrentRow(0);
}

void FrmEditText::lstCatClick()
{
    lstTitle->clear();
    const QString path = LibraryPaths::messageFile(m_context.documentsFolder, chosenKind(),
                                                   lstCat->currentItem()->text());
    const bool read = reportAndStop(
        *m_context.prompter, QStringLiteral(") in procedure lstCat_Click of Form frmEditText"),
        [this, &path] {
            // A category without a message file has no messages yet.
            if (!QFileInfo::exists(path))
                return;
            const QStringList lines = LibraryFiles::ReadLibraryLines(path);
            for (const QString &line : lines)
                SortedList::insertText(*lstTitle, line);
        });
    if (read && !txtEdit->toPlainText().isEmpty())
        txtEdit->clear();
}

void FrmEditText::lstTitleClick()
{
    txtEdit->setPlainText(lstTitle->currentItem()->text());
}

void FrmEditText::txtEditChange()
{
    txtEdit->setEnabled(true);
    cmdEdit->setEnabled(true);
}

void FrmEditText::cmdEditClick()
{
    const QString text = TypedText::messageText(txtEdit->toPlainText());
    if (text != txtEdit->toPlainText())
        txtEdit->setPlainText(text);
    if (QListWidgetItem *item = lstTitle->currentItem())
        item->setText(text);
    writeCategoryFile();
}

void FrmEditText::lstTitleRightPress(const QPoint &globalPos)
{
    if (lstTitle->currentItem())
        mnuEdit->popup(globalPos);
}

bool FrmEditText::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstTitle->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton) {
            // A right press shows the menu for the selected message; it never changes the
            // selection.
            lstTitleRightPress(press->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmEditText::mnuEditDelClick()
{
    QListWidgetItem *item = lstTitle->currentItem();
    if (!item)
        return;
    if (!m_context.prompter->confirm(
            Prompter::Icon::Question, QStringLiteral("حذف نوشته"),
            QStringLiteral("واقعاً مي خواهيد اين جمله پاک شود؟:\r\n") + item->text(), true))
        return;
    {
        // The entry goes and nothing is selected after it; the edit box keeps the text.
        const QSignalBlocker blocker(lstTitle);
        delete lstTitle->takeItem(lstTitle->row(item));
        lstTitle->setCurrentRow(-1);
        lstTitle->clearSelection();
    }
    writeCategoryFile();
}

void FrmEditText::writeCategoryFile()
{
    // Without a chosen category there is no folder to write into.
    const QListWidgetItem *category = lstCat->currentItem();
    if (!category)
        return;
    QStringList messages;
    for (int row = 0; row < lstTitle->count(); ++row)
        messages.append(lstTitle->item(row)->text());
    LibraryFiles::ReplaceLibraryFile(
        *m_context.prompter, LibraryFiles::messageTextInReverseListOrder(messages),
        LibraryPaths::messageFile(m_context.documentsFolder, chosenKind(), category->text()));
    if (m_refreshMain)
        m_refreshMain();
}
