#include "calcul.h"

#include <cmath>

namespace optolune {

namespace {

long double hyperfocalTerm(const OpticalSetup &s) { return s.f * s.f / (s.N * s.c); }

// The conjugates (u, v) for a subject-to-film distance: the roots of
// x^2 - t x + f t = 0 with t = D - dn, the subject taking the larger one.
// A product that lies just below zero (t within epsilon of 4f) counts as zero.
void conjugates(long double t, long double f, long double &u, long double &v)
{
    long double product = t * (t - 4 * f);
    long double r = product > 0 ? std::sqrt(product) : 0.0L;
    u = (t + r) / 2;
    v = (t - r) / 2;
}

constexpr long double kHyperfocalTolerance = 1e-12L;

// Front and rear depths of a subject at u for magnification G, with the
// pupil factor (1 + G/gp). A rear denominator that counts as zero (focus at
// the hyperfocal distance) is replaced by zeroRear, so that the rear depth
// turns into a huge negative number: sharp to infinity. Returns whether the
// focus lies at or beyond the hyperfocal distance.
bool depths(const OpticalSetup &s, long double G, long double u, long double H,
            long double zeroRear, long double &a, long double &b)
{
    const long double A = s.N * s.c * (G / s.gp + 1);
    a = A / (G * G * ((u - s.f) / H + 1));
    const long double relative = 1 - (u - s.f) / H;
    long double R = G * G * relative;
    if (std::fabs(relative) <= kHyperfocalTolerance)
        R = zeroRear;
    b = A / R;
    return relative <= kHyperfocalTolerance;
}

// Beyond the hyperfocal distance the far limit is infinite, which the program
// holds as a negative number. The rear-depth formula gives one as long as the
// rear depth outweighs the distance; with a short lens stopped far down it
// does not, and the far limit would read as a finite distance, even one in
// front of the near limit. Such a far limit takes the rear depth of a zero
// denominator instead; it is never the unfocusable sentinel -1.
bool farIsInfinite(long double far) { return far < 0 && far != -1; }

long double infiniteRearDepth(const OpticalSetup &s, long double G, long double zeroRear)
{
    return s.N * s.c * (G / s.gp + 1) / zeroRear;
}

} // namespace

bool FocusedAtOrBeyondHyperfocal(const OpticalSetup &s, long double u)
{
    return 1 - (u - s.f) / hyperfocalTerm(s) <= kHyperfocalTolerance;
}

int ComputeDepthAtDistance(const OpticalSetup &s, long double D, DofResult &r)
{
    const long double t = D - s.dn;
    if (t - 4 * s.f < -kEpsilon)
        return 1;
    long double u, v;
    conjugates(t, s.f, u, v);
    r.u = u;
    r.v = v;
    r.G = v / u;
    r.T = (v - s.f) * 1000;
    r.H = hyperfocalTerm(s);
    if (depths(s, r.G, u, r.H, -1e-17L, r.a, r.b) &&
        !(farIsInfinite(D + r.b) && farIsInfinite(u + r.b)))
        r.b = infiniteRearDepth(s, r.G, -1e-17L);
    r.p = r.a + r.b;
    r.nearFilm = D - r.a;
    r.farFilm = D + r.b;
    r.nearLens = u - r.a;
    r.farLens = u + r.b;
    r.vNear = r.nearLens * s.f / (r.nearLens - s.f);
    r.vFar = r.farLens * s.f / (r.farLens - s.f);
    r.dvNear = r.vNear - v;
    r.dvFar = v - r.vFar;
    r.dv = r.dvNear + r.dvFar;
    return 0;
}

int ComputeDepthAtHyperfocal(const OpticalSetup &s, DofResult &r)
{
    const long double H = hyperfocalTerm(s);
    // u = H + f gives u + v = (H + f)^2 / H.
    r.hFilm = (H + s.f) * (H + s.f) / H + s.dn;
    r.halfH = (s.f / s.gp + H) / 2;
    ComputeDepthAtDistance(s, r.hFilm, r);
    return 0;
}

int ComputeDepthAtInfinity(const OpticalSetup &s, DofResult &r)
{
    const long double H = hyperfocalTerm(s);
    r.nearLens = (H + s.f) - s.f / s.gp;
    r.vNear = r.nearLens * s.f / (r.nearLens - s.f);
    // Focused at infinity the film sits at v = f.
    r.nearFilm = r.nearLens + s.f + s.dn;
    r.dvNear = r.vNear - s.f;
    return 0;
}

int ComputeHyperfocalLimits(const OpticalSetup &s, DofResult &r)
{
    const long double H = hyperfocalTerm(s);
    r.nearInfLens = (H + s.f) - s.f / s.gp;
    r.nearHLens = (H + s.f) - (s.f / s.gp + H) / 2;
    r.hLens = H + s.f;
    return 0;
}

CellDepth ComputeCellDepthFromLens(const OpticalSetup &s, long double D)
{
    CellDepth cell;
    if (D - s.f < kEpsilon)
        return cell;
    const long double H = hyperfocalTerm(s);
    const long double G1 = s.f / (D - s.f);
    long double a, b;
    const bool sharp = depths(s, G1, D, H, -1e-13L, a, b);
    cell.near = D - a;
    cell.far = D + b;
    if (sharp && !farIsInfinite(cell.far))
        cell.far = D + infiniteRearDepth(s, G1, -1e-13L);
    const long double v = D * s.f / (D - s.f);
    cell.T = (v - s.f) * 1000;
    cell.G = v / D;
    return cell;
}

CellDepth ComputeCellDepthFromFilm(const OpticalSetup &s, long double D)
{
    CellDepth cell;
    const long double t = D - s.dn;
    if (t - 4 * s.f < -kEpsilon)
        return cell;
    long double u, v;
    conjugates(t, s.f, u, v);
    cell.G = v / u;
    cell.T = (v - s.f) * 1000;
    const long double H = hyperfocalTerm(s);
    const long double G1 = s.f / (u - s.f);
    long double a, b;
    const bool sharp = depths(s, G1, u, H, -1e-13L, a, b);
    cell.near = (u - a) + v + s.dn;
    cell.far = (u + b) + v + s.dn;
    if (sharp && !farIsInfinite(cell.far))
        cell.far = (u + infiniteRearDepth(s, G1, -1e-13L)) + v + s.dn;
    return cell;
}

} // namespace optolune
