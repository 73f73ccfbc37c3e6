#include "core/diffraction.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace optolune;

namespace {

double d(long double v) { return static_cast<double>(v); }

// A spread of a lens focused from `farMm` to `nearMm` past infinity.
SpreadOptics spread(long double focalMm, long double nearExtensionMm, long double farExtensionMm,
                    long double wavelengthUm = kWavelengthDefaultUm,
                    BlurModel model = BlurModel::RootSumSquare)
{
    SpreadOptics s;
    s.gp = 1;
    s.focalMm = focalMm;
    s.nearMm = focalMm + nearExtensionMm;
    s.farMm = focalMm + farExtensionMm;
    s.wavelengthUm = wavelengthUm;
    s.model = model;
    return s;
}

// The f-number of least total blur found by golden-section search, without
// the closed form.
long double searchedOptimum(const SpreadOptics &s)
{
    long double lo = 1, hi = 1000;
    const long double g = (std::sqrt(5.0L) - 1) / 2;
    for (int i = 0; i < 200; ++i) {
        const long double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
        if (SpreadTotalBlurMm(s, a) < SpreadTotalBlurMm(s, b))
            hi = b;
        else
            lo = a;
    }
    return (lo + hi) / 2;
}

} // namespace

// Hansma's and Peterson's figures: with gp 1 and a spread small beside f, the
// optimum is sqrt(spread / (4,88 lambda)), sqrt(375 spread) at 0,5464 um.
TEST(Diffraction, PublishedOptimumFNumbers)
{
    const struct {
        long double spreadMm, N;
    } published[] = {{1, 19.4L}, {2, 27.4L}, {5, 43.3L}, {10, 61.2L}};
    for (const auto &p : published) {
        // A focal length so long that an af is f^2 to a part in 10^6.
        const SpreadOptimum o = OptimumFNumber(spread(1e7L, p.spreadMm, 0, 0.5464L));
        EXPECT_NEAR(d(o.N), d(p.N), 0.05) << "spread " << d(p.spreadMm);
        EXPECT_NEAR(d(o.N), d(std::sqrt(375 * p.spreadMm)), 0.02);
    }
    // The exact formula with f 1200, a 1 mm spread from infinity: the film
    // at the harmonic mean, 1200,4998 mm, focuses at 2,9 km.
    const SpreadOptics s = spread(1200, 1, 0, 0.5464L);
    const SpreadOptimum o = OptimumFNumber(s);
    EXPECT_NEAR(d(o.N), d(1200 * std::sqrt(1 / (4.88L * 0.0005464L * 1201 * 1200))), 1e-12);
    EXPECT_NEAR(d(o.N), 19.36, 0.005);
    EXPECT_NEAR(d(SpreadFilmMm(s)), 1200.4998, 0.00005);
}

// The optimum is where the total blur is least, found here by search, and
// its blur is sqrt(2) times the defocus there (twice for the plain sum).
TEST(Diffraction, OptimumIsTheLeastTotalBlur)
{
    for (BlurModel model : {BlurModel::RootSumSquare, BlurModel::Sum}) {
        for (const SpreadOptics &s : {spread(150, 7.8947L, 0, 0.55L, model), spread(90, 12, 1.5L, 0.4L, model),
                                      spread(360, 3, 0.2L, 0.7L, model)}) {
            const SpreadOptimum o = OptimumFNumber(s);
            EXPECT_NEAR(d(o.N), d(searchedOptimum(s)), 1e-6 * d(o.N));
            EXPECT_NEAR(d(o.blurMm), d(SpreadTotalBlurMm(s, o.N)), 1e-15);
            const long double b = SpreadDefocusMm(s, o.N);
            EXPECT_NEAR(d(b), d(SpreadDiffractionMm(s, o.N)), 1e-15);
            EXPECT_NEAR(d(o.blurMm), d(model == BlurModel::Sum ? 2 * b : std::sqrt(2.0L) * b), 1e-15);
        }
    }
}

