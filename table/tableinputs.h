// The numbers a refresh of the depth-of-field table computes from: the table
// window's field texts and list items read as decimal-comma numbers, after the
// fields have been checked and repaired.
#pragma once

#include "core/diffraction.h"
#include "core/optics.h"
#include "tablereport.h"

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
    bool diffraction = false;
    long double wavelengthUm = kWavelengthDefaultUm;
    BlurModel blurModel = BlurModel::RootSumSquare;
};

// One cell: its depth, or that diffraction alone blurs more than the circle
// (nothing is sharp there, whatever the focus).
struct TableCell {
    CellDepth depth;     // near = far = -1 for a distance that cannot be focused
    bool nothingSharp = false;
};

// The cells of one focusing distance D, f-number by f-number. Without
// diffraction a cell is the depth of the lens's circle; with it, the depth of
// the circle c' left by the Airy disc of the working f-number N (1 + G/gp),
// G the magnification of the focus.
class FocusCells {
public:
    FocusCells(const TableInputs &in, long double D);
    TableCell at(long double N) const;

private:
    OpticalSetup m_setup;
    long double m_circleMm;
    long double m_wavelengthUm;
    BlurModel m_blurModel;
    bool m_fromFilm;
    bool m_diffraction;
    long double m_D;
    std::optional<long double> m_G; // only computed with diffraction
};

// The lens set for the rows Infini, H and h= at the f-number N: the circle c
// itself, or with diffraction the c' of a focus at infinity (G = 0); nothing
// when nothing is sharp there.
std::optional<OpticalSetup> SpecialRowsSetup(const TableInputs &in, long double N);

// The validation that runs before every refresh and option change: repairs
// EdGP, EdNod, EdCercle and EdFocale in place, returning the warnings of
// NumericField::Fit in order (an empty EdNod becomes "0,0", '.' becomes ','),
// then stops with the information "Créez une liste des distances" or "Créez
// une liste des diaphragmes" when a list is empty. Not done when the action
// must stop.
TableReport ValidateTableFields(TableState &state);

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
