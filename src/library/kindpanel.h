#pragma once

#include "library/libraryfiles.h"
#include "library/messagekind.h"
#include "platform/appcontext.h"

#include <QWidget>

class QListWidget;
class TaviButton;

// The panel of one kind of message on the main window: the categories of the kind with their
// ticks, the messages of the selected category, and the Add and Delete buttons of both lists.
// The ticks are kept equal to the kind's tick file; every change of messages rewrites the
// category's message file at once.
class KindPanel final : public QWidget
{
    Q_OBJECT

public:
    KindPanel(const AppContext &context, MessageKind kind, QWidget *parent = nullptr);

    MessageKind kind() const { return m_kind; }

    // Refills the category list from the kind folder: all unticked, none selected.
    void Getdir();
    // Ticks the categories the tick file names, then selects the first category.
    void CheckedList();
    // Selects the first category and loads its messages, even when it was selected already.
    void selectFirstCategory();
    // Reads the selected category's messages again; the buttons keep their state.
    void refreshMessages();

    // The categories in list order with their ticks.
    QList<LibraryFiles::TickEntry> tickEntries() const;
    // The selected category's name; empty when none is selected.
    QString selectedCategory() const;
    QStringList messages() const;

    // Adds a category of the typed name (line ends already removed). Gives false, after telling
    // the user why, when the name is taken or no folder can be made of it.
    bool addCategory(const QString &typed);
    // Adds a message to the selected category, selects it and rewrites the message file.
    void addMessage(const QString &message);

    // The category and message Delete buttons: each asks first.
    void deleteCategory();
    void deleteMessage();

signals:
    void addCategoryRequested();
    void addMessageRequested();

private:
    void categoryClick();
    void messageClick();
    void itemCheck();
    void noCategorySelected();
    void loadMessages();
    void saveMessages(const QString &text);
    QString kindFolder() const;

    const AppContext &m_context;
    const MessageKind m_kind;
    bool m_filling = false;
    QListWidget *m_categories;
    QListWidget *m_messages;
    TaviButton *m_delCat;
    TaviButton *m_addCat;
    TaviButton *m_delText;
    TaviButton *m_addText;
};
