// The variations calculator's computation: the worked examples of the Super
// Symmar 5,6/150 in both origins and with the macro choice, the setting that
// cannot be focused, "infini" at and beyond the hyperfocal distance, the
// colour by the limiting f-number, the decimals, and the parameters that
// give no depth of field.
#include "core/numerictext.h"
#include "core/optics.h"
#include "support/qtprint.h"
#include "variations/variationscompute.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <map>

using namespace optolune;

namespace {

// The test lens: c = 0,100 mm, f = 148,1 mm, dn = 24,8 mm, gp = 1,1, at f/8
// and 3 m, three decimals.
VariationsInput testLens(const char *distance = "3", bool fromFilm = true, bool macro = false)
{
    VariationsInput in;
    in.cText = QStringLiteral("0,100");
    in.fText = QStringLiteral("148,1");
    in.dnText = QStringLiteral("24,8");
    in.gpText = QStringLiteral("1,1");
    in.dText = QString::fromUtf8(distance);
    in.nText = QStringLiteral("8");
    in.fromFilm = fromFilm;
    in.macro = macro;
    in.decimals = 3;
    return in;
}

// A distance written with 18 decimals and a decimal comma, as a user could
// type it: the whole precision of the value computed in the test.
QString decimalText(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.18Lf", value);
    return QString::fromLatin1(text).replace(u'.', u',');
}

using Texts = std::map<ResultField, const char *>;

struct WorkedCase {
    const char *name;
    VariationsInput input;
    Texts expected; // the fields checked; the others are not this case's point
};

void PrintTo(const WorkedCase &c, std::ostream *os) { *os << c.name; }

class WorkedExamples : public testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedExamples, GiveTheirTexts)
{
    const WorkedCase &c = GetParam();
    const VariationsResult r = ComputeVariations(c.input);
    ASSERT_EQ(r.status, VariationsResult::Done);
    for (const auto &[field, text] : c.expected)
        EXPECT_EQ(r.text(field), QString::fromUtf8(text))
            << kResultFieldNames[static_cast<int>(field)];
}

using F = ResultField;

INSTANTIATE_TEST_SUITE_P(
    Variations, WorkedExamples,
    testing::Values(
        WorkedCase{"FilmAt3m",
                   testLens(),
                   {{F::Ta, "2,751"}, {F::Tp, "3,303"}, {F::Prof, "0,552"}, {F::A, "0,249"},
                    {F::B, "0,303"}, {F::Apc, "45,1 %"}, {F::Bpc, "54,9 %"}, {F::A1, "2,819"},
                    {F::A2, "0,156"}, {F::Grandiss, "0,055"}, {F::Tirage, "8,21241"},
                    {F::HyperA, "27,739"}, {F::Hyper, "27,603"}, {F::DemiHyper, "13,963"}}},
        WorkedCase{"LensAt3m",
                   testLens("3", false),
                   {{F::Ta, "2,719"}, {F::Tp, "3,347"}, {F::A1, "3,000"}, {F::A2, "0,156"},
                    {F::Grandiss, "0,052"}, {F::Tirage, "7,69088"}, {F::HyperA, "27,565"},
                    {F::Hyper, "27,430"}, {F::DemiHyper, "13,789"}}},
        WorkedCase{"FilmAt70cm",
                   testLens("0,7"),
                   {{F::A1, "0,456"}, {F::A2, "0,219"}, {F::Grandiss, "0,481"}, {F::Prof, "0,010"},
                    {F::Apc, "49,4 %"}, {F::Bpc, "50,6 %"}}},
        WorkedCase{"FilmAt70cmMacroSwapsTheConjugatesAndDropsTheHyperfocalTrio",
                   testLens("0,7", true, true),
                   {{F::A1, "0,219"}, {F::A2, "0,456"}, {F::Grandiss, "2,078"}, {F::Prof, "0,001"},
                    {F::Tirage, "307,72284"}, {F::HyperA, ""}, {F::Hyper, ""}, {F::DemiHyper, ""}}},
        WorkedCase{"LensMacroOnlyDropsTheHyperfocalTrio",
                   testLens("3", false, true),
                   {{F::Ta, "2,719"}, {F::A1, "3,000"}, {F::HyperA, ""}, {F::Hyper, ""},
                    {F::DemiHyper, ""}}},
        WorkedCase{"BeyondTheHyperfocalDistanceReadsInfini",
                   testLens("30"),
                   {{F::Ta, "14,503"}, {F::A, "15,497"}, {F::Tp, "infini"}, {F::B, "infini"},
                    {F::Prof, "infini"}, {F::Apc, ""}, {F::Bpc, ""}, {F::HyperA, "27,739"}}},
        WorkedCase{"NoDecimals", [] { auto in = testLens(); in.decimals = 0; return in; }(),
                   {{F::Ta, "3"}, {F::Prof, "1"}, {F::Grandiss, "0"}, {F::Apc, "45,1 %"},
                    {F::Tirage, "8,21241"}, {F::HyperA, "28"}}},
        WorkedCase{"EightDecimals", [] { auto in = testLens(); in.decimals = 8; return in; }(),
                   {{F::Apc, "45,1 %"}, {F::Tirage, "8,21241"}, {F::A1, "2,81888759"}}}),
    [](const testing::TestParamInfo<WorkedCase> &info) { return std::string(info.param.name); });

