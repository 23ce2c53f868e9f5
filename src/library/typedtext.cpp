#include "typedtext.h"

namespace TypedText {

QString withoutLineEnds(const QString &typed)
{
    QString text = typed;
    return text.remove(QStringLiteral("\r\n"));
}

QString categoryName(const QString &typed)
{
    return withoutLineEnds(typed).replace(u' ', u'-');
}

bool isPossibleCategoryName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(u'.'))
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString messageText(const QString &typed)
{
    QString text = typed;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace TypedText
