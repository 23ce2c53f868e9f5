#include "textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

QString decode(const QByteArray &bytes, const char *legacyCodePage)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder legacy(legacyCodePage);
    if (!legacy.isValid())
        return text; // no such code page here: keep UTF-8 with replacement characters
    return legacy.decode(bytes);
}

QByteArray encode(const QString &text)
{
    QStringEncoder utf8(QStringEncoder::Utf8);
    return utf8.encode(text);
}

} // namespace TextCodec
