#include "controls/tavibuttonpropertybag.h"

QVariant TaviButtonPropertyBag::read(const QString &name, const QVariant &defaultValue) const
{
    const qsizetype index = indexOf(name);
    return index < 0 ? defaultValue : m_values.at(index).second;
}

void TaviButtonPropertyBag::write(const QString &name, const QVariant &value,
                                  const QVariant &defaultValue)
{
    if (value == defaultValue) {
        const qsizetype index = indexOf(name);
        if (index >= 0)
            m_values.removeAt(index);
        return;
    }
    set(name, value);
}

void TaviButtonPropertyBag::set(const QString &name, const QVariant &value)
{
    const qsizetype index = indexOf(name);
    if (index >= 0)
        m_values[index] = {name, value};
    else
        m_values.append({name, value});
}

bool TaviButtonPropertyBag::contains(const QString &name) const
{
    return indexOf(name) >= 0;
}

QStringList TaviButtonPropertyBag::names() const
{
    QStringList result;
    for (const auto &entry : m_values)
        result.append(entry.first);
    return result;
}

qsizetype TaviButtonPropertyBag::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        if (m_values.at(i).first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
