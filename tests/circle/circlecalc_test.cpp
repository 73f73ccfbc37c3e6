#include "circle/circlecalc.h"

#include "support/recorder.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

struct WorkedCase {
    const char *name;
    const char *largF, *longF, *largT, *longT, *distObs;
    bool fullFrame, minDistance;
    // The seven result texts: film used, print image, diagonal, enlargement,
    // viewing distance used, c, limiting f-number.
    const char *fmodif, *tmodif, *diagTir, *coeff, *distObsCalc, *c, *nmin;
};

void PrintTo(const WorkedCase &c, std::ostream *os) { *os << c.name; }

CircleState stateOf(const WorkedCase &w)
{
    CircleState s;
    s.largF = QString::fromUtf8(w.largF);
    s.longF = QString::fromUtf8(w.longF);
    s.largT = QString::fromUtf8(w.largT);
    s.longT = QString::fromUtf8(w.longT);
    s.distObs = QString::fromUtf8(w.distObs);
    s.fullFrame = w.fullFrame;
    s.minDistance = w.minDistance;
    return s;
}

class WorkedExampleTest : public testing::TestWithParam<WorkedCase> {};

} // namespace

TEST_P(WorkedExampleTest, GivesTheResultTexts)
{
    const WorkedCase &w = GetParam();
    Recorder rec;
    CircleState s = stateOf(w);
    ASSERT_TRUE(CalculateCircle(s));
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(s.fmodif, QString::fromUtf8(w.fmodif));
    EXPECT_EQ(s.tmodif, QString::fromUtf8(w.tmodif));
    EXPECT_EQ(s.diagTir, QString::fromUtf8(w.diagTir));
    EXPECT_EQ(s.coeff, QString::fromUtf8(w.coeff));
    EXPECT_EQ(s.distObsCalc, QString::fromUtf8(w.distObsCalc));
    EXPECT_EQ(s.c, QString::fromUtf8(w.c));
    EXPECT_EQ(s.nmin, QString::fromUtf8(w.nmin));
}

