#include "circle/formatgrid.h"

#include "core/usererror.h"
#include "support/programfolder.h"
#include "support/readonlyfolder.h"
#include "support/recorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

FormatGrid sampleGrid()
{
    FormatGrid grid = NewFormatGrid();
    grid.setRow(1, {"6x6 cm", "30x40", "42x56", "30x40", "50", "50", "7,1", "0,056", "41,4", ""});
    grid.setRow(3, {"24x36", "24x30", "24x30", "24x30", "38", "38", "10,0", "0,031", "22,7",
                    "Agrandisseur Durst"});
    return grid;
}

QString readError(const QString &path)
{
    try {
        ReadGridFile(path);
    } catch (const UserError &e) {
        return e.text();
    }
    return QStringLiteral("<no error>");
}

} // namespace

TEST(FormatGrid, NewGridHasItsHeadersAndNineteenEmptyRows)
{
    const FormatGrid grid = NewFormatGrid();
    ASSERT_EQ(grid.rowCount(), 20);
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("FF"));
    EXPECT_EQ(grid.cell(0, 8), QStringLiteral("n inf. à"));
    EXPECT_EQ(grid.cell(0, 9), QStringLiteral("Commentaire"));
    for (int r = 1; r < grid.rowCount(); ++r)
        for (const QString &cell : grid.row(r))
            EXPECT_TRUE(cell.isEmpty());
    EXPECT_EQ(GridColumnWidths()[9], 170);
}

TEST(FormatGrid, ClearingKeepsTheHeaderAndTheRowCount)
{
    FormatGrid grid = sampleGrid();
    ClearGridRow(grid, 3);
    EXPECT_EQ(grid.row(3), GridRow());
    EXPECT_EQ(grid.cell(1, 7), QStringLiteral("0,056"));
    ClearGridRow(grid, 0);  // the header row is not a data row
    ClearGridRow(grid, 20); // past the end
    EXPECT_EQ(grid.row(0), GridHeaders());

    ClearGridRows(grid);
    EXPECT_EQ(grid.rowCount(), 20);
    EXPECT_EQ(grid.row(0), GridHeaders());
    EXPECT_EQ(grid.row(1), GridRow());
}

