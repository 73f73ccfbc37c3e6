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

// Front and rear depths of a subject at u for magnification G, with the
// pupil factor (1 + G/gp). zeroRear replaces an exactly zero rear
// denominator (focus exactly at the hyperfocal distance), so that the rear
// depth turns into a huge negative number: sharp to infinity.
void depths(const OpticalSetup &s, long double G, long double u, long double H,
            long double zeroRear, long double &a, long double &b)
{
    long double A = s.N * s.c * (G / s.gp + 1);
    a = A / (G * G * ((u - s.f) / H + 1));
    long double R = G * G * (1 - (u - s.f) / H);
    if (R == 0)
        R = zeroRear;
    b = A / R;
}

} // namespace

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
    depths(s, r.G, u, r.H, -1e-17L, r.a, r.b);
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
    depths(s, G1, D, H, -1e-13L, a, b);
    cell.near = D - a;
    cell.far = D + b;
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
    depths(s, G1, u, H, -1e-13L, a, b);
    cell.near = (u - a) + v + s.dn;
    cell.far = (u + b) + v + s.dn;
    return cell;
}

} // namespace optolune
