// The numbers a refresh of the depth-of-field table computes from: the table
// window's field texts and list items read as decimal-comma numbers, after the
// fields have been checked and repaired.
#pragma once

#include "core/optics.h"

#include <QString>
#include <optional>
#include <vector>

namespace optolune {

struct TableState;

// A horizontal table shows at most this many distances.
inline constexpr int kMaxDistancesAcross = 100;

struct TableInputs {
    OpticalSetup setup;               // c, f, dn in metres, gp; N set per f-number
    long double circleMm = 0;
    long double focalMm = 0;
    long double bound = 1000;         // metres
    std::vector<long double> fNumbers;
    std::vector<long double> distances; // the distances the table shows (capped across)
    int decimals = 1;
    bool horizontal = false;
    bool fromFilm = true;
    bool showP = false, showAB = false, showH = false, showGT = false;
};

// The validation that runs before every refresh and option change: repairs
// EdGP, EdNod, EdCercle and EdFocale in place with the warnings of
// NumericField::Fit (an empty EdNod becomes "0,0", '.' becomes ','), then
// stops with "Créez une liste des distances" or "Créez une liste des
// diaphragmes" when a list is empty. Returns false when the action must stop.
bool ValidateTableFields(TableState &state);

// Reads the numbers of a validated state. A text that does not read (a list
// item or the bound, from a hand-edited or damaged table file) gives nullopt
// and the French text telling which one.
struct InputsResult {
    std::optional<TableInputs> inputs;
    QString fault;
};
InputsResult ReadTableInputs(const TableState &state);

// The number of distances the table shows: all of them down the rows, the
// first 100 across the columns.
int ShownDistanceCount(const TableState &state);

} // namespace optolune
