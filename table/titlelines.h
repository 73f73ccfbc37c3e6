// The lines that head every printed page of a depth-of-field table: the
// title and format, the four lens parameters, the comment when the user asked
// for it, and the program's name and version.
#pragma once

#include <QStringList>

namespace optolune {

struct TableState;

// From the texts of the state as the last refresh repaired them:
//   title + SEP + "format " + format + SEP + "distances PF" (or "PL"),
//     then SEP + "avec diffraction (λ 0,55 µm)" when the table counts it
//   "f= " focal "mm" SEP "c= " circle " mm" SEP "dn= " nodal "mm" SEP "gp= " pupil
//   the comment, only when `printComment`
//   "Optolune" + SEP + versionText
//   an empty line
// where SEP is seven spaces. "c= " alone is followed by " mm" with a space.
// The words follow the user's language, the numbers of the lens too.
QStringList ComposeTitleLines(const TableState &state, const QString &title, bool printComment,
                              const QString &versionText);

} // namespace optolune
