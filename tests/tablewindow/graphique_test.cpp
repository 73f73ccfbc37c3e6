// The table window's exports and its chart window, driven as a user would:
// the CSV file and the clipboard from the menus, the chart opened with F9,
// following the table, its tooltips against the grid's cells, an f-number
// hidden from the legend, the picture exported as PNG and PDF.
#include "table/calculprof.h"
#include "table/graphique.h"
#include "table/tableexport.h"
#include "table/tablemodel.h"
#include "core/procs.h"
#include "lists/listeditoropener.h"
#include "lists/listkind.h"
#include "support/child.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QImage>
#include <QLegendMarker>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class ChartWindowTest : public testing::Test {
protected:
    static TFormGraphique *openChart(TFormCalculProf &form)
    {
        QTest::keyClick(&form, Qt::Key_F9);
        QCoreApplication::processEvents();
        return form.chartWindow();
    }
    // The lists the table takes from the list editor.
    void setLists(TFormCalculProf &form, const char *f, const char *d)
    {
        fNumbers = QString::fromUtf8(f).split(u' ');
        distances = QString::fromUtf8(d).split(u' ');
        child<QToolButton>(&form, "DiaBtn")->click();
        child<QToolButton>(&form, "DistBtn")->click();
    }

    std::optional<QStringList> fNumbers, distances;

private:
    ScopedOpener<ListEditorOpener> m_lists{setListEditorOpener, [this](const ListEditorRequest &request) {
        const auto answer = request.kind == ListKind::Dia ? fNumbers : distances;
        if (answer && request.receiver)
            request.receiver->replaceList(request.kind, *answer);
        return answer.has_value();
    }};
};

// The chart's tooltip at every distance of the table holds the grid's cell.
void expectTipsAreTheCells(TFormCalculProf &form, TFormGraphique &chart)
{
    const TableModel &table = form.table();
    ASSERT_FALSE(table.horizontal);
    ASSERT_EQ(chart.chartData().curves.size(), static_cast<size_t>(table.nDia));
    for (int k = 1; k <= table.nDia; ++k)
        for (int r = 1; r <= table.nDist; ++r) {
            if (table.cell(k, r).isEmpty())
                continue;
            const QStringList lines = table.cellLines(k, r);
            const QString tip =
                chart.tipAt(k - 1, *ReadNumber(table.cell(0, r)));
            EXPECT_TRUE(tip.contains(QStringLiteral("Distance : ") + table.cell(0, r) + QStringLiteral(" m\n")))
                << tip.toStdString();
            EXPECT_TRUE(tip.contains(QStringLiteral("Premier plan net : ") + lines[0] + QStringLiteral(" m")))
                << tip.toStdString();
            EXPECT_TRUE(tip.contains(QStringLiteral("Dernier plan net : ") + lines[1])) << tip.toStdString();
        }
}

} // namespace

TEST_F(ChartWindowTest, CsvExportWritesTheGridAsTheCommandLinePrintsIt)
{
    ProgramFolder folder;
    Recorder rec;
    TFormCalculProf form;
    activate(form);
    rec.answerFile(folder.file(QStringLiteral("Tables/essai")));
    child<QAction>(&form, "ExporterCsv")->trigger();
    EXPECT_EQ(rec.fileRequests.value(0),
              QStringLiteral("save:") + folder.file(QStringLiteral("Tables/")) +
                  QStringLiteral("|F148,1_C0100_PF_4x5_Test Optolune.csv|CSV (*.csv)"));
    // The extension is added to a name typed without it.
    EXPECT_EQ(folder.read(QStringLiteral("Tables/essai.csv")), CsvFileBytes(form.table()));
    EXPECT_TRUE(rec.messages().empty());

    // An unwritable place: a French message, the previous file intact.
    folder.write(QStringLiteral("plain"), "not a folder");
    rec.answerFile(folder.file(QStringLiteral("plain/essai.csv")));
    child<QAction>(&form, "ExporterCsv")->trigger();
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", QStringLiteral("Impossible de créer le fichier ") +
                                                  folder.file(QStringLiteral("plain/essai.csv"))}}));
    EXPECT_EQ(folder.read(QStringLiteral("plain")), QByteArray("not a folder"));
}

