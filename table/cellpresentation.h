// How the numbers of the table become cell texts, and the handlers of the
// controls that govern the look of the table: the number of decimals, the
// distance bound above which one decimal is enough, the column width.
#pragma once

#include "core/numerictext.h"
#include "core/optics.h"
#include "tablereport.h"

#include <QString>

namespace optolune {

struct TableState;
class TableModel;

// The text of a cell whose distance could be focused: the near limit, then
// the far limit, then on demand "p=" total depth, "a=" front depth and "b="
// rear depth, one per line (kCellLineBreak between them). A far limit sharp
// to infinity reads "inf". Below the bound the chosen
// number of decimals is used, from it on one decimal at most (none when none
// is chosen); beyond 99 m a finite
// far limit makes every value but the front depth whole metres.
QString ComposeCellText(long double D, long double near, const Limit &far, long double bound,
                        int decimals, bool showP, bool showAB);
// The far limit held as a number (negative: sharp to infinity).
inline QString ComposeCellText(long double D, long double near, long double far, long double bound,
                               int decimals, bool showP, bool showAB)
{
    return ComposeCellText(D, near, FarLimitOf(far), bound, decimals, showP, showAB);
}
// The same written into out, which has room for kCellTextMaxLength
// characters; returns how many were written.
inline constexpr int kCellTextMaxLength = 5 * (kFixedTextMaxLength + 3);
int WriteCellText(QChar *out, long double D, long double near, const Limit &far, long double bound,
                  int decimals, bool showP, bool showAB);

// The single line of a cell where diffraction alone blurs more than the
// circle: nothing is sharp there.
inline QString NothingSharpText() { return QStringLiteral("diffraction"); }

// Height of the body rows: 16 pixels per line of a cell (2 to 5 lines).
int BodyRowHeight(bool showP, bool showAB);
inline constexpr int kHeaderRowHeight = 20;

// The f-number beyond which the table greys a column: TableGreyingFNumber
// (core/diffraction), the smaller of 530 c, where diffraction starts to
// show, and f / 2c (c and f in mm).
long double ComputeFNumberLimit(long double circleMm, long double focalMm);

// " Diaphragmes:" + nDia + five spaces + " distances:" + nDist, the line the
// information button shows while it is held down.
QString InfoLineText(int nDia, int nDist);

// ComboNbDecim changed to index (0 to 8): sets the column widths (more
// decimals need wider columns) and refreshes. Returns the width the spinner
// must show, whether the refresh rebuilt the table and its messages.
struct DecimalsChoice {
    int spinnerWidth;
    bool refreshed;
    Notices messages;
};
DecimalsChoice ApplyDecimalsChoice(TableState &state, TableModel &model, int index);

// SpinLargCol changed: a width outside 40..90 is reset to 40. The header
// column goes back to 40. The table is not recomputed; the model's widths
// follow. Returns the width applied (the spinner must show it).
int ApplyColumnWidth(TableState &state, TableModel &model, int width);

// A click in EdLimDec: the distance of the selected cell becomes the bound
// and the table is refreshed. A cell with no distance (the "Infini", "H" and
// "h=" rows, a header) returns the warning "La valeur sélectionnée ne
// convient pas" and changes nothing. Done when the table was refreshed.
TableReport TakeBoundFromSelection(TableState &state, TableModel &model, int selectedCol,
                                   int selectedRow);

// A double click in EdLimDec: the bound goes back to 1000 and the table is
// refreshed.
TableReport ResetBound(TableState &state, TableModel &model);

} // namespace optolune
