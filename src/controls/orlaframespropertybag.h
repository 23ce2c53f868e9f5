#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The saved form of a frame: named values that the host keeps with its own state and hands back
// when it is loaded again. Names are compared without regard to case; the first spelling written
// is kept.
class OrlaFramesPropertyBag final
{
public:
    // Stores the value under the name, replacing an earlier value of that name. A value equal to
    // its default is not stored, and removes an earlier one, so that reading falls back to the
    // default.
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue);
    // The stored value, or the default when the name is not stored.
    QVariant read(const QString &name, const QVariant &defaultValue) const;

    bool contains(const QString &name) const;
    QStringList names() const;
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    qsizetype indexOf(const QString &name) const;

    QList<QPair<QString, QVariant>> m_entries;
};
