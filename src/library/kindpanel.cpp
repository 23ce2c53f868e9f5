#include "kindpanel.h"
#include "controls/placedlabel.h"

#include "controls/tavibutton.h"
#include "library/commandbutton.h"
#include "library/libraryfolders.h"
#include "library/librarypaths.h"
#include "library/sortedlist.h"
#include "library/typedtext.h"
#include "platform/failure.h"
#include "platform/prompter.h"
#include "platform/twips.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include <array>

namespace {

// The names that differ between the three panels.
struct PanelNames
{
    const char16_t *categoryList;
    const char16_t *messageList;
    const char16_t *addCategory;
    const char16_t *deleteCategory;
    const char16_t *addMessage;
    const char16_t *deleteMessage;
    const char16_t *listingProcedure;
    const char16_t *restoringProcedure;
};

constexpr std::array<PanelNames, 3> PanelTable = {{
    {u"lstDir", u"lstName", u"cmdAddCat", u"cmdDelCat", u"cmdAddText", u"CmdDelText", u"Getdir",
     u"CheckedList"},
    {u"lstDirSuccess", u"lstNameSuccess", u"cmdAddCatSuccess", u"cmdDelCatSuccess",
     u"cmdAddTextSuccess", u"CmdDelTextSuccess", u"GetdirSuccess", u"CheckedListSuccess"},
    {u"lstDirAdvice", u"lstNameAdvice", u"cmdAddCatAdvice", u"cmdDelCatAdvice", u"cmdAddTextAdvice",
     u"CmdDelTextAdvice", u"GetDirAdvice", u"CheckedListAdvice"},
}};

const PanelNames &namesOf(MessageKind kind)
{
    return PanelTable.at(static_cast<std::size_t>(kindIndex(kind)));
}

QString text(const char16_t *name)
{
    return QString::fromUtf16(name);
}

QListWidget *makeList(QWidget *parent, const QString &name, QRect place)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(place);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void selectNothing(QListWidget &list)
{
    list.setCurrentRow(-1);
    list.clearSelection();
}

} // namespace

KindPanel::KindPanel(const AppContext &context, MessageKind kind, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_kind(kind)
{
    const PanelNames &names = namesOf(kind);
    placeLabel(this, QString(), QStringLiteral("Category:"), twipsRect(120, 240, 2055, 255));
    placeLabel(this, QString(), QStringLiteral("Messages:"), twipsRect(3360, 240, 2295, 255));
    m_categories = makeList(this, text(names.categoryList), twipsRect(120, 480, 2775, 2985));
    m_messages = makeList(this, text(names.messageList), twipsRect(3360, 480, 2775, 2985));
    m_delCat = placeCommandButton(this, text(names.deleteCategory), QStringLiteral("Delete"),
                                  CommandIcon::Delete, 0, twipsRect(120, 3660, 975, 375));
    m_addCat = placeCommandButton(this, text(names.addCategory), QStringLiteral("Add"),
                                  CommandIcon::Add, 0, twipsRect(1920, 3660, 975, 375));
    m_delText = placeCommandButton(this, text(names.deleteMessage), QStringLiteral("Delete"),
                                   CommandIcon::Delete, 0, twipsRect(3360, 3660, 975, 375));
    m_addText = placeCommandButton(this, text(names.addMessage), QStringLiteral("Add"),
                                   CommandIcon::Add, 0, twipsRect(5160, 3660, 975, 375));
    noCategorySelected();

    connect(m_categories, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            categoryClick();
        else
            noCategorySelected();
    });
    connect(m_categories, &QListWidget::itemChanged, this, [this] {
        if (!m_filling)
            itemCheck();
    });
    connect(m_messages, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            messageClick();
    });
    connect(m_addCat, &TaviButton::Click, this, &KindPanel::addCategoryRequested);
    connect(m_addText, &TaviButton::Click, this, [this] {
        if (!selectedCategory().isEmpty())
            emit addMessageRequested();
    });
    connect(m_delCat, &TaviButton::Click, this, &KindPanel::deleteCategory);
    connect(m_delText, &TaviButton::Click, this, &KindPanel::deleteMessage);
}

QString KindPanel::kindFolder() const
{
    return LibraryPaths::kindFolder(m_context.documentsFolder, m_kind);
}