TEST(Variations, AnUnfocusableSettingEmptiesEveryField)
{
    // From the film 0,5 m - dn = 0,4752 m is closer than 4f = 0,5924 m;
    // from the lens a distance not beyond f.
    for (const VariationsInput &in : {testLens("0,5"), testLens("0,1481", false)}) {
        const VariationsResult r = ComputeVariations(in);
        EXPECT_EQ(r.status, VariationsResult::Unfocusable);
        for (const QString &text : r.texts)
            EXPECT_TRUE(text.isEmpty());
    }
    // Exactly 4f + dn from the film is focusable: u = v = 2f, G = 1.
    VariationsInput at4f = testLens("0,6172");
    const VariationsResult r = ComputeVariations(at4f);
    ASSERT_EQ(r.status, VariationsResult::Done);
    EXPECT_EQ(r.text(F::A1), QStringLiteral("0,296"));
    EXPECT_EQ(r.text(F::A2), QStringLiteral("0,296"));
    EXPECT_EQ(r.text(F::Grandiss), QStringLiteral("1,000"));
}

TEST(Variations, ColourFollowsTheLimitingFNumber)
{
    EXPECT_NEAR(static_cast<double>(LimitingN(0.1L, 148.1L)), 73.8645, 1e-4);
    EXPECT_NEAR(static_cast<double>(LimitingN(0.15L, 150)), 110.7968, 1e-4);
    // f/(2c) is the smaller one for a short lens with a large circle.
    EXPECT_NEAR(static_cast<double>(LimitingN(0.5L, 10)), 10.0, 1e-12);

    VariationsInput in = testLens();
    in.cText = QStringLiteral("0,15");
    in.fText = QStringLiteral("150");
    in.nText = QStringLiteral("110");
    EXPECT_EQ(ComputeVariations(in).colour, ResultColour::Blue);
    in.nText = QStringLiteral("128");
    EXPECT_EQ(ComputeVariations(in).colour, ResultColour::Grey);
    // An f-number equal to the limit is blue: c = 0,5, f = 10 gives 10.
    in.cText = QStringLiteral("0,5");
    in.fText = QStringLiteral("10");
    in.nText = QStringLiteral("10");
    in.dText = QStringLiteral("1");
    EXPECT_EQ(ComputeVariations(in).colour, ResultColour::Blue);
}

