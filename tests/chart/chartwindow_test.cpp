// The table window's exports and its chart window, driven as a user would:
// the CSV file and the clipboard from the menus, the chart opened with F9,
// following the table, its tooltips against the grid's cells, an f-number
// hidden from the legend, the picture exported as PNG and PDF.
#include "tablewindow/tablewindow.h"
#include "chart/chartwindow.h"
#include "table/tableexport.h"
#include "table/tablemodel.h"
#include "core/apppaths.h"
#include "core/numerictext.h"
#include "table/tablestate.h"
#include "table/titlelines.h"
#include "support/pdfpages.h"
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
#include <QLineSeries>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QImage>
#include <QDir>
#include <QLabel>
#include <QAbstractAxis>
#include <QMimeData>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>
#include <QToolButton>
#include <gtest/gtest.h>
#include <cmath>
#include <set>

using namespace optolune;
using namespace optolune::test;

namespace {

class ChartWindowTest : public testing::Test {
protected:
    static ChartWindow *openChart(TableWindow &form)
    {
        QTest::keyClick(&form, Qt::Key_F9);
        QCoreApplication::processEvents();
        return form.chartWindow();
    }
    // The lists the table takes from the list editor.
    void setLists(TableWindow &form, const char *f, const char *d)
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
void expectTipsAreTheCells(TableWindow &form, ChartWindow &chart)
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
    TableWindow form;
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

// An export holds the table the fields give now: a focal length typed
// without Enter is checked and computed first, and lens references as the
// maker writes them give a name every system takes. Each export says where
// it went.
TEST_F(ChartWindowTest, CsvExportsRefreshFirstAndSayWhereTheFileWent)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    const QByteArray before = CsvFileBytes(form.table());
    auto *focal = child<QLineEdit>(&form, "EdFocale");
    focal->selectAll();
    QTest::keyClicks(focal, QStringLiteral("210"));
    child<QLineEdit>(&form, "EdSuffixe")->setText(QStringLiteral("Planar T* 2,8/80 C"));

    rec.answerFile(folder.file(QStringLiteral("Tables/grille.csv")));
    child<QAction>(&form, "ExporterCsv")->trigger();
    EXPECT_EQ(rec.fileRequests.value(0),
              QStringLiteral("save:") + folder.file(QStringLiteral("Tables/")) +
                  QStringLiteral("|F210_C0100_PF_4x5_Planar T_ 2,8-80 C.csv|CSV (*.csv)"));
    const QByteArray grid = folder.read(QStringLiteral("Tables/grille.csv"));
    EXPECT_NE(grid, before);
    EXPECT_EQ(grid, CsvFileBytes(form.table()));
    EXPECT_EQ(form.state().focal, QStringLiteral("210"));
    EXPECT_EQ(child<QStatusBar>(&form, "StatusBar")->currentMessage(),
              QStringLiteral("Fichier enregistré : ") + folder.file(QStringLiteral("Tables/grille.csv")));

