// Sharpness with diffraction: the blur of a point on the film as the sum of
// its defocus and of the lens's Airy disc, the circle that defocus may still
// use, and the f-number that is sharpest over a focus spread (the view-camera
// method of Hansma and Peterson, 1996). The lens is this program's thin lens
// with a pupil magnification gp; image distances a are measured from the exit
// pupil: a = gp f at infinity, gp f + extension in general. Pure functions of
// their inputs, standard library only. Lengths in millimetres.
#pragma once

#include <optional>

namespace optolune {

// The f-numbers from which diffraction is said to show. Two rules live side by
// side, each with its own use:
//
// The table greys an f-number from 530 c (c in mm): there the Airy disc,
// 2,44 lambda N across at about 0,77 um, reaches the circle of confusion.
inline constexpr long double kTableGreyingFNumberPerCircleMm = 530;
// The circle calculator and the variations window use the Airy disc at
// 555 nm, the eye's peak sensitivity: 2,44 x 0,000555 = 0,00135383 mm of disc
// per unit of N, so the limit is c / 0,00135383.
inline constexpr long double kDiffractionMmPerFNumber = 0.00135383L;

// The circle calculator's limit: the f-number from which diffraction may
// become perceptible for a circle of cMm.
inline long double DiffractionLimitFNumber(long double cMm)
{
    return cMm / kDiffractionMmPerFNumber;
}

// The f-number beyond which the table greys a column: the smaller of 530 c
// and f / 2c, which bounds it for short focal lengths (c and f in mm).
inline long double TableGreyingFNumber(long double cMm, long double fMm)
{
    const long double A = kTableGreyingFNumberPerCircleMm * cMm;
    const long double B = fMm / (2 * cMm);
    return B <= A ? B : A;
}

// The largest f-number the variations calculator shows in its normal colour:
// the smaller of the circle calculator's limit and f / 2c.
inline long double VariationsLimitingFNumber(long double cMm, long double fMm)
{
    const long double q1 = DiffractionLimitFNumber(cMm);
    const long double q2 = fMm / (2 * cMm);
    return q2 > q1 ? q1 : q2;
}

// The wavelength a user may choose, in micrometres, and its default (green
// light, the middle of the visible band).
inline constexpr long double kWavelengthMinUm = 0.40L;
inline constexpr long double kWavelengthMaxUm = 0.70L;
inline constexpr long double kWavelengthDefaultUm = 0.55L;

// How defocus and diffraction add: as a root sum of squares (the literature's
// model, the default) or as a plain sum (stricter).
enum class BlurModel { RootSumSquare, Sum };

// The defocus blur on a film at `aMm` of a subject whose image lies at
// `imageMm`: the exit pupil's cone, (gp f / N) |a - as| / as.
long double DefocusBlurMm(long double gp, long double focalMm, long double N, long double aMm,
                          long double imageMm);

// The working f-number N (1 + G / gp) of a lens at magnification G.
long double WorkingFNumber(long double N, long double G, long double gp);

// The Airy disc's diameter 2,44 lambda Nw for the working f-number Nw.
long double DiffractionBlurMm(long double wavelengthUm, long double workingN);

// The total blur of a defocus b and a diffraction d under the model.
long double TotalBlurMm(long double defocusMm, long double diffractionMm, BlurModel model);

// The circle c' that defocus may use when the total blur must stay within c:
// sqrt(c^2 - d^2) or c - d; nothing when d >= c (nothing is sharp).
std::optional<long double> EffectiveCircleMm(long double circleMm, long double diffractionMm,
                                             BlurModel model);

// The focus spread of a subject whose near and far images lie at nearMm and
// farMm (nearMm > farMm), with the film at their harmonic mean, where the
// defocus blur is the same at both ends.
struct SpreadOptics {
    long double gp = 1;
    long double focalMm = 0;
    long double nearMm = 0, farMm = 0; // image distances from the exit pupil
    long double wavelengthUm = kWavelengthDefaultUm;
    BlurModel model = BlurModel::RootSumSquare;
};

// The film's position, 2 an af / (an + af).
long double SpreadFilmMm(const SpreadOptics &s);
// The defocus blur at both ends for the f-number N.
long double SpreadDefocusMm(const SpreadOptics &s, long double N);
// The diffraction blur for the f-number N, the film at the harmonic mean.
long double SpreadDiffractionMm(const SpreadOptics &s, long double N);
// The total blur at both ends for the f-number N.
long double SpreadTotalBlurMm(const SpreadOptics &s, long double N);
// The f-number that holds both ends within c by defocus alone (the focus
// spread's geometric f-number): gp f (an - af) / (c (an + af)).
long double SpreadGeometricFNumber(const SpreadOptics &s, long double circleMm);

// The sharpest f-number over the spread: defocus equals diffraction there,
// Nopt = gp f sqrt((an - af) / (4,88 lambda an af)), and the total blur is
// sqrt(2) b (2 b for the sum).
struct SpreadOptimum {
    long double N = 0;
    long double blurMm = 0;
};
SpreadOptimum OptimumFNumber(const SpreadOptics &s);

// The f-numbers whose total blur at both ends stays within c: an interval
// around the optimum (a quadratic in N^2, or in N for the sum); nothing when
// even the optimum's blur exceeds c.
struct FNumberRange {
    long double minimum = 0, maximum = 0;
};
std::optional<FNumberRange> UsableFNumbers(const SpreadOptics &s, long double circleMm);

} // namespace optolune
