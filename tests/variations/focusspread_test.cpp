// Focus spread: from three rail readings, the focus and f-number that put the
// near and far limits of the depth of field on the two subjects. Checked
// against the depth of field the calculator itself computes for that setting
// (ComputeSettingDepth), which is the thin lens with pupils.
#include "core/calcul.h"
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

// Where a subject lies whose image is at extension e (m) beyond infinity:
// from the front nodal point, 1/x + 1/(f + e) = 1/f.
long double subjectAt(long double fM, long double eM) { return fM * (fM + eM) / eM; }

class FocusSpread : public testing::TestWithParam<SpreadCase> {};

TEST_P(FocusSpread, PutsTheLimitsOnTheTwoSubjects)
{
    const SpreadCase &c = GetParam();
    for (bool fromFilm : {true, false}) {
        const FocusSpreadResult r = ComputeFocusSpread(inputFor(c, fromFilm));
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        const OpticalSetup setup{c.cMm / 1000, c.fMm / 1000, c.dnMm / 1000, c.gp, r.N};
        const SettingDepth depth = ComputeSettingDepth(setup, r.distance, fromFilm, r.macro);
        ASSERT_EQ(depth.status, 0);
        EXPECT_NEAR(static_cast<double>(depth.u), static_cast<double>(r.u), 1e-12);
        // From the film both limits are shifted by the film's v + dn.
        const long double shift = fromFilm ? depth.v + setup.dn : 0;
        const long double f = setup.f;
        const long double nearSubject = subjectAt(f, (c.nearReading - c.infinity) / 1000) + shift;
        EXPECT_NEAR(static_cast<double>(depth.near), static_cast<double>(nearSubject), 1e-9);
        const long double eFar = (c.farReading - c.infinity) / 1000;
        if (eFar > 0) {
            const long double farSubject = subjectAt(f, eFar) + shift;
            EXPECT_NEAR(static_cast<double>(depth.far), static_cast<double>(farSubject), 1e-9);
        } else {
            // The far subject at infinity: the focus is the hyperfocal distance.
            EXPECT_TRUE(FocusedAtOrBeyondHyperfocal(setup, depth.u));
        }
        // The same with the optics of calcul that the table uses.
        if (!r.macro) {
            if (fromFilm) {
                DofResult dof;
                ASSERT_EQ(ComputeDepthAtDistance(setup, r.distance, dof), 0);
                EXPECT_NEAR(static_cast<double>(dof.nearFilm), static_cast<double>(nearSubject), 1e-9);
                if (eFar > 0)
                    EXPECT_NEAR(static_cast<double>(dof.farFilm),
                                static_cast<double>(subjectAt(f, eFar) + shift), 1e-9);
                else
                    EXPECT_LT(dof.farFilm, 0); // sharp to infinity
            } else {
                const CellDepth cell = ComputeCellDepthFromLens(setup, r.distance);
                EXPECT_NEAR(static_cast<double>(cell.near), static_cast<double>(nearSubject), 1e-9);
                if (eFar > 0)
                    EXPECT_NEAR(static_cast<double>(cell.far), static_cast<double>(subjectAt(f, eFar)), 1e-9);
                else
                    EXPECT_LT(cell.far, 0);
            }
        }
        EXPECT_NEAR(static_cast<double>(r.railReadingMm - c.infinity), static_cast<double>(r.extensionMm), 1e-9);
        // The film lies between the two images.
        EXPECT_GT(r.extensionMm, c.farReading - c.infinity);
        EXPECT_LT(r.extensionMm, c.nearReading - c.infinity);
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

TEST(FocusSpreadRules, BadReadingsAreRefusedWithAFrenchMessage)
{
    SpreadCase base{"", 0.1L, 150, 1.1L, 0, 10, 20, 12};
    struct Case {
        const char *infinity, *nearReading, *farReading;
        const char *error;
    };
    const Case cases[] = {
        {"10", "vingt", "12", "Lecture au point proche illisible : 'vingt'. Saisissez un nombre de millimètres."},
        {"", "20", "12", "Lecture à l'infini illisible : ''. Saisissez un nombre de millimètres."},
        {"10", "20", "1\t2", "Lecture au point éloigné illisible : '1\\x092'. Saisissez un nombre de millimètres."},
        {"10", "12", "12", "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche."},
        {"10", "12", "14", "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche."},
        {"10", "20", "9", "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche."},
        // 0,1 mm of spread at 150 mm asks for less than f/1.
        {"10", "10,2", "10.1", "Le diaphragme nécessaire, 0,50, est hors intervalle 1,0-256,0"},
        {"0", "120", "0", "Le diaphragme nécessaire, 440,00, est hors intervalle 1,0-256,0"},
    };
    for (const Case &c : cases) {
        FocusSpreadInput in = inputFor(base, true);
        in.infinityReading = QString::fromUtf8(c.infinity);
        in.nearReading = QString::fromUtf8(c.nearReading);
        in.farReading = QString::fromUtf8(c.farReading);
        EXPECT_EQ(ComputeFocusSpread(in).error, QString::fromUtf8(c.error));
    }

    FocusSpreadInput few = inputFor(base, true);
    few.fNumbers = {"4", "5,6"};
    EXPECT_EQ(ComputeFocusSpread(few).error,
              QStringLiteral("Aucun diaphragme de la liste n'atteint 38,60 : ajoutez-en un à la liste des diaphragmes."));
}

} // namespace