    // One record per cell: the lens as typed, numbers alone.
    rec.answerFile(folder.file(QStringLiteral("Tables/cases.csv")));
    child<QAction>(&form, "ExporterCsvLignes")->trigger();
    EXPECT_EQ(child<QAction>(&form, "ExporterCsvLignes")->text(),
              QStringLiteral("Exporter en CSV (une ligne par case)..."));
    const QStringList records =
        QString::fromUtf8(folder.read(QStringLiteral("Tables/cases.csv")).mid(3)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(records.value(0), QStringLiteral("f;c;dn;gp;format;origine;N;distance;proche;lointain;p;a;b"));
    EXPECT_EQ(records.size(), 1 + form.table().nDia * form.table().nDist + 1); // and the last CR LF
    EXPECT_TRUE(records.value(1).startsWith(QStringLiteral("210;0,100;")));
    EXPECT_EQ(child<QStatusBar>(&form, "StatusBar")->currentMessage(),
              QStringLiteral("Fichier enregistré : ") + folder.file(QStringLiteral("Tables/cases.csv")));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();

    // A table that cannot be computed is exported by no command: the
    // refresh says why, and nothing is asked or written.
    rec.clear();
    fNumbers = QStringList();
    child<QToolButton>(&form, "DiaBtn")->click();
    rec.clear();
    rec.fileRequests.clear();
    for (const char *item : {"ExporterCsv", "ExporterCsvLignes", "CopierTable"}) {
        SCOPED_TRACE(item);
        QApplication::clipboard()->setText(QStringLiteral("avant"));
        child<QAction>(&form, item)->trigger();
        EXPECT_EQ(rec.texts(), QStringList{QStringLiteral("Créez une liste des diaphragmes")});
        EXPECT_TRUE(rec.fileRequests.isEmpty());
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("avant"));
        rec.clear();
    }
}

TEST_F(ChartWindowTest, CopiedTablePastesAsAGridInRichText)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
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
    TableWindow form;
    activate(form);
    ChartWindow *chart = openChart(form);
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chart));
    EXPECT_EQ(chart->windowTitle(), QStringLiteral("Graphique de profondeur de champ"));
    EXPECT_EQ(chart->chart()->series().size(), form.table().nDia);
    expectTipsAreTheCells(form, *chart);
    EXPECT_TRUE(chart->chartData().fromFilm);
    // f/64 lies past the diffraction limit of the test lens: its colour
    // fades toward silver, greyer than the bands within the limit.
    const QAreaSeries *silver = chart->band(7);
    ASSERT_NE(silver, nullptr);
    EXPECT_TRUE(chart->chartData().curves[7].beyondLimit);
    EXPECT_LT(silver->pen().color().hsvSaturation(), chart->band(0)->pen().color().hsvSaturation());
    // The title lines of the printed table stand above the chart.
    EXPECT_EQ(chart->titleLines()->text(),
              ComposeTitleLines(form.state(), form.state().lensReferences, false, VersionText())
                  .mid(0, 3)
                  .join(u'\n'));
    EXPECT_TRUE(chart->titleLines()->text().startsWith(QStringLiteral("Test Optolune       format 4x5")));
    EXPECT_TRUE(chart->titleLines()->text().contains(QStringLiteral("f= 148,1mm       c= 0,100 mm")));
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
    auto entryOf = [&](int curve) {
        for (const ChartWindow::LegendEntry &e : chart->legendEntries())
            if (e.curve == curve)
                return e.rect.center().toPoint();
        ADD_FAILURE() << "no legend entry for " << curve;
        return QPoint();
    };
    QTest::mouseClick(chart->view()->viewport(), Qt::LeftButton, {}, entryOf(0));
    EXPECT_FALSE(area->isVisible());
    child<QToolButton>(&form, "CalcBtn")->click(); // stays hidden over a refresh
    EXPECT_FALSE(area->isVisible());
    QTest::mouseClick(chart->view()->viewport(), Qt::LeftButton, {}, entryOf(0));
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
    TableWindow form;
    activate(form);
    ChartWindow *chart = openChart(form);
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
    TableWindow form;
    activate(form);
    ChartWindow *chart = openChart(form);
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
    // The page: the title lines above the chart, as the window shows them.
    EXPECT_EQ(image.size(), chart->page()->size() * chart->page()->devicePixelRatio());
    EXPECT_EQ(image, chart->page()->grab().toImage());
    EXPECT_EQ(child<QStatusBar>(chart, "StatusBar")->currentMessage(),
              QStringLiteral("Fichier enregistré : ") + folder.file(QStringLiteral("Tables/graphique.png")));

    rec.answerFile(folder.file(QStringLiteral("Tables/graphique.pdf")));
    child<QPushButton>(chart, "ExportBtn")->click();
    expectWindowImagePage(folder.file(QStringLiteral("Tables/graphique.pdf")), *chart->page(),
                          QStringLiteral("chart-export-pdf"));
    const QString text = pdfPageTexts(folder.file(QStringLiteral("Tables/graphique.pdf"))).value(0);
    EXPECT_TRUE(text.contains(QStringLiteral("format 4x5"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("n=5,6"))) << text.toStdString();
    EXPECT_EQ(child<QStatusBar>(chart, "StatusBar")->currentMessage(),
              QStringLiteral("Fichier enregistré : ") + folder.file(QStringLiteral("Tables/graphique.pdf")));
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

// The picture exported holds the table the fields give now: a focal length
// typed without Enter is checked and computed first; a table that cannot be
// computed is not exported.
TEST_F(ChartWindowTest, ImageExportRefreshesTheTableFirst)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    ChartWindow *chart = openChart(form);
    ASSERT_NE(chart, nullptr);
    auto *focal = child<QLineEdit>(&form, "EdFocale");
    focal->selectAll();
    QTest::keyClicks(focal, QStringLiteral("210"));
    rec.answerFile(folder.file(QStringLiteral("Tables/graphique.png")));
    child<QPushButton>(chart, "ExportBtn")->click();
    EXPECT_TRUE(rec.fileRequests.value(0).contains(QStringLiteral("|F210_C0100_PF_4x5_Test Optolune.png|")));
    EXPECT_TRUE(chart->titleLines()->text().contains(QStringLiteral("f= 210mm"))) << chart->titleLines()->text().toStdString();
    EXPECT_EQ(form.state().focal, QStringLiteral("210"));
    ASSERT_TRUE(folder.exists(QStringLiteral("Tables/graphique.png")));

    rec.clear();
    rec.fileRequests.clear();
    fNumbers = QStringList();
    child<QToolButton>(&form, "DiaBtn")->click();
    rec.clear();
    child<QPushButton>(chart, "ExportBtn")->click();
    EXPECT_EQ(rec.texts(), QStringList{QStringLiteral("Créez une liste des diaphragmes")});
    EXPECT_TRUE(rec.fileRequests.isEmpty());
}

