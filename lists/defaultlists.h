// The lists the user does not type: the default list of each kind (the stored
// list "D", Data/<prefix>7.stf) and the theoretical f-numbers; and how the
// table window and the variations calculator get them through the list editor
// without showing it.
#pragma once

#include "listkind.h"
#include "listreceiver.h"

#include "core/messages.h"

#include <QString>
#include <QStringList>

namespace optolune {

// The 33 f-numbers from 1 to 256 by half stops, written with one decimal:
// 1,0 1,2 1,4 1,7 2,0 ... 181,0 215,3 256,0.
QStringList TheoreticalFNumbers();

// The line of the editor's bottom field Edaffiche: the kind's range in that
// caller's wording, e.g. "Diaphragme min.: 1,0      Diaphragme max.: 256,0".
// Empty for the grid kind.
QString RangeLine(ListWording wording, ListKind kind);

// The caption a caller gives the editor before it opens ("Diaphragmes",
// "Distances de mise au point", "Focales", "Diamètres du cercle de confusion");
// the editor replaces it with its own when it becomes active.
QString CallerCaption(ListKind kind);

enum class ListSource {
    DefaultList,     // LoadDefaultList: "bug" when the file is missing
    TheoreticalList, // BuildTheoreticalList: f-numbers only
};

// The driven use of the editor: runs the list source on a fresh editor of that
// kind, checks every item and runs Ok,
// so the receiver gets the list as if the user had pressed Ok. handedBack is
// true when a list was handed back; false when the source gave no item (a
// missing default list, with its notice "bug") or the receiver does not
// accept the kind. The notices are the source's, for the caller's window to show. Errors
// of the source (unreadable file, an item that is no number) are thrown as
// UserError and nothing is handed back.
struct ListSourceResult {
    bool handedBack = false;
    Notices notices;
};
[[nodiscard]] ListSourceResult RunListSource(const QString &dataFolder, ListKind kind,
                                             ListSource source, ListReceiver *receiver);

} // namespace optolune
