#include "profilefile.h"

#include "atomicfile.h"
#include "sunveilerror.h"
#include "textcodec.h"

#include <QFile>

#include <optional>

namespace {

struct Line
{
    QString text;    // without its line end
    QString lineEnd; // "\r\n", "\n", "\r" or "" for a last line without an end
};

QList<Line> splitLines(const QString &content)
{
    QList<Line> lines;
    qsizetype start = 0;
    const qsizetype size = content.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = content.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        const bool crLf = c == u'\r' && i + 1 < size && content.at(i + 1) == u'\n';
        lines.append({content.mid(start, i - start), crLf ? QStringLiteral("\r\n") : QString(c)});
        if (crLf)
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append({content.mid(start), QString()});
    return lines;
}

std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    return (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
}

bool isComment(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(u';');
}

// The key of a "key=value" line, or nothing for any other line.
std::optional<QString> keyOf(const QString &line)
{
    if (isComment(line))
        return std::nullopt;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return line.left(equals).trimmed();
}

QString valueOf(const QString &line)
{
    QString value = line.mid(line.indexOf(u'=') + 1).trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The lines of the section, as [first, end) indices; first is the header's index + 1.
std::optional<QPair<qsizetype, qsizetype>> findSection(const QList<Line> &lines,
                                                       const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines.at(i).text);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !sectionName(lines.at(end).text))
            ++end;
        return QPair<qsizetype, qsizetype>(i + 1, end);
    }
    return std::nullopt;
}

QList<Line> readLines(const QString &path)
{
    if (!QFile::exists(path))
        return {};
    return splitLines(TextCodec::decode(AtomicFile::read(path)));
}

void applyWrite(QList<Line> &lines, const QString &section, const QString &key,
                const QString &value)
{
    const QString newLine = key + u'=' + value;
    const QString crLf = QStringLiteral("\r\n");
    if (!lines.isEmpty() && lines.last().lineEnd.isEmpty())
        lines.last().lineEnd = crLf;

    const auto range = findSection(lines, section);
    if (!range) {
        lines.append({u'[' + section + u']', crLf});
        lines.append({newLine, crLf});
        return;
    }
    qsizetype lastEntry = range->first - 1; // the header when the section has no lines yet
    for (qsizetype i = range->first; i < range->second; ++i) {
        const auto lineKey = keyOf(lines.at(i).text);
        if (lineKey && sameName(*lineKey, key)) {
            lines[i].text = newLine;
            return;
        }
        if (!lines.at(i).text.trimmed().isEmpty())
            lastEntry = i;
    }
    lines.insert(lastEntry + 1, {newLine, crLf});
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{}

QString ProfileFile::readString(const QString &section, const QString &key) const
{
    return readStrings(section, {key}).constFirst();
}

QList<QString> ProfileFile::readStrings(const QString &section, const QList<QString> &keys) const
{
    QList<QString> values(keys.size());
    QList<Line> lines;
    try {
        lines = readLines(m_path);
    } catch (const SunveilError &) {
        return values; // an unreadable file reads like a missing one
    }
    const auto range = findSection(lines, section);
    if (!range)
        return values;
    for (qsizetype k = 0; k < keys.size(); ++k) {
        for (qsizetype i = range->first; i < range->second; ++i) {
            const auto lineKey = keyOf(lines.at(i).text);
            if (lineKey && sameName(*lineKey, keys.at(k))) {
                // A key that is there reads as a non-null string, even when its value is empty.
                values[k] = QStringLiteral("") + valueOf(lines.at(i).text).left(MaxValueLength);
                break;
            }
        }
    }
    return values;
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    writeStrings(section, {{key, value}});
}

void ProfileFile::writeStrings(const QString &section, const QList<Entry> &entries)
{
    QList<Line> lines = readLines(m_path);
    for (const Entry &entry : entries)
        applyWrite(lines, section, entry.first, entry.second);
    QString content;
    for (const Line &line : std::as_const(lines))
        content += line.text + line.lineEnd;
    AtomicFile::write(m_path, TextCodec::encode(content));
}