// The 33 theoretical f-numbers at the window's opening size: every one is
// named in the legend, each entry inside the window and clear of the plot
// and of the others, and no two bands look alike.
TEST_F(ChartWindowTest, EveryFNumberNamedAndDistinctWithTheTheoreticalList)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    child<QAction>(&form, "Diaphragmesthoriques1")->trigger();
    ASSERT_EQ(form.table().nDia, 33);
    ChartWindow *chart = openChart(form);
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chart));
    EXPECT_EQ(chart->size(), QSize(860, 580));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    const auto entries = chart->legendEntries();
    const QRect view = chart->view()->viewport()->rect();
    const QRectF plot = chart->view()->mapFromScene(chart->chart()->mapRectToScene(chart->chart()->plotArea())).boundingRect();
    const QFontMetrics metrics(chart->chart()->axes().value(0)->labelsFont());
    std::set<std::pair<QRgb, int>> looks;
    int named = 0;
    for (const auto &e : entries) {
        SCOPED_TRACE(e.text.toStdString());
        EXPECT_TRUE(view.contains(e.rect.toAlignedRect())) << e.rect.x() << "," << e.rect.y();
        EXPECT_FALSE(e.rect.intersects(plot));
        for (const auto &other : entries) {
            if (&other != &e) {
                EXPECT_FALSE(e.rect.intersects(other.rect) && e.rect.intersected(other.rect).height() > 1);
            }
        }
        if (e.curve < 0)
            continue;
        ++named;
        EXPECT_TRUE(e.text.startsWith(QStringLiteral("n=") + chart->chartData().curves[size_t(e.curve)].fNumberText));
        const QPen pen = chart->curvePen(e.curve);
        looks.insert({pen.color().rgb(), int(pen.style())});
    }
    EXPECT_EQ(named, 33);
    EXPECT_EQ(looks.size(), 33u);
    // The marks have their entries: the hyperfocal bars, the limits at
    // infinity, the far limits beyond the scale.
    QStringList marks;
    for (const auto &e : entries)
        if (e.curve < 0)
            marks << e.text;
    EXPECT_TRUE(marks.contains(QStringLiteral("hyperfocale H")));
    EXPECT_TRUE(marks.contains(QStringLiteral("inf : net jusqu'à l'infini")));
    saveScreenshot(chart, QStringLiteral("chart-33-f-numbers"));

    // A smaller window: more columns, every f-number still named inside it.
    chart->resize(620, 420);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    int small = 0;
    const QRect smallView = chart->view()->viewport()->rect();
    for (const auto &e : chart->legendEntries()) {
        EXPECT_TRUE(smallView.contains(e.rect.toAlignedRect())) << e.text.toStdString();
        small += e.curve >= 0 ? 1 : 0;
    }
    EXPECT_EQ(small, 33);
    saveScreenshot(chart, QStringLiteral("chart-33-f-numbers-small"));
    chart->resize(860, 580);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    rec.answerFile(folder.file(QStringLiteral("Tables/theoriques.png")));
    child<QPushButton>(chart, "ExportBtn")->click();
    QImage exported(folder.file(QStringLiteral("Tables/theoriques.png")));
    EXPECT_EQ(exported, chart->page()->grab().toImage());
    if (const QString shots = qEnvironmentVariable("OPTOLUNE_SCREENSHOTS"); !shots.isEmpty())
        exported.save(QDir(shots).filePath(QStringLiteral("chart-33-f-numbers-export.png")));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

