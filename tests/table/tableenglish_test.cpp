// The table's logic in English: its headers, messages, title lines and
// exports read in English with decimal points, while the cells, the state
// and the files keep the decimal comma.
#include "core/diffractiontext.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/qtprint.h"
#include "support/recorder.h"
#include "table/cellpresentation.h"
#include "table/displayoptions.h"
#include "table/tablecompute.h"
#include "table/tableexport.h"
#include "table/tablefiles.h"
#include "table/tableinputs.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"
#include "table/titlelines.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::EnglishScope;
using optolune::test::Message;
using optolune::test::ProgramFolder;
using optolune::test::Recorder;
using optolune::test::Said;

namespace
{

TableState sample()
{
    TableState s;
    s.circle = QStringLiteral("0,050");
    s.focal = QStringLiteral("80");
    s.nodal = QStringLiteral("-4");
    s.pupil = QStringLiteral("1,100");
    s.format = QStringLiteral("5,6x7, Planar");
    s.fNumbers = {QStringLiteral("5,6"), QStringLiteral("8")};
    s.distances = {QStringLiteral("1,5"), QStringLiteral("3")};
    s.decimalsIndex = 2;
    return s;
}

bool hasDecimalComma(const QString &text)
{
    static const QRegularExpression comma(QStringLiteral("\\d,\\d"));
    return text.contains(comma);
}

} // namespace

TEST(TableEnglish, CellsKeepTheCommaAndShowPointsWithTheInfinityRow)
{
    TableState state = sample();
    TableModel french;
    ASSERT_TRUE(RefreshTable(state, french));
    EnglishScope english;
    TableModel model;
    state.showH = true;
    ASSERT_TRUE(RefreshTable(state, model));
    // The cells as computed, the words translated.
    EXPECT_EQ(model.cell(1, 0), QStringLiteral("n=5,6"));
    EXPECT_EQ(model.cell(0, 1), QStringLiteral("1,5"));
    EXPECT_EQ(model.cell(1, 1), french.cell(1, 1));
    EXPECT_EQ(model.cell(0, 3), QStringLiteral("Infinity"));
    EXPECT_EQ(model.cell(0, 4), QStringLiteral("H"));
    EXPECT_EQ(model.cell(0, 5), QStringLiteral("h="));
    // What a view draws: decimal points, "inf" and the labels kept.
    EXPECT_EQ(model.displayText(1, 0), QStringLiteral("n=5.6"));
    EXPECT_EQ(model.displayText(0, 1), QStringLiteral("1.5"));
    QString shown = french.cell(1, 1);
    shown.replace(u',', u'.').replace(kCellLineBreak, u'\n');
    EXPECT_EQ(model.displayText(1, 1), shown);
    EXPECT_TRUE(model.displayText(1, 3).endsWith(QStringLiteral("\ninf")));
    for (int r = 0; r < model.rowCount(); ++r)
        for (int c = 0; c < model.colCount(); ++c) {
            EXPECT_FALSE(hasDecimalComma(model.displayText(c, r))) << r << ' ' << c;
        }

    EXPECT_EQ(InfoLineText(2, 12), QStringLiteral(" F-numbers:2      distances:12"));
}

TEST(TableEnglish, BoundFromASelectedCellReadsTheCommaTextAndRefusesInfinity)
{
    TableState state = sample();
    EnglishScope english;
    TableModel model;
    ASSERT_TRUE(RefreshTable(state, model));
    Recorder rec;
    // The distance 1,5 m, shown 1.5: the bound is the stored text.
    EXPECT_TRUE(rec.keep(TakeBoundFromSelection(state, model, 1, 1)));
    EXPECT_EQ(state.bound, QStringLiteral("1,5"));
    // The Infinity row has no distance.
    EXPECT_FALSE(rec.keep(TakeBoundFromSelection(state, model, 1, 3)));
    EXPECT_EQ(state.bound, QStringLiteral("1,5"));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"warning", "The selected value does not suit"}}));
}

