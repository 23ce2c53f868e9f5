#pragma once

#include "library/libraryfiles.h"
#include "library/messagekind.h"

#include <QList>

// What the display cycle sees of a kind's category list: the names in list order, each with its
// tick.
class KindSource
{
public:
    virtual ~KindSource() = default;
    virtual QList<LibraryFiles::TickEntry> categories(MessageKind kind) const = 0;
};
