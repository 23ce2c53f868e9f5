#include "libraryfiles.h"

#include "modsaveopen.h"

#include "platform/atomicfile.h"
#include "platform/textcodec.h"

namespace LibraryFiles {

QStringList ReadLibraryLines(const QString &path)
{
    const QString content = TextCodec::decode(AtomicFile::read(path));
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = content.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (content.at(i) != u'\r')
            continue;
        if (i > start)
            lines.append(content.mid(start, i - start));
        if (i + 1 < size && content.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(content.mid(start));
    return lines;
}

bool ReplaceLibraryFile(Prompter &prompter, const QString &text, const QString &path)
{
    return ModSaveOpen::saveBytes(prompter, TextCodec::encode(text + QStringLiteral("\r\n")), path);
}

QString messageTextInListOrder(const QStringList &messages)
{
    QString text;
    for (const QString &message : messages)
        text += message + QStringLiteral("\r\n");
    return text;
}

QString messageTextInReverseListOrder(const QStringList &messages)
{
    QString text;
    for (auto it = messages.crbegin(); it != messages.crend(); ++it)
        text += *it + QStringLiteral("\r\n");
    return text;
}

QString tickText(const QList<TickEntry> &categories)
{
    QString text;
    for (const TickEntry &category : categories) {
        if (category.ticked)
            text += QStringLiteral("\r\n") + category.name;
    }
    return text;
}

} // namespace LibraryFiles