TEST(TableEnglish, MessagesOfTheTableInEnglish)
{
    ProgramFolder folder;
    EnglishScope english;
    Recorder rec;
    TableModel model;
    TableState state = sample();
    state.fNumbers = {QStringLiteral("5,6"), QStringLiteral("0,5")};
    EXPECT_FALSE(rec.keep(RefreshTable(state, model)));
    state.fNumbers = {QStringLiteral("5,6"), QStringLiteral("x")};
    EXPECT_FALSE(rec.keep(RefreshTable(state, model)));
    state.fNumbers.clear();
    EXPECT_FALSE(rec.keep(RefreshTable(state, model)));
    state = sample();
    state.circle = QStringLiteral("9");
    EXPECT_TRUE(rec.keep(RefreshTable(state, model)));
    state.format = QStringLiteral("4_5");
    EXPECT_FALSE(rec.keep(SaveTable(state, model, rec.asking())));
    EXPECT_EQ(rec.keep(ReadTableFile(state, folder.file(QStringLiteral("none.stf")),
                                     TableSource::UserFile))
                  .status,
              TableStatus::Missing);
    const QString shownPath = folder.file(QStringLiteral("none.stf"));
    EXPECT_EQ(
        rec.messages(),
        (std::vector<Message>{
            {"warning", "The list of f-numbers holds a value outside the range 1.0-256.0: '0,5'"},
            {"warning", "The list of f-numbers holds an incorrect value: 'x'"},
            {"information", "Create a list of f-numbers"},
            {"warning", "Value out of the range 0.005-0.500"},
            {"information", "The character _ is not allowed in the format and the lens references"},
            {"error", "Cannot open the file " + shownPath},
        }));
}

TEST(TableEnglish, SaveAsksInEnglishAndWritesTheFrenchFile)
{
    ProgramFolder folder;
    TableState state = sample();
    state.format = QStringLiteral("4x5");
    TableModel model;
    ASSERT_TRUE(RefreshTable(state, model));
    const QString path = folder.file(QStringLiteral("fr.stf"));
    ASSERT_TRUE(WriteTableFile(state, model, path));
    EnglishScope english;
    Recorder rec;
    rec.answerConfirm(true);
    ASSERT_TRUE(rec.keep(SaveTable(state, model, rec.asking())));
    const QString name = TableFileName(state, QStringLiteral(".stf"));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"confirm", "The table will be saved in the file:\r\n" + name +
                                                    "\r\nContinue?"}}));
    EXPECT_EQ(folder.read(QStringLiteral("Tables/") + name), folder.read(QStringLiteral("fr.stf")));
}

TEST(TableEnglish, TitleLinesInEnglishKeepTheUsersTexts)
{
    TableState s = sample();
    s.focal = QStringLiteral("148,1");
    s.nodal = QStringLiteral("-4,0");
    s.fromFilm = false;
    s.diffraction = true;
    s.blurModel = BlurModel::Sum;
    EnglishScope english;
    const QString sep(7, u' ');
    EXPECT_EQ(
        ComposeTitleLines(s, QStringLiteral("Planar 2,8/80"), false,
                          QStringLiteral("Version 1.0.0.0")),
        (QStringList{"Planar 2,8/80" + sep + "format 5,6x7, Planar" + sep +
                         "distances from the lens" + sep + "with diffraction (λ 0.55 µm, blur sum)",
                     "f= 148.1mm" + sep + "c= 0.050 mm" + sep + "dn= -4.0mm" + sep + "gp= 1.100",
                     "Optolune" + sep + "Version 1.0.0.0", QString()}));
    s.fromFilm = true;
    EXPECT_TRUE(ComposeTitleLines(s, QString(), false, QString())[0].contains(
        QStringLiteral("distances from the film plane")));
}