// Counts the paints an object receives.
class PaintCount : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// A change of the table with the chart open fills each band once and paints
// the chart once, even when the new scales and title move the plot: the
// chart is laid out before its points are thinned for the plot's size, not
// filled again when the event loop finds the plot moved.
TEST_F(ChartWindowTest, EachChangeFillsTheBandsOnceAndPaintsOnce)
{
    ProgramFolder folder;
    Recorder rec;
    // 33 f-numbers over distances from 0,5 m to 900 m, from the film and
    // from the lens: the origin changes the scales' labels and the title.
    TableState state;
    for (int k = 0; k <= 32; ++k)
        state.fNumbers << FixedText(std::pow(2.0L, k / 4.0L), 5, 1);
    for (int i = 0; i < 100; ++i)
        state.distances << FixedText(0.5L * std::pow(1800.0L, i / 99.0L), 8, 2);
    state.circle = QStringLiteral("0,050");
    state.focal = QStringLiteral("150");
    state.nodal = QStringLiteral("-4,0");
    state.pupil = QStringLiteral("1,100");
    state.decimalsIndex = 2;
    ChartWindow chart;
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    chart.updateChart(state);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    ASSERT_EQ(chart.chart()->series().size(), 33);
    int fills = 0;
    for (QAbstractSeries *series : chart.chart()->series()) {
        auto *area = qobject_cast<QAreaSeries *>(series);
        ASSERT_NE(area, nullptr);
        QObject::connect(area->upperSeries(), &QXYSeries::pointsReplaced, &chart, [&fills] { ++fills; });
    }
    PaintCount counter;
    chart.view()->viewport()->installEventFilter(&counter);
    for (const bool fromFilm : {false, true, false}) {
        SCOPED_TRACE(fromFilm);
        const QRectF plotBefore = chart.chart()->plotArea();
        fills = 0;
        counter.paints = 0;
        state.fromFilm = fromFilm;
        chart.updateChart(state);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        EXPECT_NE(chart.chart()->plotArea(), plotBefore);
        EXPECT_EQ(fills, 33);
        EXPECT_EQ(counter.paints, 1);
    }
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}
