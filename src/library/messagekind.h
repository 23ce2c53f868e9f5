#pragma once

#include <QString>

#include <array>

// The three kinds of message. The index is what the active-kind label holds ("0", "1", "2").
enum class MessageKind : int { Emphasis = 0, Successful = 1, Instructive = 2 };

inline constexpr std::array<MessageKind, 3> AllMessageKinds = {
    MessageKind::Emphasis, MessageKind::Successful, MessageKind::Instructive};

struct MessageKindInfo
{
    const char16_t *folder;        // the kind folder's name, exactly in this case
    const char16_t *tabCaption;    // the tab of the main window
    const char16_t *panelCaption;  // the frame of the kind's panel
    const char16_t *optionCaption; // the display option of the settings panel
    const char16_t *editorEntry;   // the kind list of the message editor
};

const MessageKindInfo &kindInfo(MessageKind kind);
int kindIndex(MessageKind kind);
// The kind of an index 0 to 2; nothing for any other value.
bool kindFromIndex(int index, MessageKind *kind);
