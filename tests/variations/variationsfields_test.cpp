// The field check of the variations calculator, its hints, and the half-stop
// steps of the f-number.
#include "support/qtprint.h"
#include "support/recorder.h"
#include "variations/variationsfields.h"

#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::Message;
using optolune::test::Recorder;

namespace {

VariationsInput fields(const char *gp, const char *dn, const char *c, const char *f, const char *d,
                       int decimals = 3)
{
    VariationsInput in;
    in.gpText = QString::fromUtf8(gp);
    in.dnText = QString::fromUtf8(dn);
    in.cText = QString::fromUtf8(c);
    in.fText = QString::fromUtf8(f);
    in.dText = QString::fromUtf8(d);
    in.nText = QStringLiteral("8");
    in.decimals = decimals;
    return in;
}

struct CheckCase {
    const char *name;
    VariationsInput input;
    VariationsInput expected; // texts after the check
    std::vector<Message> messages;
};

void PrintTo(const CheckCase &c, std::ostream *os) { *os << c.name; }

class FieldCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(FieldCheck, RepairsTheFieldsInOrder)
{
    const CheckCase &c = GetParam();
    Recorder rec;
    VariationsInput in = c.input;
    const ManualFieldsCheck check = CheckManualFields(in, {});
    EXPECT_EQ(check.code, 0);
    EXPECT_EQ(in.gpText, c.expected.gpText);
    EXPECT_EQ(in.dnText, c.expected.dnText);
    EXPECT_EQ(in.cText, c.expected.cText);
    EXPECT_EQ(in.fText, c.expected.fText);
    EXPECT_EQ(in.dText, c.expected.dText);
    EXPECT_EQ(in.nText, QStringLiteral("8")); // EdDia is the program's
    EXPECT_EQ(optolune::test::Said(check.notices), c.messages);
    EXPECT_TRUE(rec.messages().empty()); // the window shows them
}

INSTANTIATE_TEST_SUITE_P(
    Variations, FieldCheck,
    testing::Values(
        CheckCase{"OpeningTexts", fields("1,1", "24,8", "0,100", "148,1", "0,5"),
                  fields("1,100", "24,8", "0,100", "148,1", "0,500"), {}},
        CheckCase{"PointsBecomeCommas", fields("1.2", "-4.5", "0.05", "80.25", "2.5"),
                  fields("1,200", "-4,5", "0,050", "80,3", "2,500"), {}},
        CheckCase{"GpAboveItsMaximum", fields("7", "0", "0,1", "150", "3"),
                  fields("5", "0", "0,100", "150", "3"),
                  {{"warning", "Valeur hors intervalle 0,100-5,000"}}},
        CheckCase{"EachRepairWarnsInTheFieldsOrder", fields("", "200", "abc", "5", "1000"),
                  fields("0,100", "150", "0,005", "10", "900"),
                  {{"warning", "Champ vide"},
                   {"warning", "Valeur hors intervalle -150,0-150,0"},
                   {"warning", "Saisissez un décimal de l'intervalle 0,005-0,500"},
                   {"warning", "Valeur hors intervalle 10,0-1200,0"},
                   {"warning", "Valeur hors intervalle 0,010-900,000"}}},
        // The distance keeps two decimals at least: 0,75 m is not rounded to
        // 1 or 0,8, and 0,02 m (below the hint's 3 cm) passes.
        CheckCase{"DistanceAtNoDecimals", fields("1", "0", "0,1", "150", "0,75", 0),
                  fields("1", "0", "0,100", "150", "0,75"), {}},
        CheckCase{"DistanceAtOneDecimal", fields("1", "0", "0,1", "150", "0,02", 1),
                  fields("1", "0", "0,100", "150", "0,02"), {}},
        CheckCase{"ShortDistanceAtNoDecimals", fields("1", "0", "0,1", "150", "0,004", 0),
                  fields("1", "0", "0,100", "150", "0,01"),
                  {{"warning", "Valeur hors intervalle 0,01-900,00"}}},
        CheckCase{"DistanceAtFiveDecimals", fields("1", "0", "0,1", "150", "2,123456", 5),
                  fields("1", "0", "0,100", "150", "2,12346"), {}}),
    [](const testing::TestParamInfo<CheckCase> &info) { return std::string(info.param.name); });

TEST(VariationsFields, AnEmptyListIsReportedFirstAndNoFieldIsTouched)
{
    struct Case {
        ListsEmpty lists;
        int code;
        const char *message;
    };
    const Case cases[] = {
        {{true, true, true, true}, 4, "Créez une liste des focales"},
        {{false, true, true, true}, 5, "Créez une liste des diaphragmes"},
        {{false, false, true, true}, 5, "Créez une liste des diamètres"},
        {{false, false, false, true}, 5, "Créez une liste des distances"},
    };
    for (const Case &c : cases) {
        Recorder rec;
        VariationsInput in = fields("7", "0", "0.1", "150", "3");
        const ManualFieldsCheck check = CheckManualFields(in, c.lists);
        EXPECT_EQ(check.code, c.code);
        EXPECT_EQ(optolune::test::Said(check.notices),
                  (std::vector<Message>{{"information", QString::fromUtf8(c.message)}}));
        EXPECT_TRUE(rec.messages().empty());
        EXPECT_EQ(in.gpText, QStringLiteral("7"));
        EXPECT_EQ(in.cText, QStringLiteral("0.1"));
    }
}

TEST(VariationsFields, NormalisingTouchesEveryTypedFieldButTheFNumber)
{
    VariationsInput in = fields("1.1", "2.5", "0.1", "80.5", "3.25");
    in.nText = QStringLiteral("5.6");
    NormaliseDecimalPoints(in);
    EXPECT_EQ(in.gpText, QStringLiteral("1,1"));
    EXPECT_EQ(in.dnText, QStringLiteral("2,5"));
    EXPECT_EQ(in.cText, QStringLiteral("0,1"));
    EXPECT_EQ(in.fText, QStringLiteral("80,5"));
    EXPECT_EQ(in.dText, QStringLiteral("3,25"));
    EXPECT_EQ(in.nText, QStringLiteral("5.6"));
}

TEST(VariationsFields, HintsCarryTheLimits)
{
    const ParameterHints h = VariationsParameterHints();
    EXPECT_EQ(h.circle, QStringLiteral("Diamètre du cercle de confusion (mm)|  minimum: 0,005  maximum: 0,500"));
    EXPECT_EQ(h.focal, QStringLiteral("Focale (mm)|  minimum: 10,00  maximum: 1200,00"));
    EXPECT_EQ(h.nodal, QStringLiteral("Distance nodale (mm)|  minimum: -150,0  maximum: 150,0"));
    EXPECT_EQ(h.pupil, QStringLiteral("Grandissement pupillaire|  minimum: 0,10  maximum: 5,00"));
    EXPECT_EQ(h.distance, QStringLiteral("Distance de mise au point (m)|  minimum: 0,03  maximum: 900,00"));
    EXPECT_EQ(h.fNumber, QStringLiteral("Diaphragme sélectionné dans la liste|  minimum: 1,0  maximum: 256,0"));
}

struct HalfStopCase {
    const char *name;
    const char *before;
    const char *pressedUp, *releasedUp;     // "" when the release leaves the field
    const char *pressedDown, *releasedDown;
};

void PrintTo(const HalfStopCase &c, std::ostream *os) { *os << c.name; }

class HalfStops : public testing::TestWithParam<HalfStopCase> {};

TEST_P(HalfStops, PressStepsAndReleaseStepsBack)
{
    const HalfStopCase &c = GetParam();
    const QString up = HalfStopUp(QString::fromUtf8(c.before));
    EXPECT_EQ(up, QString::fromUtf8(c.pressedUp));
    EXPECT_EQ(ReleaseAfterUp(up).value_or(QString()), QString::fromUtf8(c.releasedUp));
    const QString down = HalfStopDown(QString::fromUtf8(c.before));
    EXPECT_EQ(down, QString::fromUtf8(c.pressedDown));
    EXPECT_EQ(ReleaseAfterDown(down).value_or(QString()), QString::fromUtf8(c.releasedDown));
}

INSTANTIATE_TEST_SUITE_P(
    Variations, HalfStops,
    testing::Values(HalfStopCase{"Eight", "8", "9,5", "8,0", "6,7", "8,0"},
                    HalfStopCase{"FiveSixComesBackAsItWas", "5,6", "6,7", "5,6", "4,7", "5,6"},
                    // The pressed value is not limited; the release tests allow
                    // one unit of slack above DiaMax and none below DiaMin.
                    HalfStopCase{"AtTheMaximum", "256", "304,4", "256,0", "215,3", "256,0"},
                    HalfStopCase{"AtTheMinimum", "1", "1,2", "1,0", "0,8", "1,0"},
                    HalfStopCase{"BelowTheMinimum", "0,9", "1,1", "", "0,8", "1,0"},
                    HalfStopCase{"AboveTheMaximum", "300", "356,8", "300,0", "252,3", ""}),
    [](const testing::TestParamInfo<HalfStopCase> &info) { return std::string(info.param.name); });

} // namespace
