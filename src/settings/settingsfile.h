#pragma once

#include <QString>

// The eight settings as they stand in Settings.ini: plain text, exactly as written or read.
struct SettingsValues
{
    QString showTime;
    QString invertal;
    QString color;
    QString font;
    QString fontSize;
    QString location;
    QString autoStart;
    QString options;

    bool operator==(const SettingsValues &) const = default;
};

// Settings.ini: section "Settings", keys ShowTime, Invertal, Color, Font, FontSize, Location,
// AutoStart and Options, read and written in that order.
class SettingsFile final
{
public:
    explicit SettingsFile(QString path);

    QString path() const { return m_path; }

    // A missing file or key reads as a null string; a key with an empty value as an empty one.
    SettingsValues load() const;
    // Writes all eight keys; other lines of the file stay. Gives false when the file could not
    // be written, which leaves it as it was.
    bool save(const SettingsValues &values) const;

private:
    QString m_path;
};