void KindPanel::Getdir()
{
    m_categories->clear();
    const QString suffix = QStringLiteral(") in procedure %1 of Form frmSettings")
                               .arg(text(namesOf(m_kind).listingProcedure));
    reportAndStop(*m_context.prompter, suffix, [this] {
        const QStringList names = LibraryFolders::listCategories(kindFolder());
        m_filling = true;
        for (const QString &name : names) {
            const int row = SortedList::insertText(*m_categories, name);
            QListWidgetItem *item = m_categories->item(row);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        m_filling = false;
    });
}

void KindPanel::CheckedList()
{
    const QString suffix = QStringLiteral(") in procedure %1 of Form frmMain")
                               .arg(text(namesOf(m_kind).restoringProcedure));
    reportAndStop(*m_context.prompter, suffix, [this] {
        // A kind whose ticks were never changed has no tick file: nothing is ticked.
        const QString path = LibraryPaths::tickFile(m_context.documentsFolder, m_kind);
        const QStringList ticked =
            QFileInfo::exists(path) ? LibraryFiles::ReadLibraryLines(path) : QStringList();
        for (int row = 0; row < m_categories->count(); ++row) {
            QListWidgetItem *item = m_categories->item(row);
            if (ticked.contains(item->text(), Qt::CaseSensitive))
                item->setCheckState(Qt::Checked); // rewrites the tick file
        }
        if (m_categories->count() > 0)
            m_categories->setCurrentRow(0);
    });
}

void KindPanel::selectFirstCategory()
{
    if (m_categories->count() == 0)
        return;
    if (m_categories->currentRow() == 0)
        categoryClick();
    else
        m_categories->setCurrentRow(0);
}

void KindPanel::categoryClick()
{
    m_addText->setEnabled(true);
    m_delCat->setEnabled(true);
    m_delText->setEnabled(false);
    loadMessages();
}

void KindPanel::noCategorySelected()
{
    // Without a category there is nothing to delete and no folder to write a message into.
    m_addText->setEnabled(false);
    m_delCat->setEnabled(false);
    m_delText->setEnabled(false);
}

void KindPanel::loadMessages()
{
    m_messages->clear();
    const QString category = selectedCategory();
    if (category.isEmpty())
        return;
    // A category without messages, or whose file cannot be read, shows an empty list.
    stopSilently([this, &category] {
        const QStringList lines = LibraryFiles::ReadLibraryLines(
            LibraryPaths::messageFile(m_context.documentsFolder, m_kind, category));
        for (const QString &line : lines)
            SortedList::insertText(*m_messages, line);
    });
}

void KindPanel::refreshMessages()
{
    loadMessages();
}

void KindPanel::messageClick()
{
    m_delText->setEnabled(true);
}

void KindPanel::itemCheck()
{
    LibraryFiles::ReplaceLibraryFile(*m_context.prompter, LibraryFiles::tickText(tickEntries()),
                                     LibraryPaths::tickFile(m_context.documentsFolder, m_kind));
}

QList<LibraryFiles::TickEntry> KindPanel::tickEntries() const
{
    QList<LibraryFiles::TickEntry> entries;
    for (int row = 0; row < m_categories->count(); ++row) {
        const QListWidgetItem *item = m_categories->item(row);
        entries.append({item->text(), item->checkState() == Qt::Checked});
    }
    return entries;
}

QString KindPanel::selectedCategory() const
{
    const QListWidgetItem *item = m_categories->currentItem();
    return item ? item->text() : QString();
}

QStringList KindPanel::messages() const
{
    QStringList result;
    for (int row = 0; row < m_messages->count(); ++row)
        result.append(m_messages->item(row)->text());
    return result;
}

bool KindPanel::addCategory(const QString &typed)
{
    const QString name = TypedText::categoryName(typed);
    for (int row = 0; row < m_categories->count(); ++row) {
        if (m_categories->item(row)->text() == name) {
            m_context.prompter->tell(Prompter::Icon::Exclamation, QStringLiteral("Sunveil"),
                                     typed + QStringLiteral(" category already exists.\r\n"
                                                            "Please choose another title."));
            return false;
        }
    }
    if (!TypedText::isPossibleCategoryName(name) ||
        !LibraryFolders::createFolderWithParents(kindFolder() + name)) {
        m_context.prompter->ask({Prompter::Icon::Critical, QStringLiteral("Sunveil"),
                                 QStringLiteral("The name of the category is impossible.\r\n"
                                                "Please select a different name."),
                                 Prompter::Buttons::Ok, Prompter::Answer::Ok, true});
        return false;
    }
    m_filling = true;
    const int row = SortedList::insertText(*m_categories, name);
    QListWidgetItem *item = m_categories->item(row);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    m_filling = false;
    m_messages->clear();
    for (int i = 0; i < m_categories->count(); ++i) {
        if (m_categories->item(i)->text() == name)
            m_categories->setCurrentRow(i);
    }
    return true;
}

void KindPanel::addMessage(const QString &message)
{
    if (selectedCategory().isEmpty())
        return;
    SortedList::insertText(*m_messages, message);
    for (int row = 0; row < m_messages->count(); ++row) {
        if (m_messages->item(row)->text() == message)
            m_messages->setCurrentRow(row);
    }
    saveMessages(LibraryFiles::messageTextInReverseListOrder(messages()));
}

void KindPanel::saveMessages(const QString &text)
{
    LibraryFiles::ReplaceLibraryFile(
        *m_context.prompter, text,
        LibraryPaths::messageFile(m_context.documentsFolder, m_kind, selectedCategory()));
}

void KindPanel::deleteCategory()
{
    const QString category = selectedCategory();
    if (category.isEmpty())
        return;
    if (!m_context.prompter->confirm(Prompter::Icon::Question, QStringLiteral("Delete"),
                                     QStringLiteral("Do you want to delete this category?")))
        return;
    LibraryFolders::removeCategoryFolder(
        LibraryPaths::categoryFolder(m_context.documentsFolder, m_kind, category));
    m_messages->clear();
    Getdir();
    selectFirstCategory();
    CheckedList();
}

void KindPanel::deleteMessage()
{
    if (selectedCategory().isEmpty())
        return;
    if (!m_context.prompter->confirm(Prompter::Icon::Question, QStringLiteral("Delete"),
                                     QStringLiteral("Do you want to delete this message?")))
        return;
    {
        const QSignalBlocker blocker(m_messages);
        const int row = m_messages->currentRow();
        if (row >= 0)
            delete m_messages->takeItem(row);
        selectNothing(*m_messages);
    }
    saveMessages(LibraryFiles::messageTextInListOrder(messages()));
}
