// The kinds of value lists and the program-wide ranges of their values. The
// same bounds check the fields of the table window and of the variations
// calculator.
#pragma once

#include <QString>

namespace optolune {

enum class ListKind { Dia, Dis, Foc, Cer, Cgr };

// "cbxdia", "cbxdis", "cbxfoc", "cbxcer", "cbxcgr": the prefix of the kind's files.
QString ListPrefix(ListKind kind);
// The kind of a prefix; false when the text is none of the five.
bool ListKindFromPrefix(const QString &prefix, ListKind &kind);

namespace ValueLimits {
inline constexpr long double DiaMin = 1;
inline constexpr long double DiaMax = 256;
inline constexpr long double DistMin = 0.03L;
inline constexpr long double DistEntryMin = 0.001L; // a typed distance or a section start
inline constexpr long double DistMax = 900;
inline constexpr long double FocMin = 10;
inline constexpr long double FocMax = 1200;
inline constexpr long double CerMin = 0.005L;
inline constexpr long double CerMax = 0.5L;
} // namespace ValueLimits

// Digits after the comma of the kind's values: 1 f-numbers and focal
// lengths, 2 distances, 3 circle diameters (0 for the grid kind).
int ListDecimals(ListKind kind);

// The kind the list editor works on, set by the window that opens it; empty
// until a window sets it.
QString &CurrentListKind();

} // namespace optolune
