// Depth-of-field optics of a lens with separated nodal points and a pupil
// magnification, in x86-64 extended precision. Pure functions of their inputs:
// no state, no files, no windows.
#pragma once

#include <cmath>
#include <optional>

namespace optolune {

// Inputs of every operation. Lengths in metres; the windows convert c, f and dn
// from millimetres before calling.
struct OpticalSetup {
    long double c = 0;  // diameter of the circle of confusion
    long double f = 0;  // focal length
    long double dn = 0; // nodal distance, signed: negative when the rear nodal point lies in front
    long double gp = 1; // pupil magnification (exit pupil / entrance pupil)
    long double N = 0;  // f-number
};

// Results. Each operation writes only the fields it documents and leaves the
// others as they were.
struct DofResult {
    long double u = 0, v = 0;        // conjugates from the nodal points
    long double G = 0;               // magnification v/u
    long double T = 0;               // extension v - f, in millimetres
    long double H = 0;               // hyperfocal term f^2/(N c)
    long double a = 0, b = 0;        // front and rear depths
    long double nearFilm = 0, farFilm = 0;
    long double nearLens = 0, farLens = 0;
    long double vNear = 0, vFar = 0;
    long double dvNear = 0, dvFar = 0;
    long double p = 0, dv = 0;       // total depths on the subject and image sides
    long double halfH = 0;           // front depth when focused at the hyperfocal distance
    long double hFilm = 0;           // hyperfocal distance from the film plane
    long double nearInfLens = 0, nearHLens = 0, hLens = 0;
};

// A limit of sharpness: a distance, sharp to infinity, or none at all
// because the focusing distance cannot be focused. The table, the variations
// calculator and the chart compose what they show from the kind; value is
// the number the limit is held as (the distance in metres, a negative number
// for infinity, -1 for a distance that cannot be focused), the one files and
// the command line write.
struct Limit {
    enum class Kind { Distance, Infinity, CannotFocus };
    Kind kind = Kind::CannotFocus;
    long double value = -1;

    bool isDistance() const { return kind == Kind::Distance; }
    bool isInfinity() const { return kind == Kind::Infinity; }
    bool cannotFocus() const { return kind == Kind::CannotFocus; }
};

// The far limit of a focused distance held as a number: a negative one is
// sharp to infinity.
inline Limit FarLimitOf(long double far)
{
    return {far < 0 ? Limit::Kind::Infinity : Limit::Kind::Distance, far};
}

// One cell of the table, held as numbers: near = far = -1 when the distance
// cannot be focused; any other negative far limit means sharp to infinity.
// nearLimit() and farLimit() say which. G and T are left unset for an
// unfocusable distance.
struct CellDepth {
    long double near = -1;
    long double far = -1;
    long double G = 0;
    long double T = 0; // millimetres

    bool focused() const { return near != -1; }
    Limit nearLimit() const { return focused() ? Limit{Limit::Kind::Distance, near} : Limit{}; }
    Limit farLimit() const { return focused() ? FarLimitOf(far) : Limit{}; }
};

inline constexpr long double kEpsilon = 1e-17L;

// A rear-depth denominator within this fraction of G1^2 of zero is a focus at
// the hyperfocal distance up to rounding.
inline constexpr long double kHyperfocalTolerance = 1e-12L;

// The two conjugates of a subject-to-film distance (less the nodal distance)
// t >= 4f: the roots of x^2 - t x + f t = 0. The subject normally takes the
// larger, the film the smaller. The smaller is taken as f t / larger (the
// product of the roots) rather than (t - r) / 2, which loses digits to
// cancellation when the subject is far. A product just below zero (t within
// epsilon of 4f) counts as zero: both roots are 2f.
struct Conjugates {
    long double larger = 0, smaller = 0;
};

inline Conjugates ConjugatesOf(long double t, long double f)
{
    const long double product = t * (t - 4 * f);
    const long double r = product > 0 ? std::sqrt(product) : 0.0L;
    const long double larger = (t + r) / 2;
    return {larger, f * t / larger};
}

// The extension v - f, in millimetres, of a subject at u from the front nodal
// point: f^2 / (u - f) by the thin-lens relation, which keeps its digits where
// v - f would cancel.
inline long double ExtensionMm(long double u, long double f) { return f * f / (u - f) * 1000; }

// Front depth a and rear depth b of a subject at u from the front nodal point
// for the magnification G1 = f / (u - f), with the pupil factor (1 + G1/gp)
// and H = f^2 / (N c). A rear denominator G1^2 (1 - (u - f)/H) that counts as
// zero (focus at the hyperfocal distance) is replaced by zeroRear, negative,
// so that the rear depth turns into a huge negative number: sharp to
// infinity. Returns whether the focus lies at or beyond the hyperfocal
// distance.
inline bool FrontAndRearDepths(const OpticalSetup &s, long double G1, long double u,
                               long double zeroRear, long double &a, long double &b)
{
    const long double H = s.f * s.f / (s.N * s.c);
    const long double A = s.N * s.c * (G1 / s.gp + 1);
    a = A / (G1 * G1 * ((u - s.f) / H + 1));
    const long double relative = 1 - (u - s.f) / H;
    const long double R = std::fabs(relative) <= kHyperfocalTolerance ? zeroRear
                                                                       : G1 * G1 * relative;
    b = A / R;
    return relative <= kHyperfocalTolerance;
}

// True when a subject at u from the front nodal point is focused at or beyond
// the hyperfocal distance (u - f >= H), so that everything behind it is sharp
// to infinity. The rear depth's denominator G1^2 (1 - (u - f)/H) is then zero
// or negative. A focus set exactly at the hyperfocal distance leaves it a few
// units of its last place off zero after rounding, so a denominator within
// 1e-12 G1^2 of zero counts as zero.
bool FocusedAtOrBeyondHyperfocal(const OpticalSetup &s, long double u);

// D is the subject-to-film distance. Returns 0, or 1 when D cannot be focused
// (closer than 4f + dn); nothing is written then.
int ComputeDepthAtDistance(const OpticalSetup &s, long double D, DofResult &r);
int ComputeDepthAtHyperfocal(const OpticalSetup &s, DofResult &r);
int ComputeDepthAtInfinity(const OpticalSetup &s, DofResult &r);
int ComputeHyperfocalLimits(const OpticalSetup &s, DofResult &r);

// The magnification v/u of a focus at D, measured from the film plane or
// from the front nodal point, as the cell of that distance gives it; nothing
// when D cannot be focused. It depends neither on the f-number nor on the
// circle.
std::optional<long double> FocusMagnification(const OpticalSetup &s, long double D, bool fromFilm);

// D measured from the front nodal point.
CellDepth ComputeCellDepthFromLens(const OpticalSetup &s, long double D);
// D measured from the film plane: of the two conjugates of D - dn the subject
// takes the larger, or with `macro` the smaller (a magnification above 1).
CellDepth ComputeCellDepthFromFilm(const OpticalSetup &s, long double D, bool macro = false);
// The focus with the subject at u from the front nodal point and the film at
// v from the rear one; the limits are measured from the film plane.
CellDepth ComputeCellDepthAtConjugates(const OpticalSetup &s, long double u, long double v);

} // namespace optolune
