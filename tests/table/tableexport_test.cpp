// The table taken out of the program: the CSV file's bytes (the same text as
// optolune-cli --csv), the clipboard's tab-separated text and HTML, and an
// export that cannot be written.
#include "cli/clitable.h"
#include "core/usererror.h"
#include "support/programfolder.h"
#include "support/qtprint.h"
#include "support/recorder.h"
#include "table/tablecompute.h"
#include "table/tableexport.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QFile>
#include <QMimeData>
#include <QTextStream>
#include <gtest/gtest.h>
#include <memory>

using namespace optolune;
using optolune::test::Message;
using optolune::test::ProgramFolder;
using optolune::test::Recorder;

namespace {

// The worked example's lens at f/8 and f/64 (beyond the diffraction limit of
// 26,5 for c = 0,05 mm, and sharp to infinity from 3 m), focused at 3 m, with
// the total depth line.
TableState workedState(bool showP = true)
{
    TableState s;
    s.fNumbers = {QStringLiteral("8"), QStringLiteral("64")};
    s.distances = {QStringLiteral("3")};
    s.decimalsIndex = 2;
    s.showP = showP;
    return s;
}

TableModel workedTable(bool showP = true)
{
    TableState s = workedState(showP);
    TableModel m;
    EXPECT_TRUE(RefreshTable(s, m));
    return m;
}

// The worked example's table as a French spreadsheet reads it, in the grid
// and one record per cell. The limits are those of the worked example
// (near 2,56 m and far 3,63 m at f/8, near 1,29 m at f/64), the depths their
// differences: a = 3 - 2,56 and b = 3,63 - 3 to the hundredth.
const char kWorkedGridCsv[] = ";n=8;n=64\r\n"
                              "3;\"2,56\n3,63\np=1,07\";\"1,29\ninf\np=inf\"\r\n"
                              "Infini;\"16,08\ninf\";\"2,08\ninf\"\r\n";
const char kWorkedRowsCsv[] = "f;c;dn;gp;format;origine;N;distance;proche;lointain;p;a;b\r\n"
                              "80;0,050;-4;1,100;10x12 in;film;8;3;2,56;3,63;1,07;0,44;0,63\r\n"
                              "80;0,050;-4;1,100;10x12 in;film;64;3;1,29;inf;inf;1,71;inf\r\n";

} // namespace

TEST(TableCsv, FileIsUtf8WithAByteOrderMarkAndTheCsvText)
{
    EXPECT_EQ(CsvFileBytes(workedTable()), QByteArray("\xEF\xBB\xBF") + kWorkedGridCsv);
}

// One record per cell: the lens fields as the refresh left them, the format
// quoted when it holds the separator, an empty record's limits for a
// distance that cannot be focused (0,2 m with an 80 mm lens from the film:
// closer than 4f).
TEST(TableCsv, OneRecordPerCell)
{
    TableState s = workedState();
    TableModel m;
    ASSERT_TRUE(RefreshTable(s, m));
    EXPECT_EQ(TableAsCsvRows(s), QString::fromUtf8(kWorkedRowsCsv));
    EXPECT_EQ(TableCsvText(s, m, CsvLayout::Rows), QString::fromUtf8(kWorkedRowsCsv));
    EXPECT_EQ(TableCsvText(s, m, CsvLayout::Grid), QString::fromUtf8(kWorkedGridCsv));

    s.format = QStringLiteral("6x7; \"Pentax\"");
    s.fromFilm = false;
    s.fNumbers = {QStringLiteral("5,6")};
    s.distances = {QStringLiteral("0,2"), QStringLiteral("1")};
    ASSERT_TRUE(RefreshTable(s, m));
    const QStringList records = TableAsCsvRows(s).split(QStringLiteral("\r\n"));
    ASSERT_EQ(records.size(), 4);
    EXPECT_TRUE(records[1].startsWith(
        QStringLiteral("80;0,050;-4;1,100;\"6x7; \"\"Pentax\"\"\";objectif;5,6;0,2;")));
    EXPECT_TRUE(records[2].startsWith(QStringLiteral("80;0,050;-4;1,100;\"6x7; \"\"Pentax\"\"\";objectif;5,6;1;0,9")));
    EXPECT_EQ(records[3], QString());
}

// The window's file and optolune-cli print the same text, in both layouts.
TEST(TableCsv, SameTextAsTheCommandLine)
{
    ProgramFolder folder;
    for (const auto &[layout, expected] : {std::pair{"grid", kWorkedGridCsv}, {"rows", kWorkedRowsCsv}}) {
        SCOPED_TRACE(layout);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        ASSERT_EQ(RunCli({"optolune-cli", "table", "--f-numbers", "8 64", "--distances", "3",
                          "--decimals", "2", "-p", "--csv", "--layout", layout},
                         outStream, errStream),
                  kCliOk)
            << err.toStdString();
        EXPECT_EQ(out, QString::fromUtf8(expected));
    }
}

