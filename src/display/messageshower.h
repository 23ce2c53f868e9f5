#pragma once

#include <QString>

// Puts one message on the screen for the show time. When the time is over the shower hides the
// message and tells the display cycle (DisplayCycle::onMessageHidden).
class MessageShower
{
public:
    virtual ~MessageShower() = default;
    virtual void showMessage(const QString &message) = 0;
    // Removes a message at once, and with it any pending end of its show time.
    virtual void removeMessage() = 0;
};
