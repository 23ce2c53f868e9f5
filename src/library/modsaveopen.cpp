#include "modsaveopen.h"

#include "platform/atomicfile.h"
#include "platform/prompter.h"
#include "platform/sunveilerror.h"
#include "platform/textcodec.h"

#include <QFileInfo>

namespace {

void tellSaveError(Prompter &prompter, const SunveilError &error)
{
    prompter.tell(Prompter::Icon::Critical, QStringLiteral("Error"),
                  QStringLiteral("Error %1\r\n%2").arg(error.number()).arg(error.description()));
}

} // namespace

namespace ModSaveOpen {

bool TextFileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

bool saveBytes(Prompter &prompter, const QByteArray &bytes, const QString &path)
{
    try {
        AtomicFile::write(path, bytes);
    } catch (const SunveilError &error) {
        tellSaveError(prompter, error);
        return false;
    }
    if (TextFileExists(path))
        return true;
    prompter.tell(Prompter::Icon::Critical, QStringLiteral("Sorry"),
                  QStringLiteral("Unexpectd error occured. File could not be saved"));
    return false;
}

bool SaveTextFile(Prompter &prompter, const QString &text, const QString &path)
{
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        try {
            bytes = AtomicFile::read(path);
        } catch (const SunveilError &error) {
            tellSaveError(prompter, error);
            return false;
        }
    }
    return saveBytes(prompter, bytes + TextCodec::encode(text + QStringLiteral("\r\n")), path);
}

} // namespace ModSaveOpen