TEST(TableCsv, LayoutOptionIsCheckedAndGoesWithCsv)
{
    ProgramFolder folder;
    for (const auto &[args, message] :
         {std::pair{QStringList{"--csv", "--layout", "colonnes"},
                    QStringLiteral("--layout vaut grid ou rows, pas « colonnes »")},
          std::pair{QStringList{"--layout=rows"},
                    QStringLiteral("--layout ne s'emploie qu'avec --csv")},
          std::pair{QStringList{"--csv", "--layout"},
                    QStringLiteral("l'option --layout demande une valeur")}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        EXPECT_EQ(RunCli(QStringList{"optolune-cli", "table"} + args, outStream, errStream),
                  kCliBadUsage);
        EXPECT_TRUE(err.contains(message)) << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }
}

TEST(TableCsv, QuotesAndAccentsSurviveTheFile)
{
    TableModel m;
    m.reset(2, 2);
    m.setCell(0, 1, QStringLiteral("Mètres"));
    m.setCell(1, 0, QStringLiteral("dit \"net\";x"));
    m.setCell(1, 1, QStringLiteral("1,5"));
    EXPECT_EQ(TableAsCsv(m), QStringLiteral(";\"dit \"\"net\"\";x\"\r\nMètres;1,5\r\n"));
    EXPECT_EQ(CsvFileBytes(m).mid(3), QStringLiteral(";\"dit \"\"net\"\";x\"\r\nMètres;1,5\r\n").toUtf8());
}

TEST(TableCsv, ExportWritesTheFileAndAnEmptyTableWritesNothing)
{
    ProgramFolder folder;
    Recorder rec;
    const QString path = folder.file(QStringLiteral("table.csv"));
    ASSERT_TRUE(rec.keep(ExportTableCsv(workedTable(), path)));
    const QByteArray grid = QByteArray("\xEF\xBB\xBF") + kWorkedGridCsv;
    EXPECT_EQ(folder.read(QStringLiteral("table.csv")), grid);

    EXPECT_FALSE(rec.keep(ExportTableCsv(TableModel(), path)));
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"plain", "Table vide"}}));
    EXPECT_EQ(folder.read(QStringLiteral("table.csv")), grid);

    TableState s = workedState();
    TableModel m;
    ASSERT_TRUE(rec.keep(RefreshTable(s, m)));
    ASSERT_TRUE(rec.keep(ExportTableCsv(s, m, CsvLayout::Rows, path)));
    EXPECT_EQ(folder.read(QStringLiteral("table.csv")), QByteArray("\xEF\xBB\xBF") + kWorkedRowsCsv);
}

TEST(TableClipboard, TabSeparatedWithMultiLineCellsQuoted)
{
    EXPECT_EQ(TableAsTabText(workedTable(false)),
              QStringLiteral("\tn=8\tn=64\n"
                             "3\t\"2,56\n3,63\"\t\"1,29\ninf\"\n"
                             "Infini\t\"16,08\ninf\"\t\"2,08\ninf\"\n"));
}

TEST(TableClipboard, HtmlTableWithHeaderCellsAndSilverBeyondTheLimit)
{
    EXPECT_EQ(TableAsHtml(workedTable(false)),
              QStringLiteral(
                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                  "<tr><th></th><th>n=8</th><th>n=64</th></tr>\n"
                  "<tr><th>3</th><td>2,56<br>3,63</td>"
                  "<td><span style=\"color:#c0c0c0\">1,29<br>inf</span></td></tr>\n"
                  "<tr><th>Infini</th><td>16,08<br>inf</td>"
                  "<td><span style=\"color:#c0c0c0\">2,08<br>inf</span></td></tr>\n"
                  "</table>\n"));
    TableModel m;
    m.reset(2, 2);
    m.setCell(1, 0, QStringLiteral("<b>&"));
    EXPECT_TRUE(TableAsHtml(m).contains(QStringLiteral("<th>&lt;b&gt;&amp;</th>")));
}

TEST(TableClipboard, MimeDataHoldsTextAndHtml)
{
    const TableModel m = workedTable();
    const std::unique_ptr<QMimeData> data(TableMimeData(m));
    EXPECT_TRUE(data->hasText());
    EXPECT_TRUE(data->hasHtml());
    EXPECT_EQ(data->text(), TableAsTabText(m));
    EXPECT_EQ(data->html(), TableAsHtml(m));
}