// The far limit of the rear-depth formula turns finite again far beyond the
// hyperfocal distance of a short lens stopped down: f = 10 mm, c = 0,5 mm,
// gp = 5, N = 32 (H = 6,25 mm) at 1 m from the lens gives a "far limit" of
// 1,7 mm, in front of the near limit. The focus is beyond the hyperfocal
// distance, so the far side is infinite.
TEST(Variations, InfiniWheneverTheFocusIsAtOrBeyondTheHyperfocalDistance)
{
    VariationsInput in;
    in.cText = QStringLiteral("0,5");
    in.fText = QStringLiteral("10");
    in.dnText = QStringLiteral("0");
    in.gpText = QStringLiteral("5");
    in.nText = QStringLiteral("32");
    in.dText = QStringLiteral("1");
    in.decimals = 4;
    for (bool fromFilm : {false, true}) {
        in.fromFilm = fromFilm;
        const VariationsResult r = ComputeVariations(in);
        ASSERT_EQ(r.status, VariationsResult::Done);
        EXPECT_EQ(r.text(F::Tp), QStringLiteral("infini")) << fromFilm;
        EXPECT_EQ(r.text(F::Prof), QStringLiteral("infini"));
        EXPECT_EQ(r.text(F::Apc), QString());
    }

    // Focused exactly on the hyperfocal distance, both origins: whatever way
    // the rounding of the rear denominator falls, the far side is infinite,
    // and the near limit is the one the bottom bar gives for that focus. For
    // the test lens H = f²/(Nc) = 27,41701 m; from the lens the hyperfocal
    // distance is H + f, from the film (H + f)²/H + dn; the near limit of that
    // focus lies (H + f/gp)/2 = 13,77582 m short of the subject: 13,789 m
    // from the lens, 13,963 m from the film.
    const long double c = 0.0001L, f = 0.1481L, dn = 0.0248L, N = 8;
    const long double H = f * f / (N * c);
    const long double hLens = H + f;
    const long double hFilm = (H + f) * (H + f) / H + dn;
    VariationsInput lens = testLens();
    lens.fromFilm = false;
    lens.dText = decimalText(hLens);
    lens.decimals = 3;
    VariationsResult r = ComputeVariations(lens);
    ASSERT_EQ(r.status, VariationsResult::Done);
    EXPECT_EQ(r.text(F::Tp), QStringLiteral("infini"));
    EXPECT_EQ(r.text(F::Ta), QStringLiteral("13,789"));
    EXPECT_EQ(r.text(F::DemiHyper), QStringLiteral("13,789"));
    EXPECT_EQ(r.text(F::Ta), r.text(F::DemiHyper));

    lens.fromFilm = true;
    lens.dText = decimalText(hFilm);
    r = ComputeVariations(lens);
    ASSERT_EQ(r.status, VariationsResult::Done);
    EXPECT_EQ(r.text(F::Tp), QStringLiteral("infini"));
    EXPECT_EQ(r.text(F::Ta), QStringLiteral("13,963"));
    EXPECT_EQ(r.text(F::DemiHyper), QStringLiteral("13,963"));
    EXPECT_EQ(r.text(F::Ta), r.text(F::DemiHyper));

    // A millimetre short of it the far limit is a (large) distance.
    lens.dText = decimalText(hFilm - 0.001L);
    r = ComputeVariations(lens);
    EXPECT_NE(r.text(F::Tp), QStringLiteral("infini"));
    EXPECT_FALSE(r.text(F::Bpc).isEmpty());
}

TEST(Variations, ParametersWithoutDepthOfFieldEmptyEveryField)
{
    // A 0 typed into a field and an item chosen without the check: no
    // "NAN" or "INF" in the fields.
    for (auto field : {&VariationsInput::cText, &VariationsInput::fText, &VariationsInput::gpText,
                       &VariationsInput::nText}) {
        for (const char *bad : {"0", "-1"}) {
            VariationsInput in = testLens();
            in.*field = QString::fromUtf8(bad);
            const VariationsResult r = ComputeVariations(in);
            EXPECT_EQ(r.status, VariationsResult::Unusable) << bad;
            for (const QString &text : r.texts)
                EXPECT_TRUE(text.isEmpty()) << text.toStdString();
        }
    }
}

