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
// 26,5 for c = 0,05 mm, and sharp to infinity from 3 m), focused at 3 m, with the total depth line.
TableModel workedTable(bool showP = true)
{
    TableState s;
    s.fNumbers = {QStringLiteral("8"), QStringLiteral("64")};
    s.distances = {QStringLiteral("3")};
    s.decimalsIndex = 2;
    s.showP = showP;
    TableModel m;
    EXPECT_TRUE(RefreshTable(s, m));
    return m;
}

} // namespace

TEST(TableCsv, FileIsUtf8WithAByteOrderMarkAndTheCsvText)
{
    const TableModel m = workedTable();
    const QByteArray bytes = CsvFileBytes(m);
    EXPECT_EQ(bytes,
              QByteArray("\xEF\xBB\xBF"
                         ";n=8;n=64\r\n"
                         "3;\"2,56\n3,63\np=1,07\";\"1,29\ninf\np=inf\"\r\n"
                         "Infini;\"16,08\ninf\";\"2,08\ninf\"\r\n"));
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

TEST(TableCsv, SameTextAsTheCommandLine)
{
    ProgramFolder folder;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_EQ(RunCli({"optolune-cli", "table", "--f-numbers", "8 64", "--distances", "3",
                      "--decimals", "2", "-p", "--csv"},
                     outStream, errStream),
              kCliOk)
        << err.toStdString();
    EXPECT_EQ(out.toUtf8(), CsvFileBytes(workedTable()).mid(3));
}

TEST(TableCsv, ExportWritesTheFileAndAnEmptyTableWritesNothing)
{
    ProgramFolder folder;
    Recorder rec;
    const QString path = folder.file(QStringLiteral("table.csv"));
    ASSERT_TRUE(ExportTableCsv(workedTable(), path));
    EXPECT_EQ(folder.read(QStringLiteral("table.csv")), CsvFileBytes(workedTable()));

    EXPECT_FALSE(ExportTableCsv(TableModel(), path));
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"plain", "Table vide"}}));
    EXPECT_EQ(folder.read(QStringLiteral("table.csv")), CsvFileBytes(workedTable()));
}

TEST(TableCsv, UnwritablePlaceGivesAFrenchErrorAndKeepsThePreviousFile)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("plain"), "a file, not a folder");
    const QString path = folder.file(QStringLiteral("plain/table.csv"));
    try {
        ExportTableCsv(workedTable(), path);
        ADD_FAILURE() << "no error";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Impossible de créer le fichier ") + path);
    }
    EXPECT_EQ(folder.read(QStringLiteral("plain")), QByteArray("a file, not a folder"));
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