// The same results from the textbook: the enlargement is the ratio of the
// diagonals of the print image and of the film area it comes from (both
// have the same proportions); the eye accepts a blur of 1/1250 of the
// viewing distance on the print; diffraction blurs a point into an Airy
// disc 2,44 x 555 nm x N across.
TEST_P(WorkedExampleTest, AgreesWithTheTextbookFormulas)
{
    const WorkedCase &w = GetParam();
    Recorder rec;
    CircleState s = stateOf(w);
    ASSERT_EQ(CheckCircleFields(s).code, 0);
    const CircleInput in = ReadCircleInput(s);
    const CircleResult r = ComputeCircle(in);

    const long double printDiagMm = 10 * std::hypot(r.pW, r.pL);
    const long double filmDiagMm = std::hypot(r.fW, r.fL);
    // The film area used has the print image's proportions.
    EXPECT_NEAR(static_cast<double>(r.fL / r.fW), static_cast<double>(r.pL / r.pW), 1e-12);
    EXPECT_NEAR(static_cast<double>(r.E), static_cast<double>(printDiagMm / filmDiagMm), 1e-12);
    const long double viewingMm = in.minDistance ? 10 * in.distObs : printDiagMm;
    const long double textbookC = viewingMm / 1250 / (printDiagMm / filmDiagMm);
    EXPECT_NEAR(static_cast<double>(r.c), static_cast<double>(textbookC), 1e-12);
    // 2,44 x 0,000555 mm is 0,0013542, within 0,03 % of the program's
    // constant (which takes lambda = 554,85 nm).
    const long double airyN = textbookC / (2.44L * 0.000555L);
    EXPECT_NEAR(static_cast<double>(r.nLim / airyN), 1.0, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkedExampleTest,
    testing::Values(
        WorkedCase{"SixBySixCroppedTo30x40", "56", "56", "30", "40", "25", false, false,
                   "42x56", "30x40", "50", "7,1", "50", "0,056", "41,4"},
        WorkedCase{"SixBySixFullFrame", "56", "56", "30", "40", "25", true, false,
                   "56x56", "30x30", "42", "5,4", "42", "0,063", "46,8"},
        WorkedCase{"SmallFormatOn24x30", "24", "36", "24", "30", "25", false, false,
                   "24x30", "24x30", "38", "10,0", "38", "0,031", "22,7"},
        WorkedCase{"SmallFormatSeenFrom25cm", "24", "36", "24", "30", "25", false, true,
                   "24x30", "24x30", "38", "10,0", "25", "0,020", "14,8"},
        WorkedCase{"SmallFormatFullFrame", "24", "36", "24", "30", "25", true, false,
                   "24x36", "20x30", "36", "8,3", "36", "0,035", "25,6"},
        // Equal proportions take the width-based enlargement.
        WorkedCase{"TieCropped", "96", "120", "20", "25", "25", false, false,
                   "96x120", "20x25", "32", "2,1", "32", "0,123", "90,8"},
        WorkedCase{"TieFullFrame", "96", "120", "20", "25", "25", true, false,
                   "96x120", "20x25", "32", "2,1", "32", "0,123", "90,8"},
        WorkedCase{"PanoramicCropped", "56", "168", "30", "40", "25", false, false,
                   "56x75", "30x40", "50", "5,4", "50", "0,075", "55,2"},
        WorkedCase{"PanoramicFullFrame", "56", "168", "30", "40", "25", true, false,
                   "56x168", "13x40", "42", "2,4", "42", "0,142", "104,6"},
        WorkedCase{"ApsCSensor", "15,6", "23,5", "30", "40", "25", false, false,
                   "16x21", "30x40", "50", "19,2", "50", "0,021", "15,4"},
        // A print smaller than the film: c beyond anything the table takes.
        WorkedCase{"ContactSizeFromFar", "276", "352", "9", "13", "300", false, true,
                   "244x352", "9x13", "16", "0,4", "300", "6,498", "4800,1"},
        WorkedCase{"SmallestFilmLargestEnlargement", "8", "11", "50", "60", "10", true, true,
                   "8x11", "44x60", "74", "54,5", "10", "0,001", "1,1"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ComputeCircle, EqualProportionsTakeTheWidthBranch)
{
    // 30 x 40 film on a 9 x 12 print: both ratios are 4/3.
    CircleInput in;
    in.largF = 30;
    in.longF = 40;
    in.largT = 9;
    in.longT = 12;
    ASSERT_EQ(in.longF / in.largF, in.longT / in.largT);
    for (const bool fullFrame : {false, true}) {
        in.fullFrame = fullFrame;
        const CircleResult r = ComputeCircle(in);
        EXPECT_EQ(r.E, 10 * in.largT / in.largF) << fullFrame;
        EXPECT_EQ(r.fW, in.largF);
        EXPECT_EQ(r.pW, in.largT);
    }
}

namespace {

struct CheckCase {
    const char *name;
    const char *distObs, *largF, *longF, *largT, *longT;
    int status;
    const char *message; // empty: none
    // The five texts after the check, in the same order.
    const char *after[5];
};

void PrintTo(const CheckCase &c, std::ostream *os) { *os << c.name; }

class CheckTest : public testing::TestWithParam<CheckCase> {};

} // namespace

TEST_P(CheckTest, ChecksInOrderAndKeepsAFailedFieldAsTyped)
{
    const CheckCase &k = GetParam();
    Recorder rec;
    CircleState s;
    s.distObs = QString::fromUtf8(k.distObs);
    s.largF = QString::fromUtf8(k.largF);
    s.longF = QString::fromUtf8(k.longF);
    s.largT = QString::fromUtf8(k.largT);
    s.longT = QString::fromUtf8(k.longT);
    const CircleCheck check = CheckCircleFields(s);
    EXPECT_EQ(check.code, k.status);
    const QString message = QString::fromUtf8(k.message);
    EXPECT_EQ(check.warning, message.isEmpty() ? std::nullopt : std::optional<QString>(message));
    EXPECT_TRUE(rec.messages().empty()); // the window shows the warning
    const QStringList after{s.distObs, s.largF, s.longF, s.largT, s.longT};
    QStringList expected;
    for (const char *text : k.after)
        expected << QString::fromUtf8(text);
    EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckTest,
    testing::Values(
        CheckCase{"AllGood", "25", "56", "56", "30", "40", 0, "", {"25", "56", "56", "30", "40"}},
        CheckCase{"DistanceTooShort", "9", "56", "56", "30", "40", 3, "Champ DO incorrect (10-300)",
                  {"9", "56", "56", "30", "40"}},
        CheckCase{"DistanceRoundedIntoRange", "9,6", "56", "56", "30", "40", 0, "",
                  {"10", "56", "56", "30", "40"}},
        CheckCase{"DistanceTooLong", "301", "56", "56", "30", "40", 4,
                  "Champ DO incorrect (10-300)", {"301", "56", "56", "30", "40"}},
        CheckCase{"PointBecomesComma", "25", "56.5", "60", "30", "40", 0, "",
                  {"25", "56,5", "60", "30", "40"}},
        CheckCase{"WholeLosesItsZero", "25", "56,0", "56,04", "30", "40", 0, "",
                  {"25", "56", "56", "30", "40"}},
        // Fields checked before the failed one are normalized already; the
        // failed one keeps what was typed, point included.
        CheckCase{"UnreadableWidth", "25,4", "5x6.", "56", "30", "40", 2,
                  "Champ Largeur film incorrect (8-300)", {"25", "5x6.", "56", "30", "40"}},
        CheckCase{"FilmTooLong", "25", "56", "500", "30", "40", 4,
                  "Champ Longueur film incorrect (11-400)", {"25", "56", "500", "30", "40"}},
        CheckCase{"PrintWidthTooSmall", "25", "56", "56", "8,94", "40", 3,
                  "Champ Largeur tirage incorrect (9-100)", {"25", "56", "56", "8,94", "40"}},
        CheckCase{"EmptyPrintLength", "25", "56", "56", "30", "", 1,
                  "Champ Longueur tirage incorrect (13-300)", {"25", "56", "56", "30", ""}},
        CheckCase{"FilmWiderThanLong", "25", "60", "56", "30", "40", -1,
                  "Largeur film supérieure à longueur film incorrect", {"25", "60", "56", "30", "40"}},
        CheckCase{"PrintWiderThanLong", "25", "56", "56", "41", "40", -1,
                  "Largeur tirage supérieure à longueur tirage incorrect",
                  {"25", "56", "56", "41", "40"}},
        // Compared as numbers: as texts "8" would come after "11".
        CheckCase{"SmallestFilmComparedAsNumbers", "25", "8", "11", "9,5", "13", 0, "",
                  {"25", "8", "11", "9,5", "13"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CalculateCircle, AFailedCheckEmptiesCAndTheFNumberOnly)
{
    Recorder rec;
    CircleState s;
    ASSERT_TRUE(CalculateCircle(s));
    s.largT = QStringLiteral("300");
    const CircleCheck check = CalculateCircle(s);
    EXPECT_FALSE(check);
    EXPECT_EQ(check.warning, QStringLiteral("Champ Largeur tirage incorrect (9-100)"));
    EXPECT_TRUE(s.c.isEmpty());
    EXPECT_TRUE(s.nmin.isEmpty());
    EXPECT_EQ(s.fmodif, QStringLiteral("42x56"));
    EXPECT_EQ(s.tmodif, QStringLiteral("30x40"));
    EXPECT_EQ(s.diagTir, QStringLiteral("50"));
    EXPECT_EQ(s.coeff, QStringLiteral("7,1"));
    EXPECT_EQ(s.distObsCalc, QStringLiteral("50"));
}

TEST(ClearCircleResults, EmptiesCTheFNumberAndTheEnlargement)
{
    Recorder rec;
    CircleState s;
    ASSERT_TRUE(CalculateCircle(s));
    ClearCircleResults(s);
    EXPECT_TRUE(s.c.isEmpty());
    EXPECT_TRUE(s.nmin.isEmpty());
    EXPECT_TRUE(s.coeff.isEmpty());
    EXPECT_EQ(s.fmodif, QStringLiteral("42x56"));
    EXPECT_EQ(s.distObsCalc, QStringLiteral("50"));
}

TEST(Presets, FilmListKeepsItsIndexesAndAddsTheDigitalSensors)
{
    const QStringList expected{"APS",    "24x36",   "4,5x6 cm", "6x6 cm",   "6x7 cm",
                               "6x9 cm", "6x17 cm", "4x5 in",   "5x7 in",   "8x10 in",
                               "10x12 in", "11x14 in", "APS-C", "Micro 4-3",
                               "Numérique 33x44", "Numérique 40x54"};
    QStringList items;
    for (const FormatPreset &p : FilmPresets())
        items << QString::fromUtf8(p.item);
    EXPECT_EQ(items, expected);
    EXPECT_EQ(items[kDefaultFilmPreset], QStringLiteral("6x6 cm"));

    QStringList prints;
    for (const FormatPreset &p : PrintPresets())
        prints << QString::fromUtf8(p.item);
    EXPECT_EQ(prints, (QStringList{"9x13", "10x15", "13x18", "18x24", "20x25", "A4", "24x30",
                                   "28x35", "30x40", "40x50", "50x60"}));
    EXPECT_EQ(prints[kDefaultPrintPreset], QStringLiteral("30x40"));
}

TEST(Presets, EveryFilmOnEveryPrintPassesTheChecks)
{
    // The film name goes into the table's file name: no '_' (the name's
    // separator) and no '/'.
    Recorder rec;
    for (int f = 0; f < static_cast<int>(FilmPresets().size()); ++f) {
        const QString item = QString::fromUtf8(FilmPresets()[static_cast<size_t>(f)].item);
        EXPECT_FALSE(item.contains(u'_') || item.contains(u'/')) << item.toStdString();
        for (int p = 0; p < static_cast<int>(PrintPresets().size()); ++p) {
            CircleState s;
            ApplyFilmPreset(s, f);
            ApplyPrintPreset(s, p);
            EXPECT_TRUE(CalculateCircle(s)) << f << ' ' << p;
        }
    }
    EXPECT_TRUE(rec.messages().empty());
}

TEST(Presets, ApplyingClearsTheResultsAndWritesTheTexts)
{
    Recorder rec;
    CircleState s;
    ASSERT_TRUE(CalculateCircle(s));
    ApplyFilmPreset(s, 13);
    EXPECT_EQ(s.largF, QStringLiteral("13"));
    EXPECT_EQ(s.longF, QStringLiteral("17,3"));
    EXPECT_TRUE(s.c.isEmpty());
    EXPECT_TRUE(s.coeff.isEmpty());
    EXPECT_EQ(s.fmodif, QStringLiteral("42x56")); // until the next calculation
    ApplyPrintPreset(s, 5);
    EXPECT_EQ(s.largT, QStringLiteral("21"));
    EXPECT_EQ(s.longT, QStringLiteral("29"));

    // Outside the lists nothing changes, the results included.
    ASSERT_TRUE(CalculateCircle(s));
    const CircleState before = s;
    ApplyFilmPreset(s, 16);
    ApplyFilmPreset(s, -1);
    ApplyPrintPreset(s, 11);
    EXPECT_EQ(s.largF, before.largF);
    EXPECT_EQ(s.longT, before.longT);
    EXPECT_EQ(s.c, before.c);
}

TEST(FilmFormatName, ThePresetsNameWhileTheFieldsHoldItsSizes)
{
    // Film preset 1 is 24x36, preset 12 the APS-C sensor of 15,6 x 23,5 mm.
    const struct {
        int preset;
        const char *width, *length;
        const char *name;
    } cases[] = {
        {1, "24", "36", "24x36"},       {12, "15,6", "23,5", "APS-C"},
        {3, "56", "56", "6x6 cm"},      {1, "20,5", "30", "20,5x30"},
        {1, "24", "36,5", "24x36,5"},   {12, "15,6", "23", "15,6x23"},
        {3, "56", "70", "56x70"}, // the sizes of 6x7 cm, under 6x6 cm
        {-1, "24", "36", "24x36"},      {99, "56", "56", "56x56"},
    };
    for (const auto &k : cases) {
        CircleState s;
        s.largF = QString::fromUtf8(k.width);
        s.longF = QString::fromUtf8(k.length);
        EXPECT_EQ(FilmFormatName(s, k.preset), QString::fromUtf8(k.name))
            << k.preset << ' ' << k.width << 'x' << k.length;
    }
}
