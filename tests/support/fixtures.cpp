#include "fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTest>

namespace Fixtures {

QStringList listTexts(const QListWidget *list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result.append(list->item(row)->text());
    return result;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

QString makeCategory(const QString &documents, const QString &kindFolder, const QString &name,
                     const QStringList &lines)
{
    const QString folder = documents + QStringLiteral("/Sunveil/") + kindFolder + u'/' + name;
    QDir().mkpath(folder);
    if (!lines.isEmpty()) {
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += line.toUtf8() + "\r\n";
        writeBytes(folder + QStringLiteral("/text.txt"), bytes);
    }
    return folder;
}

} // namespace Fixtures
