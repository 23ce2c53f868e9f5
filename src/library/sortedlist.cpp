#include "sortedlist.h"

#include <QCollator>
#include <QListWidget>

namespace SortedList {

int insertText(QListWidget &list, const QString &text)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int row = list.count();
    while (row > 0 && collator.compare(list.item(row - 1)->text(), text) > 0)
        --row;
    list.insertItem(row, text);
    return row;
}

} // namespace SortedList
