// Focus spread: from three rail readings, the focus and f-number that blur
// the near and far subjects by the circle of confusion. Checked against the
// blur circles worked out from the geometry of the pupils in the test, and
// against worked examples computed by hand.
#include "core/numerictext.h"
#include "support/qtprint.h"
#include "variations/focusspread.h"
#include "variations/variationscompute.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace optolune;

namespace {

struct SpreadCase {
    const char *name;
    long double cMm, fMm, gp, dnMm;
    long double infinity, nearReading, farReading; // mm on the rail
};

void PrintTo(const SpreadCase &c, std::ostream *os) { *os << c.name; }

FocusSpreadInput inputFor(const SpreadCase &c, bool fromFilm)
{
    FocusSpreadInput in;
    auto text = [](long double v) { return QString::number(static_cast<double>(v), 'f', 6).replace(u'.', u','); };
    in.infinityReading = text(c.infinity);
    in.nearReading = text(c.nearReading);
    in.farReading = text(c.farReading);
    in.cMm = c.cMm;
    in.fMm = c.fMm;
    in.gp = c.gp;
    in.dnMm = c.dnMm;
    in.fromFilm = fromFilm;
    in.fNumbers = {"4,5", "5,6", "8", "11", "16", "22", "32", "45", "64", "90", "128", "256"};
    return in;
}

// The blur circle on the film of a subject whose image lies at extension e
// (m) beyond infinity, the film at extension E, from the geometry alone: the
// exit pupil, gp times the entrance pupil f/N, stands gp f in front of the
// focal plane; the cone from it to the image is cut by the film.
long double blurOnFilm(long double fM, long double gp, long double N, long double eM, long double filmM)
{
    const long double pupil = gp * fM / N;
    const long double image = eM + gp * fM; // from the exit pupil
    const long double film = filmM + gp * fM;
    return pupil * std::fabs(image - film) / image;
}

class FocusSpread : public testing::TestWithParam<SpreadCase> {};

TEST_P(FocusSpread, BothSubjectsBlurByTheCircleOfConfusion)
{
    const SpreadCase &c = GetParam();
    for (bool fromFilm : {true, false}) {
        const FocusSpreadResult r = ComputeFocusSpread(inputFor(c, fromFilm));
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_TRUE(r.settingFound);
        const long double f = c.fMm / 1000, cM = c.cMm / 1000;
        const long double E = r.extensionMm / 1000;
        const long double eNear = (c.nearReading - c.infinity) / 1000;
        const long double eFar = (c.farReading - c.infinity) / 1000;
        // The film lies between the two images, each blurred by exactly c.
        EXPECT_GT(E, eFar);
        EXPECT_LT(E, eNear);
        EXPECT_NEAR(static_cast<double>(blurOnFilm(f, c.gp, r.N, eNear, E) / cM), 1.0, 1e-9);
        EXPECT_NEAR(static_cast<double>(blurOnFilm(f, c.gp, r.N, eFar, E) / cM), 1.0, 1e-9);
        // The rail reading is the reading at infinity plus that extension.
        EXPECT_NEAR(static_cast<double>(r.railReadingMm), static_cast<double>(c.infinity + r.extensionMm), 1e-9);
        // The focus: the thin-lens conjugates of the film's extension.
        const long double v = f + E;
        const long double u = f * v / E;
        EXPECT_NEAR(static_cast<double>(r.u), static_cast<double>(u), 1e-9);
        EXPECT_NEAR(static_cast<double>(r.v), static_cast<double>(v), 1e-9);
        EXPECT_NEAR(static_cast<double>(r.distance),
                    static_cast<double>(fromFilm ? u + v + c.dnMm / 1000 : u), 1e-9);
        EXPECT_EQ(r.macro, v > u);
        EXPECT_GE(QString(r.fNumberText).replace(u',', u'.').toDouble(), static_cast<double>(r.N));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Variations, FocusSpread,
    testing::Values(
        SpreadCase{"SuperSymmarLandscape", 0.1L, 148.1L, 1.1L, 24.8L, 12.0L, 23.5L, 13.1L},
        SpreadCase{"RetrofocusWideAngle", 0.05L, 90, 0.7L, -5, 100, 103.2L, 100.4L},
        SpreadCase{"TelephotoFarApart", 0.1L, 300, 1.6L, 40, 0, 12, 2},
        SpreadCase{"FarSubjectAtInfinity", 0.1L, 150, 1.0L, 0, 50, 54, 50},
        // Both images beyond 2f: the focus has a magnification above 1.
        SpreadCase{"MacroBeyondLifeSize", 0.03L, 100, 1.2L, 3, 10, 170, 150}),
    [](const testing::TestParamInfo<SpreadCase> &info) { return std::string(info.param.name); });

TEST(FocusSpreadRules, FarAwayTheFNumberIsTheSpreadOverTwoCircles)
{
    SpreadCase far{"", 0.1L, 150, 1.3L, 0, 0, 1.6L, 0.4L};
    const FocusSpreadResult r = ComputeFocusSpread(inputFor(far, true));
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(static_cast<double>(r.N), 1.2 / (2 * 0.1), 0.05); // 6, up to the extension's share
    EXPECT_EQ(r.fNumberText, QStringLiteral("8"));
    EXPECT_EQ(r.fNumberIndex, 2);
    EXPECT_FALSE(r.macro);
}

TEST(FocusSpreadRules, MacroOnlyWhenTheImageIsFartherThanTheSubject)
{
    SpreadCase macro{"", 0.03L, 100, 1.2L, 3, 10, 170, 150};
    EXPECT_TRUE(ComputeFocusSpread(inputFor(macro, true)).macro);
}

TEST(FocusSpreadRules, WorkedCloseUpNearLifeSize)
{
    // c 0,100, f 150, dn 0, gp 1; readings infinity 100, near 325, far
    // 232,35. By hand: the images lie 375 and 282,35 mm behind the exit
    // pupil; the film at their harmonic mean, 322,14574 mm, is 172,14574 mm
    // of extension; N = 150 (375 - 282,35) / (0,1 (375 + 282,35)) = 211,417.
    FocusSpreadInput in;
    in.infinityReading = QStringLiteral("100");
    in.nearReading = QStringLiteral("325");
    in.farReading = QStringLiteral("232,35");
    in.cMm = 0.1L;
    in.fMm = 150;
    in.gp = 1;
    in.dnMm = 0;
    in.fNumbers = {"128", "152,2", "181,0", "215,3", "256,0"};
    const FocusSpreadResult r = ComputeFocusSpread(in);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(FixedText(r.railReadingMm, 12, 2), QStringLiteral("272,15"));
    EXPECT_EQ(FixedText(r.extensionMm, 12, 5), QStringLiteral("172,14574"));
    EXPECT_EQ(FixedText(r.N, 5, 2), QStringLiteral("211,42"));
    EXPECT_EQ(r.fNumberText, QStringLiteral("215,3"));
    // u = 150 x 322,14574 / 172,14574 = 280,70 mm: the image is the farther.
    EXPECT_EQ(FixedText(r.distance, 12, 6), QStringLiteral("0,602849"));
    EXPECT_TRUE(r.macro);

    // At two decimals the window would read 0,60 m, exactly 4f, and compute
    // T = 150 mm. The distance takes the decimals that give 172,15.
    VariationsInput window{QStringLiteral("0,100"), QStringLiteral("150"), QStringLiteral("0"),
                           QStringLiteral("1,000"), QStringLiteral("3"), QStringLiteral("8"), true, false, 2};
    const FocusSpreadSetting setting = SettingOfFocusSpread(r, window);
    EXPECT_EQ(setting.input.dText, QStringLiteral("0,60285"));
    EXPECT_EQ(setting.input.decimals, 5);
    EXPECT_EQ(setting.input.nText, QStringLiteral("215,3"));
    EXPECT_TRUE(setting.input.macro);
    EXPECT_TRUE(setting.decimalsRaised);
    EXPECT_TRUE(setting.agrees);
    EXPECT_EQ(FixedText(setting.extensionMm, 12, 2), QStringLiteral("172,15"));
    EXPECT_EQ(FocusSpreadSettingText(r, setting),
              QStringLiteral("Réglez le rail sur 272,15 mm (tirage 172,15 mm), diaphragme 215,3 ; "
                             "5 décimales pour ce tirage."));
    // Already at 8 decimals: nothing raised.
    window.decimals = 8;
    const FocusSpreadSetting eight = SettingOfFocusSpread(r, window);
    EXPECT_EQ(eight.input.dText, QStringLiteral("0,60284894"));
    EXPECT_FALSE(eight.decimalsRaised);
    EXPECT_TRUE(eight.agrees);
}

TEST(FocusSpreadRules, AtLifeSizeEvenEightDecimalsMaySayAnotherExtension)
{
    // f 150, gp 1: images 303 and 297 mm behind the pupil, film at
    // 299,97 mm, 0,03 mm short of 1:1. The distance to the film then moves
    // by (0,03 mm)^2 / f = 6e-9 m: 0,60000001 at 8 decimals, which gives
    // T = 149,96 mm, and the status says so.
    FocusSpreadInput in = inputFor(SpreadCase{"", 0.1L, 150, 1, 0, 0, 153, 147}, true);
    in.fNumbers = {"16"};
    const FocusSpreadResult r = ComputeFocusSpread(in);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(FixedText(r.extensionMm, 12, 2), QStringLiteral("149,97"));
    const VariationsInput window{QStringLiteral("0,100"), QStringLiteral("150"), QStringLiteral("0"),
                                 QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("8"), true, false, 3};
    const FocusSpreadSetting setting = SettingOfFocusSpread(r, window);
    EXPECT_EQ(setting.input.dText, QStringLiteral("0,60000001"));
    EXPECT_EQ(setting.input.decimals, 8);
    EXPECT_FALSE(setting.agrees);
    EXPECT_EQ(FocusSpreadSettingText(r, setting),
              QStringLiteral("Réglez le rail sur 149,97 mm (tirage 149,97 mm), diaphragme 16 ; "
                             "même à 8 décimales, tirage 149,96 mm."));
}

TEST(FocusSpreadRules, ALandscapeWithTheTestLens)
{
    // f 148,1, gp 1,1, c 0,1, dn 24,8; readings 12 / 23,5 / 13,1: images
    // 174,41 and 164,01 mm behind the exit pupil, film 6,14020 mm out,
    // N = 162,91 x 10,4 / (0,1 x 338,42) = 50,06.
    FocusSpreadInput in = inputFor(SpreadCase{"", 0.1L, 148.1L, 1.1L, 24.8L, 12, 23.5L, 13.1L}, true);
    const FocusSpreadResult r = ComputeFocusSpread(in);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(FixedText(r.railReadingMm, 12, 2), QStringLiteral("18,14"));
    EXPECT_EQ(FixedText(r.extensionMm, 12, 4), QStringLiteral("6,1402"));
    EXPECT_EQ(FixedText(r.N, 5, 2), QStringLiteral("50,06"));
    EXPECT_EQ(r.fNumberText, QStringLiteral("64"));
    EXPECT_EQ(FixedText(r.distance, 12, 3), QStringLiteral("3,899"));
    EXPECT_FALSE(r.macro);
}

TEST(FocusSpreadRules, BadReadingsAreRefusedWithAFrenchMessage)
{
    SpreadCase base{"", 0.1L, 150, 1.1L, 0, 10, 20, 12};
    struct Case {
        const char *infinity, *nearReading, *farReading;
        const char *error;
        const char *rail; // the rail reading that still holds, or nullptr
    };
    const Case cases[] = {
        {"10", "vingt", "12", "Lecture au point proche illisible : 'vingt'. Saisissez un nombre de millimètres.", nullptr},
        {"", "20", "12", "Lecture vide à l'infini : saisissez un nombre de millimètres.", nullptr},
        {"10", "  ", "12", "Lecture vide au point proche : saisissez un nombre de millimètres.", nullptr},
        {"10", "20", "", "Lecture vide au point éloigné : saisissez un nombre de millimètres.", nullptr},
        {"10", "20", "1\t2", "Lecture au point éloigné illisible : '1\\x092'. Saisissez un nombre de millimètres.", nullptr},
        {"10", "12", "12", "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche.", nullptr},
        {"10", "12", "14", "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche.", nullptr},
        {"10", "20", "9", "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche.", nullptr},
        // 0,1 mm of spread at 150 mm asks for less than f/1; the film still
        // goes midway: 0,15 mm out.
        {"10", "10,2", "10.1", "Le diaphragme nécessaire, 0,50, est hors intervalle 1,0-256,0", "10,15"},
        // Images at 285 and 165 mm behind the pupil: film 209 mm behind it,
        // 44 mm out.
        {"0", "120", "0", "Le diaphragme nécessaire, 440,00, est hors intervalle 1,0-256,0", "44,00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.error);
        FocusSpreadInput in = inputFor(base, true);
        in.infinityReading = QString::fromUtf8(c.infinity);
        in.nearReading = QString::fromUtf8(c.nearReading);
        in.farReading = QString::fromUtf8(c.farReading);
        const FocusSpreadResult r = ComputeFocusSpread(in);
        EXPECT_EQ(r.error, QString::fromUtf8(c.error));
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.settingFound, c.rail != nullptr);
        if (c.rail) {
            EXPECT_EQ(FixedText(r.railReadingMm, 12, 2), QString::fromUtf8(c.rail));
        }
    }
}

TEST(FocusSpreadRules, NoFNumberOfTheListReachingNKeepsTheRailReading)
{
    // f 150, gp 1,1, c 0,1; readings 10 / 20 / 12: images 175 and 167 mm
    // behind the pupil; film at 170,91 mm, 5,91 mm out; N = 165 x 8 /
    // (0,1 x 342) = 38,60.
    SpreadCase base{"", 0.1L, 150, 1.1L, 0, 10, 20, 12};
    FocusSpreadInput few = inputFor(base, true);
    few.fNumbers = {"5,6", "4", "abc"};
    const FocusSpreadResult r = ComputeFocusSpread(few);
    EXPECT_EQ(r.error, QStringLiteral("Aucun diaphragme de la liste n'atteint 38,60 : le plus grand est 5,6. "
                                      "Ajoutez-en un à la liste des diaphragmes."));
    EXPECT_TRUE(r.settingFound);
    EXPECT_EQ(FixedText(r.railReadingMm, 12, 2), QStringLiteral("15,91"));
    EXPECT_EQ(FixedText(r.N, 5, 2), QStringLiteral("38,60"));
    EXPECT_EQ(r.largestFNumberText, QStringLiteral("5,6"));
    EXPECT_EQ(r.fNumberIndex, -1);

    few.fNumbers.clear();
    EXPECT_EQ(ComputeFocusSpread(few).error,
              QStringLiteral("Aucun diaphragme de la liste n'atteint 38,60 : la liste n'en a aucun. "
                             "Ajoutez-en un à la liste des diaphragmes."));
}

} // namespace