TEST(Variations, AnUnreadableParameterIsNamedAndNothingIsComputed)
{
    VariationsInput in = testLens();
    in.gpText = QStringLiteral("1.1");
    in.nText = QStringLiteral("huit");
    const VariationsResult r = ComputeVariations(in);
    EXPECT_EQ(r.status, VariationsResult::Unreadable);
    // The first text read that is no number.
    EXPECT_EQ(r.error, QStringLiteral("'1.1' n'est pas une valeur en virgule flottante correcte"));
    for (const QString &text : r.texts)
        EXPECT_TRUE(text.isEmpty());
}

// ComputeSettingDepth against the closed forms of the thin lens with pupils,
// worked independently: a subject at x from the front nodal point is imaged
// at v_x = f x/(x - f); with the film at v and the exit pupil gp f/N wide,
// f(1 - gp) behind the rear nodal point, the blur of x is
// (gp f/N) |v_x - v| / (v_x - f(1 - gp)). At the near and far limits that
// blur is c.
long double blur(const OpticalSetup &s, long double x, long double v)
{
    const long double vx = s.f * x / (x - s.f);
    return (s.gp * s.f / s.N) * std::fabs(vx - v) / (vx - s.f * (1 - s.gp));
}

TEST(Variations, LimitsAreWhereTheBlurIsTheCircleOfConfusion)
{
    const OpticalSetup lenses[] = {{0.0001L, 0.1481L, 0.0248L, 1.1L, 8},
                                   {0.00005L, 0.08L, -0.004L, 0.7L, 22},
                                   {0.03e-3L, 0.5L, 0.1L, 2.5L, 45}};
    for (const OpticalSetup &s : lenses) {
        for (long double d : {0.9L, 2.0L, 3.7L}) {
            for (bool macro : {false, true}) {
                const SettingDepth film = ComputeSettingDepth(s, d + 4 * s.f + s.dn, true, macro);
                ASSERT_EQ(film.status, 0);
                EXPECT_NEAR(static_cast<double>(1 / film.u + 1 / film.v), static_cast<double>(1 / s.f), 1e-9);
                EXPECT_EQ(macro, film.v > film.u);
                const long double nearLens = film.near - film.v - s.dn;
                EXPECT_NEAR(static_cast<double>(blur(s, nearLens, film.v) / s.c), 1.0, 1e-12);
                if (film.far > 0) {
                    const long double farLens = film.far - film.v - s.dn;
                    EXPECT_NEAR(static_cast<double>(blur(s, farLens, film.v) / s.c), 1.0, 1e-12);
                }
            }
            const SettingDepth lens = ComputeSettingDepth(s, d, false, false);
            ASSERT_EQ(lens.status, 0);
            EXPECT_NEAR(static_cast<double>(blur(s, lens.near, lens.v) / s.c), 1.0, 1e-12);
        }
    }
}

} // namespace

namespace {

// The subject distance from the lens at which the total blur on the film of
// a setting reaches c, by bisection over the thin lens itself: the film at
// the image of the focus, the subject's image at gp f + f^2 / (x - f) from
// the exit pupil, defocus (gp f / N) |a - as| / as, the Airy disc of the
// working f-number N a / (gp f).
long double limitByBisection(long double fMm, long double gp, long double N, long double cMm,
                             long double focusM, bool beyond, bool sum)
{
    const auto image = [&](long double xM) { return gp * fMm + fMm * fMm / (xM * 1000 - fMm); };
    const long double a = image(focusM);
    const long double disc = 2.44L * 0.00055L * N * a / (gp * fMm);
    const auto blur = [&](long double xM) {
        const long double as = image(xM);
        const long double b = gp * fMm / N * std::fabs(a - as) / as;
        return sum ? b + disc : std::hypot(b, disc);
    };
    long double lo = beyond ? focusM : fMm / 1000 * 1.0001L, hi = beyond ? 1e6L : focusM;
    for (int i = 0; i < 200; ++i) {
        const long double mid = (lo + hi) / 2;
        const bool sharp = blur(mid) <= cMm;
        if (beyond == sharp)
            lo = mid;
        else
            hi = mid;
    }
    return (lo + hi) / 2;
}

} // namespace