TEST_F(ChartWindowTest, CopiedTablePastesAsAGridInRichText)
{
    ProgramFolder folder;
    Recorder rec;
    TFormCalculProf form;
    activate(form);
    QApplication::clipboard()->clear();
    QTest::keySequence(&form, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    const QMimeData *data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), TableAsTabText(form.table()));
    ASSERT_TRUE(data->hasHtml());

    QTextEdit editor;
    editor.insertHtml(data->html());
    QTextTable *grid = nullptr;
    for (QTextBlock b = editor.document()->begin(); b.isValid() && !grid; b = b.next())
        grid = QTextCursor(b).currentTable();
    ASSERT_NE(grid, nullptr);
    const TableModel &table = form.table();
    EXPECT_EQ(grid->rows(), table.rowCount());
    EXPECT_EQ(grid->columns(), table.colCount());
    auto cellText = [&](int row, int col) {
        QTextTableCell cell = grid->cellAt(row, col);
        QTextCursor c = cell.firstCursorPosition();
        c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return c.selectedText().replace(QChar::LineSeparator, kCellLineBreak);
    };
    EXPECT_EQ(cellText(0, 1), table.cell(1, 0));
    EXPECT_EQ(cellText(1, 0), table.cell(0, 1));
    EXPECT_EQ(cellText(3, 2), table.cell(2, 3));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(ChartWindowTest, ChartFollowsTheTableAndItsTipsAreTheCells)
{
    ProgramFolder folder;
    Recorder rec;
    TFormCalculProf form;
    activate(form);
    TFormGraphique *chart = openChart(form);
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chart));
    EXPECT_EQ(chart->windowTitle(), QStringLiteral("Graphique de profondeur de champ"));
    EXPECT_EQ(chart->chart()->series().size(), form.table().nDia);
    expectTipsAreTheCells(form, *chart);
    EXPECT_TRUE(chart->chartData().fromFilm);
    // f/64 lies past the diffraction limit of the test lens: dashed silver.
    const QAreaSeries *silver = chart->band(7);
    ASSERT_NE(silver, nullptr);
    EXPECT_EQ(silver->pen().style(), Qt::DashLine);
    EXPECT_EQ(silver->pen().color(), QColor(0xC0, 0xC0, 0xC0));
    QCoreApplication::processEvents();
    saveScreenshot(chart, QStringLiteral("chart-film"));

    // The origin changes: the chart follows at once.
    child<QToolButton>(&form, "DistFilmBtn")->click();
    EXPECT_FALSE(chart->chartData().fromFilm);
    expectTipsAreTheCells(form, *chart);
    EXPECT_TRUE(chart->chart()->title().contains(QStringLiteral("objectif")));
    QCoreApplication::processEvents();
    saveScreenshot(chart, QStringLiteral("chart-lens"));

    // A click on an f-number's legend entry hides it; a second click shows it.
    QAreaSeries *area = chart->band(0);
    QLegendMarker *marker = chart->chart()->legend()->markers(area).value(0);
    ASSERT_NE(marker, nullptr);
    emit marker->clicked();
    EXPECT_FALSE(area->isVisible());
    EXPECT_TRUE(marker->isVisible());
    child<QToolButton>(&form, "CalcBtn")->click(); // stays hidden over a refresh
    EXPECT_FALSE(area->isVisible());
    emit marker->clicked();
    EXPECT_TRUE(area->isVisible());

    // The chart closes with the table window.
    form.close();
    EXPECT_FALSE(chart->isVisible());
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(ChartWindowTest, MacroAndSilverTablesAndWhatCannotBeDrawn)
{
    ProgramFolder folder;
    Recorder rec;
    TFormCalculProf form;
    activate(form);
    TFormGraphique *chart = openChart(form);
    ASSERT_NE(chart, nullptr);

    // Close-ups from the film plane: 4f + dn is 0,617 m for the test lens.
    setLists(form, "8 16 32 64", "0,5 0,62 0,65 0,7 0,8 1");
    expectTipsAreTheCells(form, *chart);
    EXPECT_TRUE(chart->chartData().missing.contains(QStringLiteral("0,5 m")));
    EXPECT_TRUE(chart->chart()->title().contains(QStringLiteral("Non tracé")));
    QCoreApplication::processEvents();
    saveScreenshot(chart, QStringLiteral("chart-macro"));

    setLists(form, "22 32 45 64 90 128", "1 2 3 5 10 20");
    expectTipsAreTheCells(form, *chart);
    int silver = 0;
    for (const ChartCurve &c : chart->chartData().curves)
        silver += c.beyondLimit ? 1 : 0;
    EXPECT_EQ(silver, 3); // 64, 90 and 128: beyond 53 for c = 0,1 mm
    QCoreApplication::processEvents();
    saveScreenshot(chart, QStringLiteral("chart-silver"));

    // An empty list: the table keeps its cells, the chart says why it is empty.
    rec.clear();
    fNumbers = QStringList();
    child<QToolButton>(&form, "DiaBtn")->click();
    EXPECT_EQ(rec.texts(), QStringList{QStringLiteral("Créez une liste des diaphragmes")});
    EXPECT_TRUE(chart->chartData().curves.empty());
    EXPECT_TRUE(chart->chart()->title().contains(QStringLiteral("aucun diaphragme")));
    EXPECT_TRUE(chart->chart()->series().isEmpty());
}

