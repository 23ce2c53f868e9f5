#include "messagekind.h"

namespace {

constexpr std::array<MessageKindInfo, 3> KindTable = {{
    {u"Subliminal", u"Emphasis", u"Emphasis message", u"Display emphasis messages",
     u"Emphasis message"},
    {u"success", u"Successful", u"Successful messages", u"Display successful messages",
     u"Successful messages"},
    {u"advice", u"Instructive", u"Instructive message", u"Display instructive message",
     u"Instructive message"},
}};

} // namespace

const MessageKindInfo &kindInfo(MessageKind kind)
{
    return KindTable.at(static_cast<std::size_t>(kindIndex(kind)));
}

int kindIndex(MessageKind kind)
{
    return static_cast<int>(kind);
}

bool kindFromIndex(int index, MessageKind *kind)
{
    if (index < 0 || index >= static_cast<int>(AllMessageKinds.size()))
        return false;
    *kind = AllMessageKinds.at(static_cast<std::size_t>(index));
    return true;
}
