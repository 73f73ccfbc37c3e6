#include "core/optics.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace optolune;

namespace {

// The worked lens: c = 0,05 mm, f = 80 mm, dn = -4 mm, gp = 1,1.
OpticalSetup lens(long double N)
{
    return OpticalSetup{0.05e-3L, 0.080L, -0.004L, 1.1L, N};
}

// The reference values are given to 4 decimals, so they hold to half a unit
// of the fourth decimal.
constexpr double k4 = 0.5e-4;

} // namespace

TEST(CellDepth, FromFilmWorkedExampleAtThreeMetres)
{
    const CellDepth cell = ComputeCellDepthFromFilm(lens(8), 3.0L);
    EXPECT_NEAR(double(cell.near), 2.5604, k4);
    EXPECT_NEAR(double(cell.far), 3.6294, k4);
    EXPECT_NEAR(double(cell.G), 0.0282, k4);
    EXPECT_NEAR(double(cell.T), 2.2521, k4);

    const CellDepth closed = ComputeCellDepthFromFilm(lens(22), 3.0L);
    EXPECT_NEAR(double(closed.near), 2.0436, k4);
    EXPECT_NEAR(double(closed.far), 5.7826, k4);
}

TEST(CellDepth, FromLensWorkedExampleAtThreeMetres)
{
    const CellDepth cell = ComputeCellDepthFromLens(lens(8), 3.0L);
    EXPECT_NEAR(double(cell.near), 2.5381, k4);
    EXPECT_NEAR(double(cell.far), 3.6681, k4);
    EXPECT_NEAR(double(cell.G), 0.0274, k4);
    EXPECT_NEAR(double(cell.T), 2.1918, k4);
}

TEST(CellDepth, BeyondHyperfocalFarLimitIsNegative)
{
    // 20 m is beyond H = 16 m: sharp to infinity, shown as a negative far limit.
    const CellDepth film = ComputeCellDepthFromFilm(lens(8), 20.0L);
    const CellDepth fromLens = ComputeCellDepthFromLens(lens(8), 20.0L);
    EXPECT_NEAR(double(film.far), -82.8, 0.05);
    EXPECT_NEAR(double(fromLens.far), -81.6, 0.05);
    EXPECT_GT(film.near, 0);
    EXPECT_LT(film.near, 20);
}

TEST(CellDepth, UnfocusableDistancesGiveTheSentinel)
{
    const OpticalSetup s = lens(8);
    // From the film: closer than 4f + dn = 0,316 m.
    const CellDepth film = ComputeCellDepthFromFilm(s, 0.3L);
    EXPECT_EQ(film.near, -1);
    EXPECT_EQ(film.far, -1);
    // From the lens: D = f exactly is below the +epsilon test.
    const CellDepth atFocal = ComputeCellDepthFromLens(s, s.f);
    EXPECT_EQ(atFocal.near, -1);
    EXPECT_EQ(atFocal.far, -1);
}

TEST(DepthAtDistance, FourFocalLengthsIsTheClosestFocus)
{
    const OpticalSetup s{0.05e-3L, 0.080L, 0, 1, 8};
    DofResult r;
    ASSERT_EQ(ComputeDepthAtDistance(s, 0.32L, r), 0);
    EXPECT_NEAR(double(r.u), 0.16, 1e-15);
    EXPECT_NEAR(double(r.v), 0.16, 1e-15);
    EXPECT_NEAR(double(r.G), 1.0, 1e-15);
    EXPECT_NEAR(double(r.T), 80.0, 1e-12);
}

TEST(DepthAtDistance, UnfocusableWritesNothing)
{
    DofResult r;
    r.u = 123;
    r.nearFilm = 456;
    EXPECT_EQ(ComputeDepthAtDistance(lens(8), 0.3L, r), 1);
    EXPECT_EQ(r.u, 123);
    EXPECT_EQ(r.nearFilm, 456);
}

