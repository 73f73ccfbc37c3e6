// The chart's curves against the table: at every distance of the table the
// chart's point gives the cell's own texts, on logarithmic axes that hold
// every point; what cannot be drawn is left out and named.
#include "core/numerictext.h"
#include "support/qtprint.h"
#include "support/recorder.h"
#include "chart/chartseries.h"
#include "table/tablecompute.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace optolune;
using optolune::test::Recorder;

namespace {

QStringList items(const char *text) { return QString::fromUtf8(text).split(u' '); }

struct ChartCase {
    const char *name;
    const char *circle, *focal, *nodal;
    const char *fNumbers;
    const char *distances;
    bool fromFilm;
    int decimals;
    const char *bound;
};

TableState stateOf(const ChartCase &c)
{
    TableState s;
    s.circle = QString::fromUtf8(c.circle);
    s.focal = QString::fromUtf8(c.focal);
    s.nodal = QString::fromUtf8(c.nodal);
    s.pupil = QStringLiteral("1,1");
    s.fNumbers = items(c.fNumbers);
    s.distances = items(c.distances);
    s.fromFilm = c.fromFilm;
    s.decimalsIndex = c.decimals;
    s.bound = QString::fromUtf8(c.bound);
    s.showH = true;
    return s;
}

bool inside(long double v, long double lo, long double hi)
{
    return std::isfinite(v) && v > 0 && v >= lo && v <= hi;
}

} // namespace

class ChartAgainstTable : public testing::TestWithParam<ChartCase> {};