// The spread's blurs are those of the film at the harmonic mean, point by
// point: defocus of each end's image, and the Airy disc of the working
// f-number N a / (gp f).
TEST(Diffraction, SpreadBlursAreThePointBlursAtBothEnds)
{
    SpreadOptics s = spread(150, 20, 2);
    s.gp = 0.8L;
    s.nearMm = 0.8L * 150 + 20;
    s.farMm = 0.8L * 150 + 2;
    const long double a = SpreadFilmMm(s), N = 32;
    EXPECT_NEAR(d(SpreadDefocusMm(s, N)), d(DefocusBlurMm(0.8L, 150, N, a, s.nearMm)), 1e-15);
    EXPECT_NEAR(d(SpreadDefocusMm(s, N)), d(DefocusBlurMm(0.8L, 150, N, a, s.farMm)), 1e-15);
    const long double G = (a - 0.8L * 150) / 150; // the extension over f
    EXPECT_NEAR(d(SpreadDiffractionMm(s, N)),
                d(DiffractionBlurMm(0.55L, WorkingFNumber(N, G, 0.8L))), 1e-15);
}

// f 150, far at infinity, near at 3 m from the lens, c 0,1: the geometric
// f-number gives too much blur once diffraction counts, and even the
// optimum's blur is above c.
TEST(Diffraction, NoUsableFNumber)
{
    const long double extension = 150.0L * 150 / (3000 - 150);
    const SpreadOptics s = spread(150, extension, 0);
    const long double geometric = SpreadGeometricFNumber(s, 0.1L);
    EXPECT_NEAR(d(geometric), 38.5, 0.05);
    EXPECT_NEAR(d(SpreadDefocusMm(s, geometric)), 0.1, 1e-15);
    EXPECT_NEAR(d(SpreadTotalBlurMm(s, geometric)), 0.113, 0.0005);
    const SpreadOptimum o = OptimumFNumber(s);
    EXPECT_NEAR(d(o.N), 52.9, 0.05);
    EXPECT_NEAR(d(o.blurMm), 0.103, 0.0005);
    EXPECT_FALSE(UsableFNumbers(s, 0.1L));
    EXPECT_TRUE(UsableFNumbers(s, o.blurMm * (1 + 1e-12L)));
}

// Each end of the usable range has a total blur of exactly c, and the
// optimum lies between them.
TEST(Diffraction, UsableRangeEndsAtTheCircle)
{
    for (BlurModel model : {BlurModel::RootSumSquare, BlurModel::Sum}) {
        const SpreadOptics s = spread(150, 7.8947L, 0, 0.55L, model);
        const auto range = UsableFNumbers(s, 0.15L);
        ASSERT_TRUE(range);
        EXPECT_NEAR(d(SpreadTotalBlurMm(s, range->minimum)), 0.15, 1e-15);
        EXPECT_NEAR(d(SpreadTotalBlurMm(s, range->maximum)), 0.15, 1e-15);
        const long double opt = OptimumFNumber(s).N;
        EXPECT_LT(range->minimum, opt);
        EXPECT_GT(range->maximum, opt);
        // Above the geometric f-number that ignores diffraction.
        EXPECT_GT(range->minimum, SpreadGeometricFNumber(s, 0.15L));
    }
}

TEST(Diffraction, EffectiveCircle)
{
    EXPECT_NEAR(d(*EffectiveCircleMm(0.1L, 0.06L, BlurModel::RootSumSquare)), 0.08, 1e-15);
    EXPECT_NEAR(d(*EffectiveCircleMm(0.1L, 0.06L, BlurModel::Sum)), 0.04, 1e-15);
    EXPECT_EQ(*EffectiveCircleMm(0.1L, 0, BlurModel::RootSumSquare), 0.1L);
    EXPECT_FALSE(EffectiveCircleMm(0.1L, 0.1L, BlurModel::RootSumSquare));
    EXPECT_FALSE(EffectiveCircleMm(0.1L, 0.2L, BlurModel::Sum));
    // f/22 at 1:1 with gp 1 works at f/44: 2,44 x 0,55 um x 44 = 0,059 mm.
    EXPECT_NEAR(d(DiffractionBlurMm(0.55L, WorkingFNumber(22, 1, 1))), 0.059048, 1e-15);
}