TEST_F(ChartWindowTest, PictureExportedAsPngOrPdf)
{
    ProgramFolder folder;
    Recorder rec;
    TFormCalculProf form;
    activate(form);
    TFormGraphique *chart = openChart(form);
    ASSERT_NE(chart, nullptr);
    rec.answerFile(folder.file(QStringLiteral("Tables/graphique")));
    child<QPushButton>(chart, "ExportBtn")->click();
    EXPECT_EQ(rec.fileRequests.value(0),
              QStringLiteral("save:") + folder.file(QStringLiteral("Tables/")) +
                  QStringLiteral("|F148,1_C0100_PF_4x5_Test Optolune.png|Images (*.png *.pdf)"));
    const QByteArray png = folder.read(QStringLiteral("Tables/graphique.png"));
    EXPECT_TRUE(png.startsWith("\x89PNG"));
    QImage image;
    ASSERT_TRUE(image.loadFromData(png));
    EXPECT_EQ(image.size(), chart->view()->size() * chart->view()->devicePixelRatio());

    rec.answerFile(folder.file(QStringLiteral("Tables/graphique.pdf")));
    child<QPushButton>(chart, "ExportBtn")->click();
    const QByteArray pdf = folder.read(QStringLiteral("Tables/graphique.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 2000);
    EXPECT_TRUE(rec.messages().empty());

    // Cancel writes nothing; an unwritable place is reported in French and
    // the previous picture stays.
    const auto before = folder.contents();
    rec.answerFile(std::nullopt);
    child<QPushButton>(chart, "ExportBtn")->click();
    EXPECT_EQ(rec.fileRequests.size(), 3); // the dialog was offered again
    EXPECT_EQ(folder.contents(), before);
    folder.write(QStringLiteral("plain"), "not a folder");
    rec.answerFile(folder.file(QStringLiteral("plain/graphique.png")));
    child<QPushButton>(chart, "ExportBtn")->click();
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", QStringLiteral("Impossible de créer le fichier ") +
                                                  folder.file(QStringLiteral("plain/graphique.png"))}}));
    EXPECT_EQ(folder.read(QStringLiteral("Tables/graphique.png")), png);
}
