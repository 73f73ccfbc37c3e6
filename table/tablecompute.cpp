#include "tablecompute.h"

#include "cellpresentation.h"
#include "core/optics.h"
#include "core/numerictext.h"
#include "tableinputs.h"
#include "tablemodel.h"
#include "tablestate.h"

#include <QCoreApplication>

namespace optolune {

namespace {

// Special values are written with 8 significant digits at most.
constexpr int kPrecision = 8;

// Cells are addressed by f-number index k and distance index r (both from
// 1, 0 for the header): f-numbers run across a vertical table and down a
// horizontal one.
struct Layout {
    bool horizontal;
    int col(int k, int r) const { return horizontal ? r : k; }
    int row(int k, int r) const { return horizontal ? k : r; }
};

void put(TableModel &model, Layout at, int k, int r, QString text)
{
    model.setCell(at.col(k, r), at.row(k, r), std::move(text));
}

// A number of a special row followed by a second line "inf".
QString toInfinity(long double value, int decimals)
{
    QChar buffer[kFixedTextMaxLength + 4];
    int n = WriteFixedText(buffer, value, kPrecision, decimals);
    buffer[n++] = kCellLineBreak;
    for (const QChar c : QStringView(u"inf"))
        buffer[n++] = c;
    return QString(buffer, n);
}

} // namespace

void BuildHeaders(TableState &state, const TableInputs &in, TableModel &model)
{
    const int nDia = static_cast<int>(in.fNumbers.size());
    const int nDist = static_cast<int>(in.distances.size());
    state.nDia = nDia;
    state.nDist = nDist;

    const int alongFNumbers = nDia + 1 + (in.showGT ? 2 : 0);
    const int alongDistances = nDist + 2 + (in.showH ? 2 : 0);
    const Layout at{in.horizontal};
    if (in.horizontal)
        model.reset(alongDistances, alongFNumbers);
    else
        model.reset(alongFNumbers, alongDistances);
    model.nDia = nDia;
    model.nDist = nDist;
    model.horizontal = in.horizontal;
    model.fromFilm = in.fromFilm;
    model.defaultColumnWidth = state.columnWidth;
    model.headerColumnWidth = state.headerColumnWidth;
    model.defaultRowHeight = BodyRowHeight(in.showP, in.showAB);
    model.fixedRowHeight = kHeaderRowHeight;

    for (int k = 1; k <= nDia; ++k)
        put(model, at, k, 0, QStringLiteral("n=") + state.fNumbers[k - 1]);
    for (int r = 1; r <= nDist; ++r)
        put(model, at, 0, r, state.distances[r - 1]);
    // The row of a focus at infinity; nothing compares its header, which
    // reads as no distance (ReadNumber refuses it) in every language.
    put(model, at, 0, nDist + 1, QCoreApplication::translate("TableCompute", "Infini"));
    if (in.showH) {
        put(model, at, 0, nDist + 2, QStringLiteral("H"));
        put(model, at, 0, nDist + 3, QStringLiteral("h="));
    }
    if (in.showGT) {
        put(model, at, nDia + 1, 0, QStringLiteral("G"));
        put(model, at, nDia + 2, 0, QStringLiteral("T(mm)"));
    }
}

void FillCells(const TableInputs &in, TableModel &model)
{
    const Layout at{in.horizontal};
    const int nDia = static_cast<int>(in.fNumbers.size());
    const int nDist = static_cast<int>(in.distances.size());
    QChar buffer[kCellTextMaxLength]; // one cell's lines; the cell gets its exact text
    for (int r = 1; r <= nDist; ++r) {
        const long double D = in.distances[static_cast<size_t>(r - 1)];
        const FocusCells cells(in, D);
        CellDepth last;
        for (int k = 1; k <= nDia; ++k) {
            const TableCell cell = cells.at(in.fNumbers[static_cast<size_t>(k - 1)]);
            if (cell.nothingSharp) {
                put(model, at, k, r, NothingSharpText());
                continue;
            }
            // A distance that cannot be focused leaves its cell empty.
            if (!cell.depth.focused())
                continue;
            last = cell.depth;
            const int n = WriteCellText(buffer, D, last.near, last.farLimit(), in.bound,
                                        in.decimals, in.showP, in.showAB);
            put(model, at, k, r, QString(buffer, n));
        }
        // G and T do not depend on the f-number: one pair per distance, in
        // the "G" and "T(mm)" columns, none for a distance out of focus.
        if (in.showGT && nDia > 0) {
            if (!last.focused() && in.diffraction) // every cell of the row blurred by diffraction
                last = in.fromFilm ? ComputeCellDepthFromFilm(in.setup, D)
                                   : ComputeCellDepthFromLens(in.setup, D);
            if (last.focused()) {
                put(model, at, nDia + 1, r, FixedText(last.G, kPrecision, in.decimals));
                put(model, at, nDia + 2, r, FixedText(last.T, kPrecision, 1));
            }
        }
    }
}

void FillSpecialRows(const TableInputs &in, TableModel &model)
{
    const Layout at{in.horizontal};
    const int nDia = static_cast<int>(in.fNumbers.size());
    const int nDist = static_cast<int>(in.distances.size());
    const int d = in.decimals;
    for (int k = 1; k <= nDia; ++k) {
        const std::optional<OpticalSetup> setup =
            SpecialRowsSetup(in, in.fNumbers[static_cast<size_t>(k - 1)]);
        if (!setup) {
            for (int row = nDist + 1; row <= nDist + (in.showH ? 3 : 1); ++row)
                put(model, at, k, row, NothingSharpText());
            continue;
        }
        DofResult r;
        if (in.fromFilm) {
            ComputeDepthAtInfinity(*setup, r);
            put(model, at, k, nDist + 1, toInfinity(r.nearFilm, d));
            if (in.showH) {
                ComputeDepthAtHyperfocal(*setup, r);
                put(model, at, k, nDist + 2, toInfinity(r.nearFilm, d));
                // From the film the hyperfocal distance is one number.
                put(model, at, k, nDist + 3, FixedText(r.hFilm, kPrecision, d));
            }
        } else {
            ComputeHyperfocalLimits(*setup, r);
            put(model, at, k, nDist + 1, toInfinity(r.nearInfLens, d));
            if (in.showH) {
                put(model, at, k, nDist + 2, toInfinity(r.nearHLens, d));
                put(model, at, k, nDist + 3, toInfinity(r.hLens, d));
            }
        }
    }
}

TableReport RefreshTable(TableState &state, TableModel &model)
{
    TableReport report;
    if (!report.take(ValidateTableFields(state)))
        return report;
    const InputsResult read = ReadTableInputs(state);
    if (!read.inputs) {
        report.say(Notice::Kind::Warning, read.fault);
        return report;
    }
    const TableInputs &in = *read.inputs;
    const long double limit = ComputeFNumberLimit(in.circleMm, in.focalMm);

    BuildHeaders(state, in, model);
    model.fNumberLimit = limit;
    model.beyondLimit.assign(in.fNumbers.size(), false);
    for (size_t i = 0; i < in.fNumbers.size(); ++i)
        model.beyondLimit[i] = in.fNumbers[i] > limit;
    FillCells(in, model);
    FillSpecialRows(in, model);
    report.done = true;
    return report;
}

} // namespace optolune
