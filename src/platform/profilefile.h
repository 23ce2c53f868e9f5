#pragma once

#include <QList>
#include <QPair>
#include <QString>

// An INI file read and written the way the Windows profile functions do it: "[section]" headers
// and "key=value" lines, section and key names compared without regard to case. A write replaces
// the key's line where it stands, or appends the key at the end of its section, creating the file
// and the section when they are missing; every other line (comments, unknown keys, other sections)
// is kept byte for byte. A read gives at most 499 characters, and the empty string for a missing
// file or key.
class ProfileFile final
{
public:
    using Entry = QPair<QString, QString>;
    static constexpr int MaxValueLength = 499;

    explicit ProfileFile(QString path);

    QString path() const { return m_path; }

    QString readString(const QString &section, const QString &key) const;
    // Reads several keys of one section with a single read of the file. A missing key reads as a
    // null string, a key with an empty value as an empty one.
    QList<QString> readStrings(const QString &section, const QList<QString> &keys) const;

    // Each throws SunveilError when the file cannot be written; the file is then left as it was.
    void writeString(const QString &section, const QString &key, const QString &value);
    // Applies the writes in order, as one replacement of the file.
    void writeStrings(const QString &section, const QList<Entry> &entries);

private:
    QString m_path;
};