TEST(DepthAtDistance, AgreesWithTheFilmCellAndItsConjugates)
{
    DofResult r;
    ASSERT_EQ(ComputeDepthAtDistance(lens(8), 3.0L, r), 0);
    EXPECT_NEAR(double(r.u), 2.9217, k4);
    EXPECT_NEAR(double(r.v), 0.0823, k4);
    EXPECT_NEAR(double(r.H), 16.0, 1e-15);
    // The full record uses the same magnification for the depths as the cell
    // operation uses for the conjugates, so both near limits agree.
    EXPECT_NEAR(double(r.nearFilm), 2.5604, k4);
    // The rest of the record, worked out from the formulas at 40 digits.
    constexpr double k12 = 1e-12;
    EXPECT_NEAR(double(r.G), 0.02815168825743302, k12);
    EXPECT_NEAR(double(r.T), 2.252135060594641, 1e-10);
    EXPECT_NEAR(double(r.a), 0.4395666240335765, k12);
    EXPECT_NEAR(double(r.b), 0.6294303692368882, k12);
    EXPECT_NEAR(double(r.p), 1.068996993270465, k12);
    EXPECT_NEAR(double(r.farFilm), 3.629430369236888, k12);
    EXPECT_NEAR(double(r.nearLens), 2.482181240905829, k12);
    EXPECT_NEAR(double(r.farLens), 3.551178234176294, k12);
    EXPECT_NEAR(double(r.vNear), 0.08266424526635078, k12);
    EXPECT_NEAR(double(r.vFar), 0.08184375435896299, k12);
    EXPECT_NEAR(double(r.dvNear), 0.0004121102057561399, 1e-15);
    EXPECT_NEAR(double(r.dvFar), 0.00040838070163165, 1e-15);
    EXPECT_NEAR(double(r.dv), 0.0008204909073877899, 1e-15);
}

TEST(DepthAtDistance, BeyondHyperfocalRearDepthIsNegative)
{
    DofResult r;
    ASSERT_EQ(ComputeDepthAtDistance(lens(8), 40.0L, r), 0);
    EXPECT_LT(r.b, 0);
    EXPECT_LT(r.farFilm, 0);
    EXPECT_LT(r.farLens, 0);
}

TEST(Hyperfocal, WorkedExample)
{
    DofResult r;
    EXPECT_EQ(ComputeDepthAtHyperfocal(lens(8), r), 0);
    EXPECT_NEAR(double(r.hFilm), 16.1564, k4);
    EXPECT_NEAR(double(r.halfH), 8.0364, k4);
    // The near limit at the hyperfocal distance, from the film: hFilm less
    // a front depth of (H + f/gp) / 2 = 8,0363636... m.
    EXPECT_NEAR(double(r.nearFilm), 8.12003636363636, 1e-12);
    EXPECT_NEAR(double(r.a), 8.03636363636364, 1e-12);

    DofResult limits;
    EXPECT_EQ(ComputeHyperfocalLimits(lens(8), limits), 0);
    EXPECT_NEAR(double(limits.nearInfLens), 16.0073, k4);
    EXPECT_NEAR(double(limits.nearHLens), 8.0436, k4);
    EXPECT_NEAR(double(limits.hLens), 16.08, 1e-15);

    DofResult inf;
    EXPECT_EQ(ComputeDepthAtInfinity(lens(8), inf), 0);
    EXPECT_NEAR(double(inf.nearFilm), 16.0833, k4);
    EXPECT_NEAR(double(inf.nearLens), 16.0072727272727, 1e-12); // H + f - f/gp
}

TEST(Hyperfocal, LensValuesDoNotDependOnNodalDistance)
{
    OpticalSetup a = lens(8), b = lens(8);
    b.dn = 0.030L;
    DofResult ra, rb;
    ComputeHyperfocalLimits(a, ra);
    ComputeHyperfocalLimits(b, rb);
    EXPECT_EQ(ra.nearInfLens, rb.nearInfLens);
    EXPECT_EQ(ra.nearHLens, rb.nearHLens);
    ComputeDepthAtHyperfocal(a, ra);
    ComputeDepthAtHyperfocal(b, rb);
    EXPECT_EQ(ra.halfH, rb.halfH);
    EXPECT_NEAR(double(rb.hFilm - ra.hFilm), 0.034, 1e-15);
}

TEST(CellDepth, FocusExactlyAtHyperfocalReadsSharpToInfinity)
{
    // From the lens with u - f = H exactly, the rear denominator is zero and
    // is replaced so the far limit becomes a huge negative number. Values are
    // chosen so that every step is exact in binary: f = 0,5, H = 0,25 / (N c).
    const OpticalSetup s{0.25L, 0.5L, 0, 1, 1}; // H = 1
    const CellDepth cell = ComputeCellDepthFromLens(s, 1.5L);
    EXPECT_LT(cell.far, -1e10L);
    EXPECT_GT(cell.near, 0);
}

