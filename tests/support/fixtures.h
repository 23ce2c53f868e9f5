#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small library trees and file bytes for tests.
class QListWidget;

namespace Fixtures {

// The entries of a list, top to bottom.
QStringList listTexts(const QListWidget *list);

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// Creates documents/Sunveil/<kindFolder>/<name>/text.txt holding the lines, each ended by CR LF.
// An empty list makes the category folder without a message file.
QString makeCategory(const QString &documents, const QString &kindFolder, const QString &name,
                     const QStringList &lines = QStringList());

} // namespace Fixtures
