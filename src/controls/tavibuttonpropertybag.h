#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The saved form of a button: named values in the order they were written, looked up without
// regard to case.
class TaviButtonPropertyBag
{
public:
    // The stored value, or the default when the name is missing.
    QVariant read(const QString &name, const QVariant &defaultValue) const;
    // Stores the value unless it equals the default (then any stored value is dropped).
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue);
    void set(const QString &name, const QVariant &value);
    bool contains(const QString &name) const;
    // The names in the order they were written.
    QStringList names() const;

private:
    qsizetype indexOf(const QString &name) const;

    QList<QPair<QString, QVariant>> m_values;
};
