// The table as a model: sizes and headers in both orientations, the worked
// examples of the optics through the cells, the special rows, G and T, the
// validation of the fields and what a refresh does when it cannot go on.
#include "support/qtprint.h"
#include "support/recorder.h"
#include "table/tablecompute.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::Message;
using optolune::test::Recorder;

namespace {

// The lens of the worked examples: c = 0,05 mm, f = 80 mm, dn = -4 mm,
// gp = 1,1 (H = 16 m at f/8).
TableState workedExample()
{
    TableState s;
    s.circle = QStringLiteral("0,05");
    s.focal = QStringLiteral("80");
    s.nodal = QStringLiteral("-4");
    s.pupil = QStringLiteral("1,1");
    s.fNumbers = {QStringLiteral("8"), QStringLiteral("22")};
    s.distances = {QStringLiteral("3"), QStringLiteral("20")};
    s.decimalsIndex = 4;
    return s;
}

QString lines(std::initializer_list<const char *> parts)
{
    QStringList list;
    for (const char *p : parts)
        list << QString::fromUtf8(p);
    return list.join(kCellLineBreak);
}

QStringList headerRow(const TableModel &m)
{
    QStringList out;
    for (int c = 0; c < m.colCount(); ++c)
        out << m.cell(c, 0);
    return out;
}

QStringList headerColumn(const TableModel &m)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.cell(0, r);
    return out;
}

} // namespace

struct ShapeCase {
    const char *name;
    bool horizontal, showH, showGT;
    int distances;
    int cols, rows, nDist;
};

class TableShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(TableShape, SizesAndCounts)
{
    const ShapeCase &c = GetParam();
    Recorder rec;
    TableState s;
    s.fNumbers = {QStringLiteral("5,6"), QStringLiteral("8")};
    for (int i = 1; i <= c.distances; ++i)
        s.distances << QString::number(i);
    s.horizontal = c.horizontal;
    s.showH = c.showH;
    s.showGT = c.showGT;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(m.colCount(), c.cols);
    EXPECT_EQ(m.rowCount(), c.rows);
    EXPECT_EQ(s.nDia, 2);
    EXPECT_EQ(s.nDist, c.nDist);
    EXPECT_EQ(m.nDist, c.nDist);
    EXPECT_TRUE(m.cell(0, 0).isEmpty());
    EXPECT_TRUE(rec.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableShape,
    testing::Values(ShapeCase{"Vertical", false, false, false, 3, 3, 5, 3},
                    ShapeCase{"VerticalWithH", false, true, false, 3, 3, 7, 3},
                    ShapeCase{"VerticalWithGT", false, false, true, 3, 5, 5, 3},
                    ShapeCase{"HorizontalWithHAndGT", true, true, true, 3, 7, 5, 3},
                    ShapeCase{"Horizontal120DistancesShow100", true, false, false, 120, 102, 3, 100},
                    ShapeCase{"Vertical120DistancesShowAll", false, false, false, 120, 3, 122, 120}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TableHeaders, TextsAsTheListsHoldThemInBothOrientations)
{
    Recorder rec;
    TableState s;
    s.fNumbers = {QStringLiteral("5,6"), QStringLiteral("8")};
    s.distances = {QStringLiteral("1,50"), QStringLiteral("3"), QStringLiteral("10")};
    s.showH = s.showGT = true;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(headerRow(m), (QStringList{"", "n=5,6", "n=8", "G", "T(mm)"}));
    EXPECT_EQ(headerColumn(m), (QStringList{"", "1,50", "3", "10", "Infini", "H", "h="}));

    s.horizontal = true;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(headerRow(m), (QStringList{"", "1,50", "3", "10", "Infini", "H", "h="}));
    EXPECT_EQ(headerColumn(m), (QStringList{"", "n=5,6", "n=8", "G", "T(mm)"}));
}

TEST(TableCells, WorkedExampleFromTheFilmPlane)
{
    Recorder rec;
    TableState s = workedExample();
    s.showGT = true;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(m.cell(1, 1), lines({"2,5604", "3,6294"}));
    EXPECT_EQ(m.cell(2, 1), lines({"2,0436", "5,7826"}));
    // G and T of the 3 m row, T with one decimal (2,2521 mm).
    EXPECT_EQ(m.cell(3, 1), QStringLiteral("0,0282"));
    EXPECT_EQ(m.cell(4, 1), QStringLiteral("2,3"));
    // At 20 m f/8 is beyond the hyperfocal distance: sharp to infinity.
    EXPECT_TRUE(m.cell(1, 2).endsWith(QString(kCellLineBreak) + QStringLiteral("inf")));
    EXPECT_EQ(m.cellLines(1, 2).size(), 2);
}

TEST(TableCells, WorkedExampleFromTheLens)
{
    Recorder rec;
    TableState s = workedExample();
    s.fromFilm = false;
    s.showGT = true;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(m.cell(1, 1), lines({"2,5381", "3,6681"}));
    EXPECT_EQ(m.cell(3, 1), QStringLiteral("0,0274"));
    EXPECT_EQ(m.cell(4, 1), QStringLiteral("2,2"));
    EXPECT_EQ(m.cellLines(1, 2).last(), QStringLiteral("inf"));
}

TEST(TableCells, HorizontalTableIsTheVerticalOneTransposed)
{
    Recorder rec;
    TableState s = workedExample();
    s.showP = s.showAB = s.showH = s.showGT = true;
    TableModel down, across;
    ASSERT_TRUE(rec.keep(RefreshTable(s, down)));
    s.horizontal = true;
    ASSERT_TRUE(rec.keep(RefreshTable(s, across)));
    ASSERT_EQ(down.colCount(), across.rowCount());
    ASSERT_EQ(down.rowCount(), across.colCount());
    for (int c = 0; c < down.colCount(); ++c)
        for (int r = 0; r < down.rowCount(); ++r) {
            EXPECT_EQ(down.cell(c, r), across.cell(r, c)) << c << "," << r;
        }
}

TEST(SpecialRows, FromTheFilmPlane)
{
    Recorder rec;
    TableState s = workedExample();
    s.showH = true;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(m.cell(1, 3), lines({"16,0833", "inf"}));
    // Focused at the hyperfocal distance: the near limit of that focus. With
    // H = f²/(Nc) = 16 m the lens is focused at u = H + f = 16,08 m, the film
    // at (H + f)²/H + dn = 16,1564 m; the front depth there is (H + f/gp)/2 =
    // 8,03636 m (where the thin lens's blur is c), so the near limit lies
    // 16,1564 - 8,03636 = 8,12004 m from the film.
    EXPECT_EQ(m.cell(1, 4), lines({"8,1200", "inf"}));
    EXPECT_EQ(m.cell(1, 5), QStringLiteral("16,1564")); // one number from the film
}

TEST(SpecialRows, FromTheLens)
{
    Recorder rec;
    TableState s = workedExample();
    s.showH = true;
    s.fromFilm = false;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(m.cell(1, 3), lines({"16,0073", "inf"}));
    EXPECT_EQ(m.cell(1, 4), lines({"8,0436", "inf"}));
    EXPECT_EQ(m.cell(1, 5), lines({"16,0800", "inf"}));
}

TEST(SpecialRows, InfinityRowAlwaysAndHyperfocalRowsOnlyWithH)
{
    Recorder rec;
    TableState s = workedExample();
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    ASSERT_EQ(m.rowCount(), 4);
    EXPECT_EQ(m.cell(0, 3), QStringLiteral("Infini"));
    EXPECT_EQ(m.cell(1, 3), lines({"16,0833", "inf"}));
}

struct OutOfFocusCase {
    const char *name;
    bool fromFilm;
    const char *distance;
};

class OutOfFocus : public testing::TestWithParam<OutOfFocusCase> {};

// Closer than 4f + dn from the film (0,316 m here), or at the focal length
// from the lens: the whole row is empty, G and T included.
TEST_P(OutOfFocus, RowIsEmpty)
{
    const OutOfFocusCase &c = GetParam();
    Recorder rec;
    TableState s = workedExample();
    s.distances = {QString::fromLatin1(c.distance), QStringLiteral("3")};
    s.fromFilm = c.fromFilm;
    s.showGT = true;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    for (int col = 1; col <= 4; ++col) {
        EXPECT_TRUE(m.cell(col, 1).isEmpty()) << col;
    }
    for (int col = 1; col <= 4; ++col) {
        EXPECT_FALSE(m.cell(col, 2).isEmpty()) << col;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OutOfFocus,
                         testing::Values(OutOfFocusCase{"FilmCloserThan4fPlusDn", true, "0,3"},
                                         OutOfFocusCase{"LensAtTheFocalLength", false, "0,08"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TableRowHeights, SixteenPixelsPerLine)
{
    Recorder rec;
    TableState s = workedExample();
    TableModel m;
    const struct {
        bool p, ab;
        int height, lines;
    } modes[] = {{false, false, 32, 2}, {true, false, 48, 3}, {false, true, 64, 4}, {true, true, 80, 5}};
    for (const auto &mode : modes) {
        s.showP = mode.p;
        s.showAB = mode.ab;
        ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
        EXPECT_EQ(m.rowHeight(1), mode.height);
        EXPECT_EQ(m.rowHeight(0), 20);
        EXPECT_EQ(m.cellLines(1, 1).size(), mode.lines);
    }
}

TEST(FontColour, SilverBeyondTheLimitInBothOrientations)
{
    Recorder rec;
    TableState s = workedExample(); // c 0,05 and f 80: limit 26,5
    s.fNumbers = {QStringLiteral("22"), QStringLiteral("32")};
    s.showH = s.showGT = true;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_DOUBLE_EQ(static_cast<double>(m.fNumberLimit), 26.5);
    EXPECT_EQ(m.fontColour(1, 1), CellInk::Black);
    EXPECT_EQ(m.fontColour(2, 1), CellInk::Silver);
    EXPECT_EQ(m.fontColour(2, 5), CellInk::Silver); // its "h=" row greys with it
    EXPECT_EQ(m.fontColour(3, 1), CellInk::Default); // the G column
    EXPECT_EQ(m.fontColour(2, 0), CellInk::Default); // header
    EXPECT_EQ(m.fontColour(2, 1, true), CellInk::Default);

    s.horizontal = true;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(m.fontColour(1, 1), CellInk::Black);
    EXPECT_EQ(m.fontColour(1, 2), CellInk::Silver);
    EXPECT_EQ(m.fontColour(5, 2), CellInk::Silver);  // the "h=" column
    EXPECT_EQ(m.fontColour(1, 3), CellInk::Default); // the G row
    EXPECT_EQ(m.fontColour(1, 2, true), CellInk::Silver);
}

TEST(TableBackground, FollowsTheOrigin)
{
    EXPECT_EQ(GridBackgroundFor(true), GridBackground::ToolTip);
    EXPECT_EQ(GridBackgroundFor(false), GridBackground::Window);
    Recorder rec;
    TableState s = workedExample();
    s.fromFilm = false;
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(m.background(), GridBackground::Window);
}

TEST(TableValidation, RepairsTheFieldsAndComputesWithTheRepairedValues)
{
    Recorder rec;
    TableState s = workedExample();
    s.nodal.clear();
    s.circle = QStringLiteral("0.1");
    s.focal = QStringLiteral("2000");
    s.pupil = QStringLiteral("1.1");
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(s.nodal, QStringLiteral("0"));
    EXPECT_EQ(s.circle, QStringLiteral("0,100"));
    EXPECT_EQ(s.focal, QStringLiteral("1200"));
    EXPECT_EQ(s.pupil, QStringLiteral("1,100"));
    EXPECT_EQ(s.namePrefix, QStringLiteral("F1200_C0100_PF_10x12 in"));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"warning", "Valeur hors intervalle 10,0-1200,0"}}));

    TableState same = s; // the repaired texts give the same table without a word
    TableModel again;
    rec.clear();
    ASSERT_TRUE(rec.keep(RefreshTable(same, again)));
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(again.cell(1, 2), m.cell(1, 2));
    // 3 m is closer than 4f for 1200 mm; 20 m is computed with c 0,1, dn 0:
    // u + v = 20 and 1/u + 1/v = 1/f give u = 18,71780 m, v = 1,28220 m; the
    // points where the blur of the thin lens (pupil gp f/N wide) is 0,1 mm
    // lie 0,17936 m before and 0,18288 m beyond the subject, that is
    // 19,82064 and 20,18288 m from the film.
    EXPECT_TRUE(m.cell(1, 1).isEmpty());
    EXPECT_EQ(m.cell(1, 2), lines({"19,8206", "20,1829"}));
}

struct StopCase {
    const char *name;
    QStringList fNumbers;
    QStringList distances;
    const char *kind;
    const char *message;
};

class RefreshStops : public testing::TestWithParam<StopCase> {};

// A refresh that cannot go on says why and leaves the previous table whole.
TEST_P(RefreshStops, KeepsThePreviousTable)
{
    const StopCase &c = GetParam();
    Recorder rec;
    TableState s = workedExample();
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    const TableModel before = m;
    s.fNumbers = c.fNumbers;
    s.distances = c.distances;
    EXPECT_FALSE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{c.kind, QString::fromUtf8(c.message)}}));
    ASSERT_EQ(m.colCount(), before.colCount());
    ASSERT_EQ(m.rowCount(), before.rowCount());
    for (int col = 0; col < m.colCount(); ++col)
        for (int row = 0; row < m.rowCount(); ++row) {
            EXPECT_EQ(m.cell(col, row), before.cell(col, row));
        }
    EXPECT_EQ(s.nDia, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefreshStops,
    testing::Values(
        StopCase{"NoDistances", {"8"}, {}, "information", "Créez une liste des distances"},
        StopCase{"NoFNumbers", {}, {"3"}, "information", "Créez une liste des diaphragmes"},
        StopCase{"BothEmptyDistancesFirst", {}, {}, "information", "Créez une liste des distances"},
        StopCase{"EmptyDistanceItem", {"8"}, {"3", ""}, "warning",
                 "La liste des distances contient une valeur incorrecte : ''"},
        StopCase{"LetterFNumber", {"8", "abc"}, {"3"}, "warning",
                 "La liste des diaphragmes contient une valeur incorrecte : 'abc'"},
        StopCase{"PointInAnItem", {"5.6"}, {"3"}, "warning",
                 "La liste des diaphragmes contient une valeur incorrecte : '5.6'"},
        // Numbers the optics turn into nonsense (INF, NAN, 9,7E288), from a
        // hand-edited file.
        StopCase{"FNumberZero", {"8", "0"}, {"3"}, "warning",
                 "La liste des diaphragmes contient une valeur hors de l'intervalle 1,0-256,0 : '0'"},
        StopCase{"FNumberNegative", {"-2"}, {"3"}, "warning",
                 "La liste des diaphragmes contient une valeur hors de l'intervalle 1,0-256,0 : '-2'"},
        StopCase{"DistanceHuge", {"8"}, {"3", "1E308"}, "warning",
                 "La liste des distances contient une valeur hors de l'intervalle 0,00-900,00 : '1E308'"},
        StopCase{"ControlBytesEscaped", {"8\x1b[2J"}, {"3"}, "warning",
                 "La liste des diaphragmes contient une valeur incorrecte : '8\\x1B[2J'"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RefreshStops, UnreadableBoundIsReported)
{
    Recorder rec;
    TableState s = workedExample();
    s.bound = QStringLiteral("loin");
    TableModel m;
    EXPECT_FALSE(rec.keep(RefreshTable(s, m)));
    EXPECT_EQ(rec.texts(), QStringList{"Borne des décimales incorrecte : 'loin'"});
    EXPECT_TRUE(m.isEmpty());
}

TEST(RefreshStops, ItemsBeyondTheHundredthDistanceAreNotRead)
{
    Recorder rec;
    TableState s = workedExample();
    s.distances.clear();
    for (int i = 1; i <= 100; ++i)
        s.distances << QString::number(i);
    s.distances << QStringLiteral("abc");
    s.horizontal = true;
    TableModel m;
    EXPECT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_TRUE(rec.messages().empty());
}

// The model takes its new size only once the cells are there: when they
// cannot be had, it stays the table it was and a view reads nothing beyond
// its cells.
TEST(TableModelReset, AFailedAllocationLeavesTheTableAsItWas)
{
    TableState s = workedExample();
    TableModel m;
    ASSERT_TRUE(RefreshTable(s, m));
    const TableModel before = m;
    EXPECT_ANY_THROW(m.reset(1 << 30, 1 << 30));
    ASSERT_EQ(m.colCount(), before.colCount());
    ASSERT_EQ(m.rowCount(), before.rowCount());
    for (int col = 0; col < m.colCount(); ++col)
        for (int row = 0; row < m.rowCount(); ++row) {
            EXPECT_EQ(m.cell(col, row), before.cell(col, row));
        }
}

// A distance of 0, which the list editor writes for a typed distance below
// 0,005 m, is an empty row rather than a refusal.
TEST(RefreshStops, DistanceZeroIsAnEmptyRow)
{
    Recorder rec;
    TableState s = workedExample();
    s.distances = {QStringLiteral("0"), QStringLiteral("3")};
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_TRUE(m.cell(1, 1).isEmpty());
    EXPECT_FALSE(m.cell(1, 2).isEmpty());
}
