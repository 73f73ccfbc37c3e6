// The variations calculator's computation: one setting at a time (circle of
// confusion, focal length, nodal distance, pupil magnification, f-number and
// focusing distance, all as the decimal-comma texts of the window's fields)
// gives the fourteen result texts and their colour. Pure: it reads and writes
// no window. The optics are calcul's; this unit chooses which of them to use,
// derives the depths and shares, and rounds every number for its field.
#pragma once

#include "core/diffraction.h"
#include "core/diffractiontext.h"
#include "core/optics.h"

#include <QString>
#include <array>
#include <optional>

namespace optolune {

// What the window hands over: the six parameter texts and three choices.
struct VariationsInput {
    QString cText;  // EdCercle: circle of confusion, mm
    QString fText;  // EdFocale: focal length, mm
    QString dnText; // EdNod: nodal distance, mm, signed
    QString gpText; // EdGP: pupil magnification
    QString dText;  // EdDist: focusing distance, m, from the film plane or the lens
    QString nText;  // EdDia: f-number
    bool fromFilm = true; // DistFilmBtn down: distances from the film plane
    bool macro = false;   // CheckMacro: the conjugate with a magnification above 1
    int decimals = 3;     // ComboNbDecim: distances, depths and G
    // CheckDiffraction: the depths count the Airy disc of the working
    // f-number, the circle left to defocus being c' (core/diffraction).
    bool diffraction = false;
    long double wavelengthUm = kWavelengthDefaultUm;
    BlurModel blurModel = BlurModel::RootSumSquare;
};

// The fourteen result fields, in the order of their controls.
enum class ResultField {
    Ta,        // EdTa: near limit (m)
    Tp,        // EdTp: far limit (m)
    Prof,      // EdProf: depth of field p
    A,         // EdA: depth in front of the focused plane
    B,         // EdB: depth behind it
    Apc,       // edapc: share of p in front, " %"
    Bpc,       // Edbpc: share of p behind, " %"
    A1,        // EdA1: u, from the front nodal point
    A2,        // EdA2: v, from the rear nodal point
    Grandiss,  // EdGrandiss: magnification v/u
    Tirage,    // EdTirage: extension (mm)
    HyperA,    // EdHyperA: hyperfocal distance
    Hyper,     // EdHyper: near limit focused at infinity
    DemiHyper, // EdDemiHyper: near limit focused at the hyperfocal distance
};
inline constexpr int kResultFieldCount = 14;
inline constexpr std::array<const char *, kResultFieldCount> kResultFieldNames = {
    "EdTa", "EdTp", "EdProf", "EdA", "EdB", "edapc", "Edbpc",
    "EdA1", "EdA2", "EdGrandiss", "EdTirage", "EdHyperA", "EdHyper", "EdDemiHyper"};

// Results up to limitingN are shown blue (0, 0, 255), beyond it grey
// (128, 128, 128).
enum class ResultColour { Blue, Grey };

struct VariationsResult {
    enum Status {
        Done = 0,
        Unfocusable = -1, // the distance cannot be focused
        Unusable = -2,    // c, f, gp or N not above zero, or a result not finite
        Unreadable = -3,  // a parameter text is no number: `error` says which
        NothingSharp = -4, // with diffraction: the Airy disc reaches c
    };
    int status = Unfocusable;
    std::array<QString, kResultFieldCount> texts; // all empty unless Done
    ResultColour colour = ResultColour::Blue;      // meaningful when Done only
    QString error;                                 // the conversion message
    // With diffraction: the Airy disc of the setting's working f-number and
    // the circle it leaves to defocus (mm); NothingSharp has the disc only.
    std::optional<long double> diffractionMm, effectiveCircleMm;

    const QString &text(ResultField field) const { return texts[static_cast<int>(field)]; }
};

// The depth of one setting. status 0, or -1 when d cannot be focused
// (nothing else is set then).
struct SettingDepth {
    int status = -1;
    long double near = 0, far = 0; // limits, from the same origin as d
    long double u = 0, v = 0;      // conjugates from the nodal points

    Limit farLimit() const { return status == 0 ? FarLimitOf(far) : Limit{}; }
};

// d from the film plane (fromFilm) or from the front nodal point, through
// the optics' cells (ComputeCellDepthFromFilm, ComputeCellDepthFromLens).
// From the film, of the two conjugates for d - dn the subject takes the
// larger one, or the smaller one with `macro`. A focus at or beyond the
// hyperfocal distance gives a negative far limit (sharp to infinity).
SettingDepth ComputeSettingDepth(const OpticalSetup &setup, long double d, bool fromFilm,
                                 bool macro);

// The largest f-number shown in the normal colour, with c and f in
// millimetres: VariationsLimitingFNumber (core/diffraction), the smaller of
// the f-number from which diffraction may become perceptible for that circle
// (c / 0,00135383) and f / (2 c).
long double LimitingN(long double cMm, long double fMm);

VariationsResult ComputeVariations(const VariationsInput &input);

// Why a setting shows no result, for the window's status bar: the distance
// cannot be focused (closer to the film than 4f + dn, or not beyond the focal
// length from the lens), or the parameters give no depth of field. Empty for a
// computed setting and for an unreadable one (its message says why).
QString NoResultText(const VariationsResult &result, bool fromFilm);

// The status bar's account of diffraction for a computed setting: the Airy
// disc d and the circle c' it leaves; empty without diffraction.
QString DiffractionStatusText(const VariationsResult &result, long double wavelengthUm);

} // namespace optolune
