#include "controls/orlaframespropertybag.h"

#include <QStringList>

void OrlaFramesPropertyBag::write(const QString &name, const QVariant &value,
                                  const QVariant &defaultValue)
{
    const qsizetype index = indexOf(name);
    if (value == defaultValue) {
        if (index >= 0)
            m_entries.removeAt(index);
        return;
    }
    if (index >= 0)
        m_entries[index].second = value;
    else
        m_entries.append({name, value});
}

QVariant OrlaFramesPropertyBag::read(const QString &name, const QVariant &defaultValue) const
{
    const qsizetype index = indexOf(name);
    return index >= 0 ? m_entries.at(index).second : defaultValue;
}

bool OrlaFramesPropertyBag::contains(const QString &name) const
{
    return indexOf(name) >= 0;
}

QStringList OrlaFramesPropertyBag::names() const
{
    QStringList result;
    for (const auto &entry : m_entries)
        result.append(entry.first);
    return result;
}

qsizetype OrlaFramesPropertyBag::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
