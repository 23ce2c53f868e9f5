#include "settingsfile.h"

#include "platform/profilefile.h"
#include "platform/sunveilerror.h"

#include <array>

namespace {

const QString Section = QStringLiteral("Settings");

struct Key
{
    const char16_t *name;
    QString SettingsValues::*value;
};

constexpr std::array<Key, 8> Keys = {{
    {u"ShowTime", &SettingsValues::showTime},
    {u"Invertal", &SettingsValues::invertal},
    {u"Color", &SettingsValues::color},
    {u"Font", &SettingsValues::font},
    {u"FontSize", &SettingsValues::fontSize},
    {u"Location", &SettingsValues::location},
    {u"AutoStart", &SettingsValues::autoStart},
    {u"Options", &SettingsValues::options},
}};

} // namespace

SettingsFile::SettingsFile(QString path)
    : m_path(std::move(path))
{}

SettingsValues SettingsFile::load() const
{
    QList<QString> names;
    for (const Key &key : Keys)
        names.append(QString::fromUtf16(key.name));
    const QList<QString> read = ProfileFile(m_path).readStrings(Section, names);
    SettingsValues values;
    for (std::size_t i = 0; i < Keys.size(); ++i)
        values.*Keys[i].value = read.at(static_cast<qsizetype>(i));
    return values;
}

bool SettingsFile::save(const SettingsValues &values) const
{
    QList<ProfileFile::Entry> entries;
    for (const Key &key : Keys)
        entries.append({QString::fromUtf16(key.name), values.*key.value});
    try {
        ProfileFile(m_path).writeStrings(Section, entries);
        return true;
    } catch (const SunveilError &) {
        return false;
    }
}
