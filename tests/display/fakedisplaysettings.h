#pragma once

#include "display/displaysettings.h"

// Settings a test sets directly.
struct FakeDisplaySettings final : DisplaySettings
{
    MessageKind kind = MessageKind::Emphasis;
    QString interval = QStringLiteral("0");
    QString showTime = QStringLiteral("0");
    QString font = QStringLiteral("DejaVu Sans");
    QString fontSize = QStringLiteral("17");
    quint32 rgb = 0x0000ff;
    int where = 1;

    MessageKind displayKind() const override { return kind; }
    QString intervalText() const override { return interval; }
    QString showTimeText() const override { return showTime; }
    QString fontName() const override { return font; }
    QString fontSizeText() const override { return fontSize; }
    quint32 color() const override { return rgb; }
    int location() const override { return where; }
};