TEST(TableEnglish, CsvForAnEnglishSpreadsheetAndTheFrenchOneUnchanged)
{
    ProgramFolder folder;
    TableState state = sample();
    TableModel model;
    ASSERT_TRUE(RefreshTable(state, model));
    const QString frenchGrid = TableAsCsv(model);
    const QString frenchRows = TableAsCsvRows(state);
    const QString frenchTab = TableAsTabText(model);
    EXPECT_TRUE(frenchGrid.startsWith(QStringLiteral(";n=5,6;n=8\r\n1,5;\"")));
    EXPECT_TRUE(
        frenchRows.contains(QStringLiteral("\r\n80;0,050;-4;1,100;5,6x7, Planar;film;5,6;1,5;")));

    EnglishScope english;
    // The language is the run's: a table is computed in it.
    TableModel englishModel;
    ASSERT_TRUE(RefreshTable(state, englishModel));
    const QString grid = TableAsCsv(englishModel);
    EXPECT_TRUE(grid.startsWith(QStringLiteral(",n=5.6,n=8\r\n1.5,\""))) << grid.toStdString();
    EXPECT_TRUE(grid.contains(QStringLiteral("\r\nInfinity,\"")));
    EXPECT_FALSE(hasDecimalComma(grid));
    EXPECT_FALSE(grid.contains(u';'));

    const QString rows = TableAsCsvRows(state);
    const QStringList records = rows.split(QStringLiteral("\r\n"));
    ASSERT_EQ(records.size(), 6);
    EXPECT_EQ(records[0], QStringLiteral("f,c,dn,gp,format,origin,N,distance,near,far,p,a,b"));
    // The format, the user's text, keeps its comma inside quotes.
    EXPECT_TRUE(
        records[1].startsWith(QStringLiteral("80,0.050,-4,1.100,\"5,6x7, Planar\",film,5.6,1.5,")))
        << records[1].toStdString();
    state.fromFilm = false;
    TableModel fromLens;
    ASSERT_TRUE(RefreshTable(state, fromLens));
    EXPECT_TRUE(TableAsCsvRows(state).contains(QStringLiteral(",lens,8,3,")));

    // The file: UTF-8 with its byte-order mark, in English too.
    const QString path = folder.file(QStringLiteral("t.csv"));
    ASSERT_TRUE(ExportTableCsv(state, fromLens, CsvLayout::Grid, path));
    EXPECT_EQ(folder.read(QStringLiteral("t.csv")),
              QByteArray("\xEF\xBB\xBF") + TableAsCsv(fromLens).toUtf8());

    // The clipboard: points for an English spreadsheet too.
    EXPECT_FALSE(hasDecimalComma(TableAsTabText(englishModel)));
    EXPECT_FALSE(hasDecimalComma(TableAsHtml(englishModel)));
    EXPECT_TRUE(TableAsHtml(englishModel).contains(QStringLiteral("<th>n=5.6</th>")));

    Recorder rec;
    EXPECT_FALSE(rec.keep(ExportTableCsv(state, TableModel(), CsvLayout::Grid, path)));
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"plain", "Empty table"}}));

    // Back in French, the same bytes as before.
    InstallProgramTranslation(Language::French);
    state.fromFilm = true;
    EXPECT_EQ(TableAsCsv(model), frenchGrid);
    EXPECT_EQ(TableAsCsvRows(state), frenchRows);
    EXPECT_EQ(TableAsTabText(model), frenchTab);
}

TEST(TableEnglish, DisplayOptionCaptionsInEnglish)
{
    std::vector<QString> french;
    for (const DisplayOptionField &f : displayOptionFields()) {
        french.push_back(DisplayOptionCaption(f));
        EXPECT_EQ(french.back(), QString::fromUtf8(f.caption));
    }
    EnglishScope english;
    QStringList shown;
    for (const DisplayOptionField &f : displayOptionFields())
        if (f.shown)
            shown << DisplayOptionCaption(f);
    EXPECT_EQ(
        shown,
        (QStringList{"Hyperfocal distance (h)", "Magnification and extension", "Depth of field p ",
                     "Depth of field in front of (a) and behind (b) the plane of focus",
                     "Diffraction"}));
    EXPECT_EQ(WavelengthRangeMessage(),
              QStringLiteral("The wavelength goes from 0.40 to 0.70 µm, 4 decimals at most"));
}