TEST_P(ChartAgainstTable, TablePointsGiveTheCellTextsAndEveryPointLiesOnTheAxes)
{
    Recorder rec;
    TableState state = stateOf(GetParam());
    TableModel table;
    ASSERT_TRUE(RefreshTable(state, table));
    const ChartData chart = ChartSeries(state);
    ASSERT_EQ(chart.curves.size(), static_cast<size_t>(table.nDia));
    EXPECT_EQ(chart.fromFilm, state.fromFilm);

    for (int k = 1; k <= table.nDia; ++k) {
        const ChartCurve &curve = chart.curves[static_cast<size_t>(k - 1)];
        SCOPED_TRACE("n=" + curve.fNumberText.toStdString());
        EXPECT_EQ(QStringLiteral("n=") + curve.fNumberText, table.cell(k, 0));
        EXPECT_EQ(curve.beyondLimit, table.beyondLimit[static_cast<size_t>(k - 1)]);
        // The "h=" row of the table: the hyperfocal distance in its origin.
        EXPECT_EQ(curve.hyperfocalText, table.cellLines(k, table.nDist + 3).value(0));

        for (int r = 1; r <= table.nDist; ++r) {
            const QString &cell = table.cell(k, r);
            const auto point = std::find_if(curve.points.begin(), curve.points.end(),
                                            [&](const ChartPoint &p) { return p.tableIndex == r - 1; });
            if (cell.isEmpty()) {
                EXPECT_EQ(point, curve.points.end()) << "distance " << r;
                continue;
            }
            ASSERT_NE(point, curve.points.end()) << "distance " << r;
            const QStringList lines = table.cellLines(k, r);
            const QString tip = ChartTip(chart, curve, *point);
            const QString far = lines[1] == u"inf" ? QStringLiteral("inf") : lines[1] + QStringLiteral(" m");
            EXPECT_EQ(tip, QStringLiteral("n=") + curve.fNumberText + QStringLiteral("\nDistance : ") +
                               table.cell(0, r) + QStringLiteral(" m\nPremier plan net : ") + lines[0] +
                               QStringLiteral(" m\nDernier plan net : ") + far);
            // The nearest point to the table's distance is its own.
            EXPECT_EQ(NearestChartPoint(curve, point->distance), &*point);
        }

        long double previous = 0;
        for (const ChartPoint &p : curve.points) {
            EXPECT_GT(p.distance, previous);
            previous = p.distance;
            EXPECT_TRUE(inside(p.distance, chart.xMin, chart.xMax)) << double(p.distance);
            EXPECT_TRUE(inside(p.near, chart.yMin, chart.yTop)) << double(p.near);
            EXPECT_TRUE(inside(ChartFar(chart, p), chart.yMin, chart.yTop)) << double(p.far);
            EXPECT_LE(p.near, p.distance);
            if (!p.farInfinite()) {
                EXPECT_GE(p.far, p.distance);
            }
        }
    }
    EXPECT_TRUE(chart.missing.isEmpty()) << chart.missing.toStdString();
    EXPECT_TRUE(rec.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartAgainstTable,
    testing::Values(
        ChartCase{"WorkedExampleFromTheFilm", "0,05", "80", "-4", "8 22", "3 20", true, 4, "1000"},
        ChartCase{"WorkedExampleFromTheLens", "0,05", "80", "-4", "8 22", "3 20", false, 4, "1000"},
        ChartCase{"TestLensWithABound", "0,100", "148,1", "24,8", "5,6 8 11 16 22", "1 1,5 2 3 5 8 13 30 60",
                  true, 2, "3"},
        ChartCase{"MacroFromTheFilm", "0,03", "120", "0", "4 8 16 32", "0,49 0,5 0,55 0,6 0,7", true, 3, "1000"},
        ChartCase{"SilverFNumbers", "0,05", "80", "-4", "8 32 45 64", "1 2 4 8", true, 2, "1000"},
        ChartCase{"LongLensBeyondNinetyNineMetres", "0,05", "300", "0", "5,6 8", "10 50 150 400", false, 2,
                  "1000"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ChartSeries, WorkedExampleNumbers)
{
    TableState s = stateOf({"", "0,05", "80", "-4", "8", "3 20", true, 4, "1000"});
    TableModel table;
    ASSERT_TRUE(RefreshTable(s, table));
    const ChartData chart = ChartSeries(s);
    const ChartCurve &f8 = chart.curves.at(0);
    const ChartPoint *at3 = NearestChartPoint(f8, 3);
    ASSERT_NE(at3, nullptr);
    EXPECT_EQ(at3->tableIndex, 0);
    // u, v, near and far of the worked example, to 4 decimals.
    EXPECT_NEAR(static_cast<double>(at3->near), 2.5604, 5e-5);
    EXPECT_NEAR(static_cast<double>(at3->far), 3.6294, 5e-5);
    // 20 m lies beyond the hyperfocal distance (16,16 m from the film).
    const ChartPoint *at20 = NearestChartPoint(f8, 20);
    EXPECT_TRUE(at20->farInfinite());
    EXPECT_EQ(ChartFar(chart, *at20), chart.yTop);
    EXPECT_TRUE(chart.topIsInfinity);
    EXPECT_NEAR(static_cast<double>(f8.hyperfocal), 16.1564, 5e-5);
    EXPECT_EQ(f8.hyperfocalText, QStringLiteral("16,1564"));
    // The two table distances and 200 between them (their ends give way to
    // the table's own).
    EXPECT_EQ(f8.points.size(), 200u);
    const long double ratio = f8.points[2].distance / f8.points[1].distance;
    EXPECT_NEAR(static_cast<double>(ratio), std::pow(20.0 / 3.0, 1.0 / 199), 1e-12);
}

TEST(ChartSeries, DistancesThatCannotBeFocusedAreLeftOutAndNamed)
{
    // From the film, f = 80 mm and dn = -4 mm need 0,316 m at least.
    TableState s = stateOf({"", "0,05", "80", "-4", "8 16", "0,1 0,2 0,5 1", true, 2, "1000"});
    const ChartData chart = ChartSeries(s);
    ASSERT_EQ(chart.curves.size(), 2u);
    EXPECT_EQ(chart.missing, QStringLiteral("mise au point impossible à 0,1 ; 0,2 m"));
    EXPECT_EQ(ChartTitle(chart), QStringLiteral("Limites de netteté, distances rapportées au plan du film\n"
                                                "Non tracé : mise au point impossible à 0,1 ; 0,2 m"));
    for (const ChartCurve &c : chart.curves) {
        ASSERT_FALSE(c.points.empty());
        EXPECT_GT(c.points.front().distance, 0.316L);
        EXPECT_TRUE(inside(c.points.front().near, chart.yMin, chart.yTop));
    }
    // Every distance out of reach: the curves are there, without a point.
    s.distances = items("0,05 0,1");
    const ChartData none = ChartSeries(s);
    EXPECT_EQ(none.missing, QStringLiteral("mise au point impossible à 0,05 ; 0,1 m"));
    for (const ChartCurve &c : none.curves) {
        EXPECT_TRUE(c.points.empty());
    }
    EXPECT_GT(none.xMax, none.xMin);
    EXPECT_GT(none.yTop, none.yMin);
    EXPECT_GT(none.yMin, 0);
}

struct MissingCase {
    const char *name;
    const char *fNumbers;
    const char *distances;
    const char *missing;
};

class ChartWithoutTable : public testing::TestWithParam<MissingCase> {};

TEST_P(ChartWithoutTable, NoCurveAndTheReason)
{
    const MissingCase &c = GetParam();
    TableState s;
    s.fNumbers = QString::fromUtf8(c.fNumbers).split(u' ', Qt::SkipEmptyParts);
    s.distances = QString::fromUtf8(c.distances).split(u' ', Qt::SkipEmptyParts);
    const ChartData chart = ChartSeries(s);
    EXPECT_TRUE(chart.curves.empty());
    EXPECT_EQ(chart.missing, QString::fromUtf8(c.missing));
    EXPECT_TRUE(ChartTitle(chart).endsWith(QString::fromUtf8(c.missing)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartWithoutTable,
    testing::Values(
        MissingCase{"NoDistance", "8", "", "aucune distance"},
        MissingCase{"NoFNumber", "", "3", "aucun diaphragme"},
        MissingCase{"UnreadableItem", "8 huit", "3",
                    "La liste des diaphragmes contient une valeur incorrecte : 'huit'"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ChartSeries, NoPointThatAnAxisCannotShow)
{
    // Fields that skipped the checks: a zero circle, a zero distance (the
    // list editor writes it for a distance typed below 0,005 m).
    TableState s;
    s.circle = QStringLiteral("0");
    s.fNumbers = items("8");
    s.distances = items("0 3 5");
    const ChartData chart = ChartSeries(s);
    for (const ChartCurve &c : chart.curves)
        for (const ChartPoint &p : c.points) {
            EXPECT_TRUE(std::isfinite(p.distance) && p.distance > 0);
            EXPECT_TRUE(std::isfinite(p.near) && p.near > 0);
            EXPECT_TRUE(inside(ChartFar(chart, p), chart.yMin, chart.yTop));
        }
    EXPECT_TRUE(std::isfinite(chart.yMin) && chart.yMin > 0);
    EXPECT_TRUE(chart.missing.contains(QStringLiteral("à 0 m"))) << chart.missing.toStdString();

    // A zero f-number or a negative distance is no table: the chart, like
    // the table, names the item and draws nothing.
    s.fNumbers = items("0 8");
    s.distances = items("-2 3 5");
    const ChartData refused = ChartSeries(s);
    EXPECT_TRUE(refused.curves.empty());
    EXPECT_TRUE(refused.missing.contains(QStringLiteral("'0'"))) << refused.missing.toStdString();
}

TEST(ChartSeries, FarLimitsNearTheHyperfocalDistanceLeaveByTheTopEdge)
{
    // f/8 hyperfocal distance 16,16 m: at 16 m the far limit is kilometres
    // away; the axis stays sized on the table's range.
    TableState s = stateOf({"", "0,05", "80", "-4", "8", "1 16", true, 2, "1000"});
    const ChartData chart = ChartSeries(s);
    const ChartPoint *at16 = NearestChartPoint(chart.curves[0], 16);
    ASSERT_FALSE(at16->farInfinite());
    EXPECT_GT(at16->far, 1000);
    EXPECT_LE(chart.yTop, 1000);
    // Drawn on the top of the scale and marked as beyond it, not on the
    // "inf" line of the limits that are infinite.
    EXPECT_EQ(ChartFar(chart, *at16), chart.yFiniteTop);
    EXPECT_TRUE(ChartFarBeyondTop(chart, *at16));
    EXPECT_TRUE(chart.farBeyondTop);
    EXPECT_FALSE(chart.topIsInfinity);
    EXPECT_EQ(chart.yTop, chart.yFiniteTop);

    // With an infinite far limit as well (20 m is beyond the hyperfocal
    // distance), the "inf" line stands above the scale.
    s.distances = items("1 16 20");
    const ChartData both = ChartSeries(s);
    const ChartPoint *at20 = NearestChartPoint(both.curves[0], 20);
    ASSERT_TRUE(at20->farInfinite());
    EXPECT_TRUE(both.topIsInfinity);
    EXPECT_GT(both.yTop, both.yFiniteTop);
    EXPECT_EQ(ChartFar(both, *at20), both.yTop);
    EXPECT_FALSE(ChartFarBeyondTop(both, *at20));
    const ChartPoint *beyond = NearestChartPoint(both.curves[0], 16);
    EXPECT_EQ(ChartFar(both, *beyond), both.yFiniteTop);
    EXPECT_LT(ChartFar(both, *beyond), ChartFar(both, *at20));
}

QStringList tickTexts(long double lo, long double hi)
{
    QStringList out;
    for (const AxisTick &t : LogAxisTicks(lo, hi))
        out << t.text;
    return out;
}

TEST(ChartAxes, LabelsOneTwoFiveWithTheDecimalComma)
{
    EXPECT_EQ(tickTexts(0.3L, 30), (QStringList{"0,5", "1", "2", "5", "10", "20"}));
    EXPECT_EQ(tickTexts(0.04L, 0.6L), (QStringList{"0,05", "0,1", "0,2", "0,5"}));
    // Over many decades, the decades alone.
    EXPECT_EQ(tickTexts(0.026L, 2000), (QStringList{"0,1", "1", "10", "100", "1000"}));
    // About a decade: every multiple.
    EXPECT_EQ(tickTexts(0.54L, 1.15L), (QStringList{"0,6", "0,7", "0,8", "0,9", "1"}));
    EXPECT_EQ(tickTexts(2.5L, 9), (QStringList{"3", "4", "5", "6", "7", "8", "9"}));
    // A narrow range is labelled at its ends.
    EXPECT_EQ(tickTexts(3.2L, 3.9L), (QStringList{"3,2", "3,9"}));
    EXPECT_EQ(tickTexts(1.5L, 1.9L), (QStringList{"1,5", "1,9"}));
    EXPECT_EQ(tickTexts(1.9L, 2.5L), (QStringList{"1,9", "2", "2,5"}));
    EXPECT_TRUE(LogAxisTicks(0, 10).empty());
    EXPECT_TRUE(LogAxisTicks(5, 5).empty());
}

// With diffraction counted the chart draws the table's cells: a curve where
// the Airy disc alone exceeds the circle has no point, and the title says so.
TEST(ChartSeries, DiffractionFollowsTheTable)
{
    TableState s = stateOf({"", "0,1", "150", "0", "16 90", "3 10", true, 3, "1000"});
    s.diffraction = true;
    const ChartData chart = ChartSeries(s);
    ASSERT_EQ(chart.curves.size(), 2u);
    EXPECT_FALSE(chart.curves[0].nothingSharp);
    EXPECT_TRUE(chart.curves[1].nothingSharp);
    EXPECT_TRUE(chart.curves[1].points.empty());
    EXPECT_EQ(chart.curves[1].hyperfocalText, QStringLiteral("diffraction"));
    EXPECT_EQ(chart.missing, QStringLiteral("rien de net (diffraction) à n=90"));
    // The f/16 points are the table's cells with diffraction.
    TableModel model;
    ASSERT_TRUE(RefreshTable(s, model));
    for (const ChartPoint &p : chart.curves[0].points) {
        if (p.tableIndex < 0)
            continue;
        const QStringList lines = model.cellLines(1, p.tableIndex + 1);
        EXPECT_EQ(FixedText(p.near, 8, 3), lines.value(0));
    }
    s.diffraction = false;
    EXPECT_FALSE(ChartSeries(s).curves[1].points.empty());
}
