// The kinds of value lists; the program-wide ranges of their values are
// ValueLimits (core/valuelimits.h).
//
// Nothing here fails: ListKindFromPrefix says by its result whether a text
// names a kind.
#pragma once

#include "core/valuelimits.h"

#include <QString>

namespace optolune {

enum class ListKind { Dia, Dis, Foc, Cer, Cgr };

// "cbxdia", "cbxdis", "cbxfoc", "cbxcer", "cbxcgr": the prefix of the kind's files.
QString ListPrefix(ListKind kind);
// The kind of a prefix; false when the text is none of the five.
bool ListKindFromPrefix(const QString &prefix, ListKind &kind);

// Which of the two callers' wordings the editor's texts take: the range line
// of distances and the hint of the theoretical-list button differ between
// the depth-of-field table and the variations calculator.
enum class ListWording { Table, Variations };

// Digits after the comma of the kind's values: 1 f-numbers and focal
// lengths, 2 distances, 3 circle diameters (0 for the grid kind).
int ListDecimals(ListKind kind);

} // namespace optolune