TEST(FormatGrid, FileHoldsTheCountsThenEveryCellAndReadsBackCellForCell)
{
    ProgramFolder folder(false);
    const QString path = folder.file("cbxcgr1.stf");
    const FormatGrid grid = sampleGrid();
    WriteGridFile(grid, path);

    const QByteArray bytes = folder.read("cbxcgr1.stf");
    EXPECT_TRUE(bytes.startsWith("10\r\n20\r\nFF\r\nFT\r\nFilm(mm)\r\n"));
    EXPECT_TRUE(bytes.contains("n inf. \xE0\r\nCommentaire\r\n6x6 cm\r\n30x40\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 2 + 10 * 20);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));

    const std::optional<FormatGrid> back = ReadGridFile(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, grid);
}

TEST(FormatGrid, MissingFileIsNoGridAndNoError)
{
    ProgramFolder folder(false);
    EXPECT_FALSE(ReadGridFile(folder.file("cbxcgr1.stf")).has_value());
}

TEST(FormatGrid, DeliveredCurrentGridReads)
{
    const auto grid = ReadGridFile(builtDataFolder() + "/cbxcgr7.stf");
    ASSERT_TRUE(grid.has_value());
    EXPECT_EQ(grid->rowCount(), 20);
    EXPECT_EQ(grid->row(0), GridHeaders());
}

namespace {

struct BadCase {
    const char *name;
    QByteArray bytes;
    // Either the reason the file is refused, or (reason empty) the rows and
    // the first cells the grid reads as.
    const char *reason;
    int rows;
    const char *cell00;
    const char *cell10;
};

void PrintTo(const BadCase &c, std::ostream *os) { *os << c.name; }

class GridFileCaseTest : public testing::TestWithParam<BadCase> {};

QByteArray cells(int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += "c" + QByteArray::number(i) + "\r\n";
    return out;
}

} // namespace

TEST_P(GridFileCaseTest, RefusesOrReadsAsDefined)
{
    const BadCase &k = GetParam();
    ProgramFolder folder(false);
    folder.write("g.stf", k.bytes);
    const QString path = folder.file("g.stf");
    const QString reason = QString::fromUtf8(k.reason);
    if (!reason.isEmpty()) {
        EXPECT_EQ(readError(path), QStringLiteral("Fichier illisible ou endommagé : ") +
                                       QDir::toNativeSeparators(path) + " (" + reason + ")");
        return;
    }
    std::optional<FormatGrid> grid;
    ASSERT_NO_THROW(grid = ReadGridFile(path));
    ASSERT_TRUE(grid.has_value());
    EXPECT_EQ(grid->rowCount(), k.rows);
    EXPECT_EQ(grid->cell(0, 0), QString::fromUtf8(k.cell00));
    EXPECT_EQ(grid->cell(1, 0), QString::fromUtf8(k.cell10));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridFileCaseTest,
    testing::Values(
        BadCase{"Empty", "", "la ligne 1 doit donner 10 colonnes", 0, "", ""},
        BadCase{"ColumnsNotAnInteger", "dix\r\n20\r\n", "la ligne 1 doit donner 10 colonnes", 0, "", ""},
        BadCase{"ColumnsDecimal", "10,0\r\n20\r\n", "la ligne 1 doit donner 10 colonnes", 0, "", ""},
        BadCase{"ColumnsNegative", "-10\r\n20\r\n", "la ligne 1 doit donner 10 colonnes", 0, "", ""},
        BadCase{"ColumnsZero", "0\r\n20\r\n", "la ligne 1 doit donner 10 colonnes", 0, "", ""},
        BadCase{"NineColumns", "9\r\n20\r\n", "la ligne 1 doit donner 10 colonnes", 0, "", ""},
        BadCase{"ElevenColumns", "11\r\n20\r\n", "la ligne 1 doit donner 10 colonnes", 0, "", ""},
        BadCase{"RowsMissing", "10\r\n", "la ligne 2 doit donner de 2 à 1000 lignes", 0, "", ""},
        BadCase{"RowsNotAnInteger", "10\r\nvingt\r\n", "la ligne 2 doit donner de 2 à 1000 lignes", 0, "", ""},
        BadCase{"RowsNegative", "10\r\n-20\r\n", "la ligne 2 doit donner de 2 à 1000 lignes", 0, "", ""},
        BadCase{"HeaderOnly", "10\r\n1\r\n", "la ligne 2 doit donner de 2 à 1000 lignes", 0, "", ""},
        BadCase{"TooManyRows", "10\r\n1001\r\n", "la ligne 2 doit donner de 2 à 1000 lignes", 0, "", ""},
        BadCase{"TwoToTheThirtyOneRows", "10\r\n2147483648\r\n",
                "la ligne 2 doit donner de 2 à 1000 lignes", 0, "", ""},
        BadCase{"NulByte", QByteArray("10\r\n2\r\nFF\r\nF\0T\r\n", 16),
                "caractère de contrôle à la ligne 4", 0, "", ""},
        BadCase{"BinaryBytes", "10\r\n2\r\n\x01\x02\x03\r\n", "caractère de contrôle à la ligne 3", 0, "", ""},
        BadCase{"ByteWindowsLeavesUnassigned", "10\r\n2\r\nF\x81\r\n",
                "caractère de contrôle à la ligne 3", 0, "", ""},
        BadCase{"LoneCarriageReturn", "10\r\n2\r\nFF\rFT\r\n", "caractère de contrôle à la ligne 3", 0, "", ""},
        BadCase{"OverOneMegabyte", "10\r\n20\r\n" + QByteArray(1024 * 1024, 'x'), "plus de 1 Mo", 0, "", ""},
        // Defined outcomes.
        BadCase{"FewerLinesThanCellsLeaveTheRestEmpty", "10\r\n3\r\nFF\r\nFT\r\n", "", 3, "FF", ""},
        BadCase{"LineFeedsAlone", "10\r\n2\r\n" + cells(20).replace("\r\n", "\n"), "", 2, "c0", "c10"},
        BadCase{"BlanksAroundTheCounts", " 10 \r\n 2\r\n" + cells(20), "", 2, "c0", "c10"},
        BadCase{"LinesPastTheLastCellIgnored", "10\r\n2\r\n" + cells(25), "", 2, "c0", "c10"},
        BadCase{"LargestGrid", "10\r\n1000\r\n" + cells(10000), "", 1000, "c0", "c10"},
        BadCase{"LastLineWithoutItsEnd", "10\r\n2\r\n" + cells(19) + "c19", "", 2, "c0", "c10"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FormatGrid, AFolderOfThatNameCannotBeOpened)
{
    ProgramFolder folder(false);
    QDir().mkpath(folder.file("cbxcgr1.stf"));
    EXPECT_EQ(readError(folder.file("cbxcgr1.stf")),
              QStringLiteral("Impossible d'ouvrir le fichier ") +
                  QDir::toNativeSeparators(folder.file("cbxcgr1.stf")));
}

// (A plain file where the Data folder should be is one case of the table of
// writers in hostilefolder_test.cpp.)
TEST(FormatGrid, ReadOnlyFolderKeepsThePreviousGrid)
{
    ProgramFolder folder(false);
    QDir().mkpath(folder.file("ro"));
    const QString path = folder.file("ro/cbxcgr1.stf");
    WriteGridFile(sampleGrid(), path);
    const QByteArray before = folder.read("ro/cbxcgr1.stf");
    const QStringList entries = QDir(folder.file("ro")).entryList(QDir::AllEntries | QDir::Hidden);
    {
        // Made read-only also for root, who ignores the permission bits.
        const ReadOnlyFolder readOnly(folder.file("ro"));
        if (!readOnly.isReadOnly())
            GTEST_SKIP() << "this file system cannot make a folder read-only";
        try {
            WriteGridFile(NewFormatGrid(), path);
            ADD_FAILURE() << "a grid was written in a read-only folder";
        } catch (const UserError &e) {
            EXPECT_EQ(e.text(), QStringLiteral("Impossible de créer le fichier ") + path);
        }
    }
    EXPECT_EQ(folder.read("ro/cbxcgr1.stf"), before);
    // No temporary file of the failed save is left beside it.
    EXPECT_EQ(QDir(folder.file("ro")).entryList(QDir::AllEntries | QDir::Hidden), entries);
}

TEST(CircleGridRow, HoldsTheFormatsAndTheResultsInColumnOrder)
{
    Recorder rec;
    CircleState s;
    ASSERT_TRUE(CalculateCircle(s));
    EXPECT_EQ(CircleGridRow(s, QStringLiteral("6x6 cm")),
              (GridRow{"6x6 cm", "30x40", "42x56", "30x40", "50", "50", "7,1", "0,056", "41,4", ""}));
}

TEST(ChooseGridRow, HandsBackTheRowsCAndFilmFormat)
{
    Recorder rec;
    FormatGrid grid = sampleGrid();
    const GridRowChoice chosen = ChooseGridRow(grid, 1);
    ASSERT_TRUE(chosen.choice.has_value());
    EXPECT_EQ(chosen.choice->circle, QStringLiteral("0,056"));
    EXPECT_EQ(chosen.choice->format, QStringLiteral("6x6 cm"));
    EXPECT_FALSE(chosen.warning.has_value());
    EXPECT_TRUE(rec.messages().empty());
}

TEST(ChooseGridRow, PointsOfAGridFileBecomeCommasInEveryRow)
{
    Recorder rec;
    FormatGrid grid = sampleGrid();
    grid.setCell(1, CircleColumn, QStringLiteral("0.03"));
    grid.setCell(3, EnlargementColumn, QStringLiteral("10.0"));
    grid.setCell(3, FNumberColumn, QStringLiteral("22.7")); // not a column Ok repairs
    const auto choice = ChooseGridRow(grid, 1).choice;
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->circle, QStringLiteral("0,03"));
    EXPECT_EQ(grid.cell(1, CircleColumn), QStringLiteral("0,03"));
    EXPECT_EQ(grid.cell(3, EnlargementColumn), QStringLiteral("10,0"));
    EXPECT_EQ(grid.cell(3, FNumberColumn), QStringLiteral("22.7"));
}

namespace {

struct ChoiceCase {
    const char *name;
    int row;
    const char *circle; // written into that row when the row is a data row
    const char *message;
};
void PrintTo(const ChoiceCase &c, std::ostream *os) { *os << c.name; }

class ChooseGridRowRefusalTest : public testing::TestWithParam<ChoiceCase> {};

} // namespace

TEST_P(ChooseGridRowRefusalTest, SaysWhyAndHandsNothingBack)
{
    const ChoiceCase &k = GetParam();
    Recorder rec;
    FormatGrid grid = sampleGrid();
    if (k.row >= 1 && k.row < grid.rowCount() && *k.circle)
        grid.setCell(k.row, CircleColumn, QString::fromUtf8(k.circle));
    const GridRowChoice chosen = ChooseGridRow(grid, k.row);
    EXPECT_FALSE(chosen.choice.has_value());
    EXPECT_EQ(chosen.warning, QString::fromUtf8(k.message));
    EXPECT_TRUE(rec.messages().empty()); // the window shows it
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseGridRowRefusalTest,
    testing::Values(ChoiceCase{"EmptyRow", 2, "", "Valeur de c non valide. "},
                    ChoiceCase{"NotANumber", 1, "0,05 mm", "Valeur de c non valide. "},
                    ChoiceCase{"HeaderRow", 0, "", "Valeur de c non valide. "},
                    ChoiceCase{"PastTheLastRow", 20, "", "Valeur de c non valide. "},
                    ChoiceCase{"TooLarge", 1, "0,6", "c hors intervalle 0,005-0,500"},
                    ChoiceCase{"RoundsBelowTheMinimum", 1, "0,0044", "c hors intervalle 0,005-0,500"},
                    ChoiceCase{"FromALargePrintTooLarge", 1, "6,498", "c hors intervalle 0,005-0,500"}),
    [](const auto &info) { return std::string(info.param.name); });
