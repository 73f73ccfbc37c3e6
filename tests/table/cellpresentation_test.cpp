// Cell texts (decimals, the bound, the 99 m rule, "inf", the prefixes), the
// f-number limit, and the handlers of the decimals, the column width and the
// bound.
#include "support/qtprint.h"
#include "support/recorder.h"
#include "table/cellpresentation.h"
#include "table/tablecompute.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::Message;
using optolune::test::Recorder;

namespace {

QString joined(const char *text)
{
    QString s = QString::fromUtf8(text);
    s.replace(u'|', kCellLineBreak);
    return s;
}

} // namespace

struct ComposeCase {
    const char *name;
    long double D, near, far, bound;
    int decimals;
    bool showP, showAB;
    const char *text; // lines separated by '|'
};

class ComposeCellTextTest : public testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeCellTextTest, Lines)
{
    const ComposeCase &c = GetParam();
    EXPECT_EQ(ComposeCellText(c.D, c.near, c.far, c.bound, c.decimals, c.showP, c.showAB),
              joined(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComposeCellTextTest,
    testing::Values(
        ComposeCase{"BelowBoundChosenDecimals", 5, 4.1234L, 6.5432L, 1000, 2, false, false,
                    "4,12|6,54"},
        ComposeCase{"AllLinesInOrder", 5, 4.1234L, 6.5432L, 1000, 2, true, true,
                    "4,12|6,54|p=2,42|a=0,88|b=1,54"},
        ComposeCase{"OnlyP", 5, 4.1234L, 6.5432L, 1000, 2, true, false, "4,12|6,54|p=2,42"},
        ComposeCase{"OnlyAB", 5, 4.1234L, 6.5432L, 1000, 2, false, true,
                    "4,12|6,54|a=0,88|b=1,54"},
        // Beyond 99 m whole metres, but the front depth keeps its decimals.
        ComposeCase{"Beyond99MetresWholeMetres", 150, 100.4L, 320.6L, 1000, 2, true, true,
                    "100|321|p=220|a=49,60|b=171"},
        ComposeCase{"At99MetresStillDecimals", 99, 80.25L, 130.5L, 1000, 1, false, false,
                    "80,3|130,5"},
        ComposeCase{"SharpToInfinity", 150, 14.2L, -82.8L, 1000, 2, false, false, "14,20|inf"},
        ComposeCase{"SharpToInfinityFiveLines", 30, 14.68L, -5, 1000, 2, true, true,
                    "14,68|inf|p=inf|a=15,32|b=inf"},
        ComposeCase{"BelowBound3", 2, 1.23456L, 3.45678L, 3, 3, false, false, "1,235|3,457"},
        ComposeCase{"AboveBound3OneDecimal", 5, 4.1234L, 6.5432L, 3, 3, false, true,
                    "4,1|6,5|a=0,9|b=1,5"},
        ComposeCase{"AtBoundFiniteChosenDecimals", 3, 2.5604L, 3.6294L, 3, 3, false, false,
                    "2,560|3,629"},
        ComposeCase{"AtBoundInfiniteOneDecimal", 3, 2.5604L, -1000, 3, 3, false, true,
                    "2,6|inf|a=0,4|b=inf"},
        ComposeCase{"NoDecimals", 5, 4.6L, 6.4L, 1000, 0, false, false, "5|6"},
        // Beyond the bound one decimal at most: never more than before it.
        ComposeCase{"NoDecimalsBeyondTheBound", 5, 3.9L, 7.1L, 3, 0, true, true,
                    "4|7|p=3|a=1|b=2"},
        ComposeCase{"NoDecimalsBeyondTheBoundInfinite", 5, 3.9L, -7, 3, 0, false, true,
                    "4|inf|a=1|b=inf"}),
    [](const auto &info) { return std::string(info.param.name); });

struct ModelCellCase {
    const char *name;
    const char *focal;
    const char *fNumber;
    const char *distance;
    const char *text;
};

class CellThroughTheModel : public testing::TestWithParam<ModelCellCase> {};

// c = 0,05 mm, bound 1000, two decimals: at 150 m f = 300 mm at f/5,6
// (H about 321 m) has a finite far limit; f = 80 mm at f/8 (H = 16 m) does not.
TEST_P(CellThroughTheModel, Text)
{
    const ModelCellCase &c = GetParam();
    Recorder rec;
    TableState s;
    s.circle = QStringLiteral("0,05");
    s.focal = QString::fromLatin1(c.focal);
    s.nodal = QStringLiteral("0");
    s.fNumbers = {QString::fromLatin1(c.fNumber)};
    s.distances = {QString::fromLatin1(c.distance)};
    s.decimalsIndex = 2;
    s.showP = s.showAB = true;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    const QStringList lines = m.cellLines(1, 1);
    const QString pattern = QString::fromLatin1(c.text);
    const QStringList expected = pattern.split(u'|');
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // '#' stands for any digit.
        ASSERT_EQ(lines[i].size(), expected[i].size()) << lines[i].toStdString();
        for (qsizetype j = 0; j < lines[i].size(); ++j) {
            if (expected[i][j] == u'#')
                EXPECT_TRUE(lines[i][j].isDigit()) << lines[i].toStdString();
            else
                EXPECT_EQ(lines[i][j], expected[i][j]) << lines[i].toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellThroughTheModel,
    testing::Values(ModelCellCase{"FiniteFarAt150m", "300", "5,6", "150", "###|###|p=###|a=##,##|b=###"},
                    ModelCellCase{"InfiniteFarAt150m", "80", "8", "150", "##,##|inf|p=inf|a=###,##|b=inf"},
                    ModelCellCase{"FiveMetres", "80", "8", "5", "#,##|#,##|p=#,##|a=#,##|b=#,##"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FNumberLimit, SmallerOfDiffractionAndFocalBound)
{
    EXPECT_DOUBLE_EQ(static_cast<double>(ComputeFNumberLimit(0.05L, 80)), 26.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(ComputeFNumberLimit(0.1L, 150)), 53);
    EXPECT_DOUBLE_EQ(static_cast<double>(ComputeFNumberLimit(0.5L, 10)), 10); // f / 2c
}

TEST(InfoLine, CountsOfTheTable)
{
    EXPECT_EQ(InfoLineText(9, 14), QStringLiteral(" Diaphragmes:9      distances:14"));
}

namespace {

TableState smallTable()
{
    TableState s;
    s.fNumbers = {QStringLiteral("8"), QStringLiteral("22")};
    s.distances = {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("5")};
    return s;
}

} // namespace

struct DecimalsCase {
    const char *name;
    int index;
    int widthBefore, headerBefore;
    int width, header;
};

class DecimalsChoiceTest : public testing::TestWithParam<DecimalsCase> {};

TEST_P(DecimalsChoiceTest, WidthsAndRefresh)
{
    const DecimalsCase &c = GetParam();
    Recorder rec;
    TableState s = smallTable();
    s.columnWidth = c.widthBefore;
    s.headerColumnWidth = c.headerBefore;
    TableModel m;
    const DecimalsChoice choice = rec.keep(ApplyDecimalsChoice(s, m, c.index));
    EXPECT_TRUE(choice.refreshed);
    EXPECT_EQ(choice.spinnerWidth, c.width);
    EXPECT_EQ(s.columnWidth, c.width);
    EXPECT_EQ(s.headerColumnWidth, c.header);
    EXPECT_EQ(m.columnWidth(1), c.width);
    EXPECT_EQ(m.columnWidth(0), c.header);
    EXPECT_EQ(s.decimalsIndex, c.index);
    const qsizetype comma = m.cellLines(1, 1).first().indexOf(u',');
    EXPECT_EQ(comma < 0 ? 0 : m.cellLines(1, 1).first().size() - comma - 1, c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecimalsChoiceTest,
    testing::Values(DecimalsCase{"FiveDecimals", 5, 40, 60, 58, 40},
                    DecimalsCase{"EightDecimals", 8, 40, 60, 76, 40},
                    DecimalsCase{"TwoDecimalsBackTo40", 2, 64, 60, 40, 60},
                    DecimalsCase{"NoDecimalsKeepsTheWidth", 0, 52, 60, 52, 40},
                    DecimalsCase{"OneDecimalKeepsTheWidth", 1, 70, 40, 70, 40}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ColumnWidth, OutOfTheSpinnerRangeResetsTo40WithoutRecomputing)
{
    Recorder rec;
    TableState s = smallTable();
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    const QString cell = m.cell(1, 1);
    s.distances = {QStringLiteral("9")}; // not recomputed: the cells stay
    s.headerColumnWidth = 60;
    for (const auto &[typed, applied] : {std::pair{95, 40}, {39, 40}, {64, 64}, {90, 90}}) {
        EXPECT_EQ(ApplyColumnWidth(s, m, typed), applied);
        EXPECT_EQ(s.columnWidth, applied);
        EXPECT_EQ(m.columnWidth(2), applied);
        EXPECT_EQ(m.columnWidth(0), 40);
    }
    EXPECT_EQ(m.cell(1, 1), cell);
    EXPECT_TRUE(rec.messages().empty());
}

TEST(DecimalsBound, TakenFromTheSelectedRowOrColumn)
{
    Recorder rec;
    TableState s = smallTable();
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_TRUE(rec.keep(TakeBoundFromSelection(s, m, 2, 2))); // the "3" row
    EXPECT_EQ(s.bound, QStringLiteral("3"));
    EXPECT_EQ(m.cellLines(1, 3).first().size(), QStringLiteral("4,4").size()); // 5 m: one decimal

    s.horizontal = true;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_TRUE(rec.keep(TakeBoundFromSelection(s, m, 3, 1))); // the "5" column
    EXPECT_EQ(s.bound, QStringLiteral("5"));
    EXPECT_TRUE(rec.messages().empty());

    EXPECT_TRUE(rec.keep(ResetBound(s, m)));
    EXPECT_EQ(s.bound, QStringLiteral("1000"));
}

TEST(DecimalsBound, RowsWithoutDistanceAreRefused)
{
    Recorder rec;
    TableState s = smallTable();
    s.showH = true;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    for (int row : {4, 5, 6, 0, -1, 99}) { // "Infini", "H", "h=", header, none, outside
        EXPECT_FALSE(rec.keep(TakeBoundFromSelection(s, m, 1, row))) << row;
        EXPECT_EQ(s.bound, QStringLiteral("1000"));
    }
    EXPECT_EQ(rec.messages().size(), 6u);
    EXPECT_EQ(rec.messages().front(),
              (Message{"warning", "La valeur sélectionnée ne convient pas"}));
}