namespace {

struct HyperfocalCase {
    const char *name;
    OpticalSetup setup;
    long double D;
    bool fromFilm;
};

std::ostream &operator<<(std::ostream &os, const HyperfocalCase &c) { return os << c.name; }

class SharpToInfinity : public testing::TestWithParam<HyperfocalCase> {};

} // namespace

// At and beyond the hyperfocal distance the far limit is infinite: negative,
// and never the unfocusable sentinel, whatever rounding leaves of the rear
// denominator and however short the lens.
TEST_P(SharpToInfinity, FarLimitIsNegative)
{
    const HyperfocalCase &c = GetParam();
    const CellDepth cell = c.fromFilm ? ComputeCellDepthFromFilm(c.setup, c.D)
                                      : ComputeCellDepthFromLens(c.setup, c.D);
    ASSERT_GT(cell.near, 0);
    EXPECT_LT(cell.far, 0);
    EXPECT_NE(cell.far, -1);

    DofResult r;
    const long double film = c.fromFilm ? c.D : 0;
    if (c.fromFilm && ComputeDepthAtDistance(c.setup, film, r) == 0) {
        EXPECT_TRUE(FocusedAtOrBeyondHyperfocal(c.setup, r.u));
        EXPECT_LT(r.farFilm, 0);
        EXPECT_LT(r.farLens, 0);
        EXPECT_LT(r.b, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SharpToInfinity,
    testing::Values(
        // 50 mm, c 0,025 mm, N 16: H = 6,25 m; 6,3 m from the lens is u - f = H
        // up to rounding, which leaves the denominator a tiny positive number.
        HyperfocalCase{"FiftyAtItsHyperfocalFromLens", {0.025e-3L, 0.050L, 0, 1.3L, 16}, 6.3L, false},
        // A 10 mm lens with c 0,5 mm and gp 5 stopped down: the rear depth is
        // smaller than the distance, yet the focus lies far beyond H.
        HyperfocalCase{"ShortLensN32AtOneMetreFromFilm", {0.5e-3L, 0.010L, 0, 5, 32}, 1.0L, true},
        HyperfocalCase{"ShortLensN256AtThreeMetresFromFilm", {0.5e-3L, 0.010L, 0, 5, 256}, 3.0L, true},
        HyperfocalCase{"ShortLensN64AtOneMetreFromLens", {0.5e-3L, 0.010L, 0, 5, 64}, 1.0L, false}),
    [](const testing::TestParamInfo<HyperfocalCase> &info) { return std::string(info.param.name); });

TEST(CellDepth, ExactHyperfocalOfEveryListedFNumberReadsInfinite)
{
    // The focus set at each f-number's own hyperfocal distance, from the lens
    // (D = H + f) and from the film (D = (H + f)^2 / H + dn), for a range of
    // lenses: about a third of them leave rounding on the positive side.
    const long double fNumbers[] = {4.5L, 5.6L, 8, 11, 16, 22, 32, 45, 64};
    const long double focals[] = {0.035L, 0.050L, 0.080L, 0.150L, 0.300L};
    for (long double f : focals) {
        for (long double N : fNumbers) {
            const OpticalSetup s{0.03e-3L, f, -0.004L, 1.2L, N};
            const long double H = f * f / (N * s.c);
            const CellDepth lensCell = ComputeCellDepthFromLens(s, H + f);
            EXPECT_LT(lensCell.far, 0) << "f " << double(f) << " N " << double(N);
            DofResult r;
            ComputeDepthAtHyperfocal(s, r);
            EXPECT_LT(r.farFilm, 0) << "f " << double(f) << " N " << double(N);
            EXPECT_LT(ComputeCellDepthFromFilm(s, r.hFilm).far, 0)
                << "f " << double(f) << " N " << double(N);
        }
    }
}

TEST(CellDepth, JustShortOfHyperfocalStaysFinite)
{
    // A focus a millimetre short of H keeps a finite far limit beyond it.
    const OpticalSetup s{0.025e-3L, 0.050L, 0, 1.3L, 16}; // H = 6,25 m
    const CellDepth cell = ComputeCellDepthFromLens(s, 6.299L);
    EXPECT_GT(cell.far, 6.299L);
    EXPECT_FALSE(FocusedAtOrBeyondHyperfocal(s, 6.299L));
    EXPECT_TRUE(FocusedAtOrBeyondHyperfocal(s, 6.3L));
}

TEST(CellDepth, ExtensionKeepsItsDigitsWhenTheSubjectIsFar)
{
    // 45 mm focused at 8,145 m from the lens: v - f = 0,045^2 / 8,1 = 0,25 mm
    // exactly, a half that must round up at one decimal. Subtracting f from v
    // would lose the last digits and fall just short of the half.
    const OpticalSetup s{0.05e-3L, 0.045L, 0, 1, 8};
    EXPECT_NEAR(double(ComputeCellDepthFromLens(s, 8.145L).T), 0.25, 1e-17);
    const OpticalSetup big{0.05e-3L, 0.6815L, 0, 1, 8};
    EXPECT_NEAR(double(ComputeCellDepthFromLens(big, 0.6825L).T), 464442.25, 1e-9);
}

TEST(Conjugates, SmallerRootKeepsItsDigits)
{
    // A far subject: t = 900 m, f = 50 mm. The film's distance is the small
    // root, which (t - r) / 2 would leave with only a few exact digits.
    const long double t = 900, f = 0.05L;
    const Conjugates c = ConjugatesOf(t, f);
    // 1/u + 1/v = 1/f holds to the precision of the format.
    EXPECT_NEAR(double((1 / c.larger + 1 / c.smaller) * f), 1.0, 1e-18);
    EXPECT_NEAR(double(c.larger + c.smaller), double(t), 1e-15);
    // At 4f both conjugates are 2f.
    const Conjugates at4f = ConjugatesOf(0.32L, 0.08L);
    EXPECT_EQ(at4f.larger, 0.16L);
    EXPECT_EQ(at4f.smaller, 0.16L);
}

TEST(Hyperfocal, CircleLargerThanFOverNStillFocusesTheSubjectAtHPlusF)
{
    // c 0,2 mm, f 50 mm, N 256: H = 0,0488 m, smaller than f. The subject at
    // the hyperfocal distance is at u = H + f, not at the other conjugate of
    // the same film distance; its near limit lies beyond the near limit
    // focused at infinity.
    const OpticalSetup s{0.2e-3L, 0.050L, 0, 1, 256};
    DofResult r;
    ComputeDepthAtHyperfocal(s, r);
    const long double H = s.f * s.f / (s.N * s.c);
    EXPECT_NEAR(double(r.u), double(H + s.f), 1e-15);
    EXPECT_NEAR(double(r.nearLens), double((H + s.f) - (s.f / s.gp + H) / 2), 1e-12);
    DofResult inf;
    ComputeDepthAtInfinity(s, inf);
    EXPECT_GT(r.nearFilm, inf.nearFilm);
}

namespace {

// The kind of each limit a cell gives, with the number it is held as: the
// table, the variations calculator and the chart compose their texts and
// points from the kind, the files write the number.
TEST(CellLimits, SayWhichKindEachLimitIs)
{
    using K = optolune::Limit::Kind;
    const optolune::OpticalSetup lens{0.0001L, 0.1481L, 0.0248L, 1.1L, 8};
    const optolune::OpticalSetup shortLens{0.005e-3L, 0.010L, 0.150L, 1, 256};
    struct Case {
        const char *name;
        optolune::CellDepth cell;
        K nearKind, farKind;
    };
    const Case cases[] = {
        {"FocusedAt3m", optolune::ComputeCellDepthFromFilm(lens, 3), K::Distance, K::Distance},
        {"BeyondTheHyperfocal", optolune::ComputeCellDepthFromFilm(lens, 40), K::Distance,
         K::Infinity},
        {"ShortLensFarDown", optolune::ComputeCellDepthFromLens(shortLens, 0.5L), K::Distance,
         K::Infinity},
        {"CloserThan4fFromFilm", optolune::ComputeCellDepthFromFilm(lens, 0.5L), K::CannotFocus,
         K::CannotFocus},
        {"AtTheFocalLength", optolune::ComputeCellDepthFromLens(lens, lens.f), K::CannotFocus,
         K::CannotFocus},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const optolune::Limit near = c.cell.nearLimit(), far = c.cell.farLimit();
        EXPECT_EQ(near.kind, c.nearKind);
        EXPECT_EQ(far.kind, c.farKind);
        EXPECT_EQ(c.cell.focused(), c.nearKind != K::CannotFocus);
        // The numbers stay those the cell holds.
        EXPECT_EQ(near.value, c.cell.near);
        EXPECT_EQ(far.value, c.cell.far);
        if (far.isInfinity()) {
            EXPECT_LT(far.value, 0);
            EXPECT_NE(far.value, -1);
        }
    }
}

} // namespace