// With diffraction the limits are where the total blur reaches c, found
// here point by point; far from the hyperfocal distance both limits are
// finite. Nothing is sharp once the disc reaches c.
TEST(VariationsDiffraction, LimitsWhereTheTotalBlurReachesC)
{
    for (const bool sum : {false, true}) {
        VariationsInput in;
        in.cText = QStringLiteral("0,1");
        in.fText = QStringLiteral("150");
        in.dnText = QStringLiteral("0");
        in.gpText = QStringLiteral("1");
        in.dText = QStringLiteral("3");
        in.nText = QStringLiteral("32");
        in.fromFilm = false;
        in.decimals = 6;
        in.diffraction = true;
        in.blurModel = sum ? BlurModel::Sum : BlurModel::RootSumSquare;
        const VariationsResult r = ComputeVariations(in);
        ASSERT_EQ(r.status, VariationsResult::Done);
        const long double nearM = limitByBisection(150, 1, 32, 0.1L, 3, false, sum);
        const long double farM = limitByBisection(150, 1, 32, 0.1L, 3, true, sum);
        EXPECT_NEAR(static_cast<double>(ToNumber(r.text(ResultField::Ta))), static_cast<double>(nearM), 1e-6) << sum;
        EXPECT_NEAR(static_cast<double>(ToNumber(r.text(ResultField::Tp))), static_cast<double>(farM), 1e-6) << sum;
        // Without diffraction the zone is wider.
        in.diffraction = false;
        const VariationsResult plain = ComputeVariations(in);
        EXPECT_LT(ToNumber(plain.text(ResultField::Ta)), ToNumber(r.text(ResultField::Ta)));
        EXPECT_GT(ToNumber(plain.text(ResultField::Tp)), ToNumber(r.text(ResultField::Tp)));
    }
    VariationsInput in;
    in.cText = QStringLiteral("0,1");
    in.fText = QStringLiteral("150");
    in.dnText = QStringLiteral("0");
    in.gpText = QStringLiteral("1");
    in.dText = QStringLiteral("3");
    in.nText = QStringLiteral("90");
    in.fromFilm = false;
    in.diffraction = true;
    // 2,44 x 0,55 um x 90 x 157,9 / 150 = 0,1271 mm.
    const VariationsResult none = ComputeVariations(in);
    EXPECT_EQ(none.status, VariationsResult::NothingSharp);
    EXPECT_EQ(NoResultText(none, false),
              QStringLiteral("Rien n'est net : la tache de diffraction, 0,1271 mm, atteint le cercle de confusion"));
    for (const QString &t : none.texts)
        EXPECT_TRUE(t.isEmpty());
}

