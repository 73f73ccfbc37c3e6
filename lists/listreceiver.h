// How the list editor hands its result back without knowing who opened it.
// The opener passes a receiver, and the receiver says which kinds of list it
// takes: the depth-of-field table takes f-numbers and distances, the
// variations calculator the four value kinds.
//
// Nothing here fails: a kind the receiver does not take is simply not handed
// back.
#pragma once

#include "listkind.h"

#include <QStringList>

namespace optolune {

class ListReceiver {
public:
    virtual ~ListReceiver() = default;
    // True when lists of that kind replace one of the receiver's lists.
    virtual bool accepts(ListKind kind) const = 0;
    // The checked items of the editor, in list order, replace the receiver's
    // list of that kind. The table then rebuilds itself; the variations
    // calculator selects the list's first item.
    virtual void replaceList(ListKind kind, const QStringList &items) = 0;
};

// Delivers the items to the receiver when it accepts the kind; returns
// whether anything was delivered. A null receiver takes nothing.
bool HandBack(ListKind kind, const QStringList &items, ListReceiver *receiver);

} // namespace optolune
