#pragma once

#include "library/messagekind.h"

#include <QString>

// What the display cycle and the flash window read of the settings panel, at the moment of use.
class DisplaySettings
{
public:
    virtual ~DisplaySettings() = default;

    virtual MessageKind displayKind() const = 0;
    virtual QString intervalText() const = 0; // seconds between messages, as typed
    virtual QString showTimeText() const = 0; // seconds a message stays, as typed
    virtual QString fontName() const = 0;
    virtual QString fontSizeText() const = 0; // points, as typed
    virtual quint32 color() const = 0;        // 0x00BBGGRR
    virtual int location() const = 0;         // -1 (none) or 0 to 4
};
