#include "optics.h"

#include <cmath>

namespace optolune {

namespace {

long double hyperfocalTerm(const OpticalSetup &s) { return s.f * s.f / (s.N * s.c); }

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

namespace {

// Everything ComputeDepthAtDistance writes, for a subject at u from the front
// nodal point and the film at v from the rear one (D = u + v + dn).
void depthAtConjugates(const OpticalSetup &s, long double D, long double u, long double v,
                       DofResult &r)
{
    r.u = u;
    r.v = v;
    r.G = v / u;
    r.T = ExtensionMm(u, s.f);
    r.H = hyperfocalTerm(s);
    if (FrontAndRearDepths(s, r.G, u, -1e-17L, r.a, r.b) &&
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
}

} // namespace

int ComputeDepthAtDistance(const OpticalSetup &s, long double D, DofResult &r)
{
    const long double t = D - s.dn;
    if (t - 4 * s.f < -kEpsilon)
        return 1;
    const Conjugates c = ConjugatesOf(t, s.f);
    depthAtConjugates(s, D, c.larger, c.smaller, r);
    return 0;
}

int ComputeDepthAtHyperfocal(const OpticalSetup &s, DofResult &r)
{
    const long double H = hyperfocalTerm(s);
    // The subject at u = H + f; the film at v = f (H + f) / H, so that
    // u + v = (H + f)^2 / H. When H < f (a circle larger than f/N) v is the
    // larger of the two conjugates of that distance, and the subject is still
    // the one at H + f.
    const long double u = H + s.f;
    const long double v = s.f * u / H;
    r.hFilm = u * u / H + s.dn;
    r.halfH = (s.f / s.gp + H) / 2;
    depthAtConjugates(s, r.hFilm, u, v, r);
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

std::optional<long double> FocusMagnification(const OpticalSetup &s, long double D, bool fromFilm)
{
    if (!fromFilm) {
        if (D - s.f < kEpsilon)
            return std::nullopt;
        const long double v = D * s.f / (D - s.f);
        return v / D;
    }
    const long double t = D - s.dn;
    if (t - 4 * s.f < -kEpsilon)
        return std::nullopt;
    const Conjugates c = ConjugatesOf(t, s.f);
    return c.smaller / c.larger;
}

CellDepth ComputeCellDepthFromLens(const OpticalSetup &s, long double D)
{
    CellDepth cell;
    if (D - s.f < kEpsilon)
        return cell;
    const long double G1 = s.f / (D - s.f);
    long double a, b;
    const bool sharp = FrontAndRearDepths(s, G1, D, -1e-13L, a, b);
    cell.near = D - a;
    cell.far = D + b;
    if (sharp && !farIsInfinite(cell.far))
        cell.far = D + infiniteRearDepth(s, G1, -1e-13L);
    const long double v = D * s.f / (D - s.f);
    cell.T = ExtensionMm(D, s.f);
    cell.G = v / D;
    return cell;
}

CellDepth ComputeCellDepthFromFilm(const OpticalSetup &s, long double D, bool macro)
{
    const long double t = D - s.dn;
    if (t - 4 * s.f < -kEpsilon)
        return CellDepth{};
    const Conjugates c = ConjugatesOf(t, s.f);
    return macro ? ComputeCellDepthAtConjugates(s, c.smaller, c.larger)
                 : ComputeCellDepthAtConjugates(s, c.larger, c.smaller);
}

CellDepth ComputeCellDepthAtConjugates(const OpticalSetup &s, long double u, long double v)
{
    CellDepth cell;
    cell.G = v / u;
    cell.T = ExtensionMm(u, s.f);
    const long double G1 = s.f / (u - s.f);
    long double a, b;
    const bool sharp = FrontAndRearDepths(s, G1, u, -1e-13L, a, b);
    cell.near = (u - a) + v + s.dn;
    cell.far = (u + b) + v + s.dn;
    if (sharp && !farIsInfinite(cell.far))
        cell.far = (u + infiniteRearDepth(s, G1, -1e-13L)) + v + s.dn;
    return cell;
}

} // namespace optolune
