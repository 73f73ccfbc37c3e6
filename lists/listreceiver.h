// How the list editor hands its result back without knowing who opened it.
// The opener passes a receiver and a caller tag; the tag decides which kinds
// the caller takes: "pc" (the depth-of-field table) takes f-numbers and
// distances, "valisol" (the variations calculator) the four value kinds, and
// any other tag takes nothing.
#pragma once

#include "listkind.h"

#include <QString>
#include <QStringList>

namespace optolune {

inline constexpr char16_t TableCallerTag[] = u"pc";
inline constexpr char16_t VariationsCallerTag[] = u"valisol";
// The tag of an editor that no caller has set up: Ok hands nothing back.
inline constexpr char16_t NoCallerTag[] = u"Edit2";

class ListReceiver {
public:
    virtual ~ListReceiver() = default;
    // The checked items of the editor, in list order, replace the caller's list
    // of that kind. The table then rebuilds itself; the variations calculator
    // selects the list's first item.
    virtual void replaceList(ListKind kind, const QStringList &items) = 0;
};

// True when a caller with that tag takes lists of that kind.
bool CallerTakesKind(const QString &tag, ListKind kind);

// Delivers the items to the receiver when the tag takes the kind; returns
// whether anything was delivered. A null receiver takes nothing.
bool HandBack(const QString &tag, ListKind kind, const QStringList &items,
              ListReceiver *receiver);

} // namespace optolune
