// Focus stacking: when one frame cannot hold a near and a far subject sharp
// (or the f-number it needs is past the diffraction limit), several frames
// focused at steps whose sharp zones overlap are merged later. The plan is
// made in image space, the focus spread's way: image distances a measured
// from the exit pupil (gp f at infinity, gp f + extension in general). A
// frame with its film at a holds sharp the images as with
// (gp f / N) |a - as| / as <= c, that is as between a / (1 + k') and
// a / (1 - k'), k' = c N / (gp f). Each frame is planned for the blur o c,
// o the overlap factor, so that the zones for the full c overlap; the frames
// share the range in equal ratios, so every step moves the rail by the same
// proportion and no frame is wasted.
//
// The rear standard focuses: each frame's distance from the film is measured
// from that frame's own film position. Pure: numbers in, a plan or a reason
// out.
#pragma once

#include "core/diffraction.h"

#include <QString>
#include <optional>
#include <vector>

namespace optolune {

inline constexpr long double kOverlapMin = 0.5L;
inline constexpr long double kOverlapMax = 1;
inline constexpr long double kOverlapDefault = 0.8L;
inline constexpr int kStackFramesMax = 999;

struct StackInput {
    // The lens, lengths in millimetres; distances from the film plane or from
    // the front nodal point; macro: of the two focusing solutions of a
    // distance from the film, the one with a magnification above 1.
    long double cMm = 0, fMm = 0, gp = 1, dnMm = 0;
    bool fromFilm = true;
    bool macro = false;
    long double N = 0;
    long double overlap = kOverlapDefault;
    // The two subjects: three rail readings (mm, growing with the extension:
    // at infinity, focused on the near subject, on the far one), or two
    // distances in metres in the window's origin, the far one possibly
    // infinite.
    struct Readings {
        long double infinityMm = 0, nearMm = 0, farMm = 0;
    };
    std::optional<Readings> readings;
    long double nearM = 0, farM = 0;
    // Diffraction: the plan uses the effective circle at the nearest image,
    // the smallest over the range.
    bool diffraction = false;
    long double wavelengthUm = kWavelengthDefaultUm;
    BlurModel model = BlurModel::RootSumSquare;
};

struct StackFrame {
    int number = 0;                  // 1 for the farthest
    long double imageMm = 0;         // the film, from the exit pupil
    std::optional<long double> railMm; // where to set the standard, when readings were given
    long double distanceM = 0;       // the focus, in the window's origin
    long double nearM = 0, farM = 0; // the sharp zone for the circle used
    bool farInfinite = false;        // sharp to infinity
};

// BadInput: a value outside what the fields accept (the command line's usage
// error); Impossible: acceptable values that allow no plan.
enum class StackStatus { Ok, BadInput, Impossible };

struct StackPlan {
    StackStatus status = StackStatus::Ok;
    QString message; // in French, when status is not Ok
    long double circleMm = 0;           // the circle the plan uses: c, or c' with diffraction
    long double nearImageMm = 0, farImageMm = 0;
    std::vector<StackFrame> frames;     // farthest first
};

StackPlan PlanFocusStack(const StackInput &input);

// The stacking window's fields as typed (decimal comma, a '.' taken as
// one): the lens, the f-number, the overlap, and the subjects as three rail
// readings or as two distances ("inf" or "infini" for the far one).
struct StackFields {
    QString circle, focal, nodal, gp, fNumber, overlap;
    bool fromFilm = true, macro = false;
    bool fromReadings = true;
    QString railInfinity, railNear, railFar;
    QString nearDistance, farDistance;
    bool diffraction = false;
    long double wavelengthUm = kWavelengthDefaultUm;
    BlurModel model = BlurModel::RootSumSquare;
};

struct StackFieldsReading {
    std::optional<StackInput> input;
    QString message; // when input is empty: which field, and why
};

StackFieldsReading ReadStackFields(const StackFields &fields);

class TableModel;

// The plan as a table: a header row (vue, rail, distance, proche, lointain),
// then a row per frame, farthest first; the rail reading with 2 decimals
// (empty without readings), distances with `decimals`, "inf" when sharp to
// infinity. The same text whether copied, exported or printed.
TableModel StackPlanTable(const StackPlan &plan, int decimals);

} // namespace optolune