namespace {

// Settings across the calculator's range, each as one line: c, f, dn, gp, d,
// N, then the origin (F film, L lens), M for macro, D for diffraction and the
// decimals, then the status, the colour (B blue, G grey) and the fourteen
// texts in the order of the fields. The depths come from the optics' cells,
// so these lines hold the calculator and the table to the same digits.
constexpr const char *kSweepLines[] = {
    "0,03|50|-4|1,1|3|8|F--8|0|B|2,35733475|4,13930185|1,78196710|0,64266525|1,13930180|36,1 "
    "%|63,9 %|2,95313886|0,05086114|0,01722274|0,86114|10,51290667|10,46721212|5,28184606",
    "0,1|148,1|24,8|1|0,3|22|L--8|0|B|0,29549780|0,30464151|0,00914371|0,00450220|0,00464151|49,2 "
    "%|50,8 %|0,30000000|0,29249506|0,97498354|144,39506|10,11792273|9,96982273|5,05896136",
    "0,03|24|0|0,1|0,05|45|L--8|0|G|0,03472165|0,06726123|0,03253958|0,01527835|0,01726123|47,0 "
    "%|53,0 %|0,05000000|0,04615385|0,92307692|22,15385|0,45066667|0,21066667|0,11733333",
    "0,1|148,1|24,8|1|1|22|FM-8|0|B|0,99938097|1,00062327|0,00124230|0,00061903|0,00062327|49,8 "
    "%|50,2 %|0,18210591|0,79309409|4,35512550|644,99409|||",
    // A short lens stopped far down, focused beyond its hyperfocal distance:
    // sharp to infinity although the rear-depth formula gives a far limit
    // in front of the near one.
    "0,005|10|150|1|0,5|256|F--8|0|G|0,22537784|infini|infini|0,27462216|infini|||0,33969669|0,"
    "01030331|0,03033091|0,30331|0,24940500|0,23812500|0,20534250",
    "0,5|1200|-150|5|100|90|L--8|0|B|25,18996942|infini|infini|74,81003100|infini|||100,00000000|1,"
    "21457490|0,01214575|14,57490|33,20000000|32,96000000|17,08000000",
    "0,082|86,7|117,3|0,174|28,985290|3,8|F-D8|0|B|13,14036724|infini|infini|15,84492300|infini|||"
    "28,78102804|0,08696196|0,00302150|0,26196|24,46132089|23,96273403|12,12702801",
    "0,254|620,0|-86,4|1,386|35,0911|3,1|F-D3|0|B|32,858|37,658|4,800|2,233|2,567|46,5 %|53,5 "
    "%|34,546|0,631|0,018|11,33049|489,409|488,961|245,058",
    "0,012|321,1|-50,7|0,420|3,4613|5,2|L-D3|0|B|3,456|3,466|0,010|0,005|0,005|49,9 %|50,1 "
    "%|3,461|0,354|0,102|32,83396|2031,398|2030,634|1015,477",
    "0,03|24|0|0,1|0,05|45|F--8|-1|B||||||||||||||",
    "0,1|148,1|24,8|1|0,3|22|FM-8|-1|B||||||||||||||",
};

TEST(Variations, SettingsAcrossTheRangeGiveTheirFourteenTexts)
{
    for (const char *line : kSweepLines) {
        SCOPED_TRACE(line);
        const QStringList parts = QString::fromUtf8(line).split(u'|');
        ASSERT_EQ(parts.size(), 9 + kResultFieldCount);
        VariationsInput in;
        in.cText = parts[0];
        in.fText = parts[1];
        in.dnText = parts[2];
        in.gpText = parts[3];
        in.dText = parts[4];
        in.nText = parts[5];
        const QString &choices = parts[6];
        in.fromFilm = choices[0] == u'F';
        in.macro = choices[1] == u'M';
        in.diffraction = choices[2] == u'D';
        in.decimals = choices.mid(3).toInt();
        const VariationsResult r = ComputeVariations(in);
        EXPECT_EQ(r.status, parts[7].toInt());
        if (r.status == VariationsResult::Done) {
            EXPECT_EQ(r.colour == ResultColour::Blue ? u'B' : u'G', parts[8][0]);
        }
        for (int i = 0; i < kResultFieldCount; ++i) {
            EXPECT_EQ(r.texts[static_cast<size_t>(i)], parts[9 + i])
                << kResultFieldNames[static_cast<size_t>(i)];
        }
    }
}

// Sharp to infinity is a negative far limit, never a finite one, even where
// the rear-depth formula alone would give a distance (a short lens at f/256
// focused beyond its hyperfocal distance); the focus stack reads its sign.
TEST(Variations, SettingBeyondTheHyperfocalDistanceHasANegativeFarLimit)
{
    const OpticalSetup shortLens{0.005e-3L, 0.010L, 0.150L, 1, 256};
    for (const bool fromFilm : {true, false}) {
        for (const long double d : {0.5L, 1.0L, 15.0L}) {
            const SettingDepth depth = ComputeSettingDepth(shortLens, d, fromFilm, false);
            ASSERT_EQ(depth.status, 0);
            EXPECT_LT(depth.far, 0)
                << "d " << static_cast<double>(d) << (fromFilm ? " film" : " lens");
            EXPECT_NE(depth.far, -1);
            EXPECT_GT(depth.near, 0);
        }
    }
}

} // namespace
