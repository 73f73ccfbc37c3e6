#include "diffraction.h"

#include <cmath>

namespace optolune {

namespace {

// The Airy disc is 2,44 lambda N across; a micrometre is 0,001 mm.
constexpr long double kAiryFactor = 2.44L;
long double micrometresToMm(long double um) { return um / 1000; }

// Over the spread, defocus is k1 / N and diffraction k2 N, with
// k1 = gp f (an - af) / (an + af) and k2 = 2,44 lambda a / (gp f).
long double defocusFactor(const SpreadOptics &s)
{
    return s.gp * s.focalMm * (s.nearMm - s.farMm) / (s.nearMm + s.farMm);
}

long double diffractionFactor(const SpreadOptics &s)
{
    return kAiryFactor * micrometresToMm(s.wavelengthUm) * SpreadFilmMm(s) / (s.gp * s.focalMm);
}

} // namespace

long double DefocusBlurMm(long double gp, long double focalMm, long double N, long double aMm,
                          long double imageMm)
{
    return gp * focalMm / N * std::fabs(aMm - imageMm) / imageMm;
}

long double WorkingFNumber(long double N, long double G, long double gp) { return N * (1 + G / gp); }

long double DiffractionBlurMm(long double wavelengthUm, long double workingN)
{
    return kAiryFactor * micrometresToMm(wavelengthUm) * workingN;
}

long double TotalBlurMm(long double defocusMm, long double diffractionMm, BlurModel model)
{
    return model == BlurModel::Sum ? defocusMm + diffractionMm
                                   : std::hypot(defocusMm, diffractionMm);
}

std::optional<long double> EffectiveCircleMm(long double circleMm, long double diffractionMm,
                                             BlurModel model)
{
    if (diffractionMm >= circleMm)
        return std::nullopt;
    return model == BlurModel::Sum
               ? circleMm - diffractionMm
               : std::sqrt((circleMm - diffractionMm) * (circleMm + diffractionMm));
}

long double SpreadFilmMm(const SpreadOptics &s)
{
    return 2 * s.nearMm * s.farMm / (s.nearMm + s.farMm);
}

long double SpreadDefocusMm(const SpreadOptics &s, long double N) { return defocusFactor(s) / N; }

long double SpreadDiffractionMm(const SpreadOptics &s, long double N)
{
    return diffractionFactor(s) * N;
}

long double SpreadTotalBlurMm(const SpreadOptics &s, long double N)
{
    return TotalBlurMm(SpreadDefocusMm(s, N), SpreadDiffractionMm(s, N), s.model);
}

long double SpreadGeometricFNumber(const SpreadOptics &s, long double circleMm)
{
    return defocusFactor(s) / circleMm;
}

SpreadOptimum OptimumFNumber(const SpreadOptics &s)
{
    // k1 / N = k2 N at N^2 = k1 / k2, which is
    // (gp f)^2 (an - af) / (4,88 lambda an af).
    SpreadOptimum o;
    o.N = s.gp * s.focalMm *
          std::sqrt((s.nearMm - s.farMm) /
                    (2 * kAiryFactor * micrometresToMm(s.wavelengthUm) * s.nearMm * s.farMm));
    const long double b = SpreadDefocusMm(s, o.N);
    o.blurMm = s.model == BlurModel::Sum ? 2 * b : std::sqrt(2.0L) * b;
    return o;
}

std::optional<FNumberRange> UsableFNumbers(const SpreadOptics &s, long double circleMm)
{
    const long double k1 = defocusFactor(s), k2 = diffractionFactor(s), c = circleMm;
    if (s.model == BlurModel::Sum) {
        // k1 / N + k2 N <= c: k2 N^2 - c N + k1 <= 0.
        const long double disc = c * c - 4 * k1 * k2;
        if (disc < 0)
            return std::nullopt;
        const long double r = std::sqrt(disc);
        // The smaller root as k1 / (larger root's numerator), free of
        // cancellation when diffraction is small.
        return FNumberRange{2 * k1 / (c + r), (c + r) / (2 * k2)};
    }
    // (k1 / N)^2 + (k2 N)^2 <= c^2: k2^2 M^2 - c^2 M + k1^2 <= 0, M = N^2.
    const long double c2 = c * c;
    const long double disc = c2 * c2 - 4 * k1 * k1 * k2 * k2;
    if (disc < 0)
        return std::nullopt;
    const long double r = std::sqrt(disc);
    const long double low = 2 * k1 * k1 / (c2 + r), high = (c2 + r) / (2 * k2 * k2);
    return FNumberRange{std::sqrt(low), std::sqrt(high)};
}

} // namespace optolune
