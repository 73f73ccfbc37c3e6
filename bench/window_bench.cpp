// The table window driven offscreen: one refresh of the largest table (100
// distances by 33 f-numbers, every display option on) including the grid's
// update and repaint, beside the model-only refresh of the same table; and the
// program's start to its shown main window against an empty Qt Widgets window
// started the same way.
#include "benchsupport.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "core/application.h"
#include "lists/listeditoropener.h"
#include "tablewindow/tablewindow.h"
#include "table/tablecompute.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QFile>
#include <QLabel>
#include <QVBoxLayout>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <benchmark/benchmark.h>

using namespace optolune;
using namespace optolune::bench;

namespace {

QString g_program;  // this executable, started again for the start-up figures

// The table window showing the largest table: its lists answered by the
// list editor as a user's Ok would, its parameters those of
// LargestTableState, every line and row on.
void showLargestTable(TableWindow &form, bool horizontal)
{
    const TableState largest = LargestTableState(horizontal);
    form.resize(1200, 800);
    form.show();
    QCoreApplication::processEvents();
    QStringList answer;
    setListEditorOpener([&](const ListEditorRequest &r) {
        r.receiver->replaceList(r.kind, answer);
        return true;
    });
    answer = largest.fNumbers;
    form.findChild<QToolButton *>(QStringLiteral("DiaBtn"))->click();
    answer = largest.distances;
    form.findChild<QToolButton *>(QStringLiteral("DistBtn"))->click();
    setListEditorOpener({});
    const std::pair<const char *, QString> fields[] = {{"EdCercle", largest.circle},
                                                       {"EdFocale", largest.focal},
                                                       {"EdNod", largest.nodal},
                                                       {"EdGP", largest.pupil}};
    for (const auto &[name, text] : fields)
        form.findChild<QLineEdit *>(QString::fromLatin1(name))->setText(text);
    form.findChild<QComboBox *>(QStringLiteral("ComboNbDecim"))->setCurrentIndex(largest.decimalsIndex);
    for (const char *name : {"p", "ab", "H", "MGrandiss"})
        form.findChild<QAction *>(QString::fromLatin1(name))->trigger();
    if (horizontal)
        form.findChild<QToolButton *>(QStringLiteral("DhBtn"))->click();
    form.findChild<QToolButton *>(QStringLiteral("CalcBtn"))->click();
}

// One press of "Actualiser" until the window has settled: the table
// recomputed, the grid told, laid out and repainted, every posted update
// done. `paints` counts the grid's paints per refresh.
void BM_WindowRefreshLargestTable(benchmark::State &state)
{
    const bool horizontal = state.range(0) != 0;
    TableWindow form;
    showLargestTable(form, horizontal);
    auto *calc = form.findChild<QToolButton *>(QStringLiteral("CalcBtn"));
    auto *grid = form.findChild<QTableView *>(QStringLiteral("AdvStringGrid1"));
    EventLoopDrain drain;
    drain.watchPaints(grid->viewport());
    if (!drain.runUntilIdle())
        state.SkipWithError("the window never settled");
    drain.resetPaints();
    for (auto _ : state) {
        calc->click();
        if (!drain.runUntilIdle())
            state.SkipWithError("the window never settled");
    }
    state.counters["paints"] = benchmark::Counter(static_cast<double>(drain.paints()), benchmark::Counter::kAvgIterations);
    state.counters["cells"] = form.table().colCount() * form.table().rowCount();
}
BENCHMARK(BM_WindowRefreshLargestTable)->ArgName("horizontal")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The model's refresh alone, of the very table the window shows.
void BM_ModelRefreshLargestTable(benchmark::State &state)
{
    TableState s;
    int windowCells = 0;
    {
        TableWindow form;
        showLargestTable(form, state.range(0) != 0);
        s = form.state();
        windowCells = form.table().colCount() * form.table().rowCount();
    }
    TableModel model;
    for (auto _ : state)
        benchmark::DoNotOptimize(RefreshTable(s, model));
    if (model.colCount() * model.rowCount() != windowCells)
        state.SkipWithError("not the window's table");
    state.counters["cells"] = model.colCount() * model.rowCount();
}
BENCHMARK(BM_ModelRefreshLargestTable)->ArgName("horizontal")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Wall time from starting a process to its window shown and the process
// ended right after.
void startChild(benchmark::State &state, const QString &mode)
{
    QTemporaryDir home;
    FillProgramFolder(home.path(), QStringLiteral(OPTOLUNE_DATA_DIR));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("OPTOLUNE_HOME"), home.path());
    for (auto _ : state) {
        QProcess child;
        child.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        child.start(g_program, {mode});
        child.waitForFinished(30000);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        if (child.exitCode() != 0)
            state.SkipWithError("the child failed");
    }
}

void BM_StartOptolune(benchmark::State &state) { startChild(state, QStringLiteral("--child-optolune")); }
void BM_StartEmptyWindow(benchmark::State &state) { startChild(state, QStringLiteral("--child-empty")); }
// The same with one line of text: any window with text pays for the font
// database, which the empty window never loads.
void BM_StartTextWindow(benchmark::State &state) { startChild(state, QStringLiteral("--child-text")); }
BENCHMARK(BM_StartOptolune)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_StartEmptyWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_StartTextWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

// The two starts side by side, alternating, so that the load of a shared
// machine falls on both alike: wall time of each start and their ratio.
void BM_StartOptoluneOverTextWindow(benchmark::State &state)
{
    QTemporaryDir home;
    FillProgramFolder(home.path(), QStringLiteral(OPTOLUNE_DATA_DIR));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("OPTOLUNE_HOME"), home.path());
    auto start = [&](const QString &mode) {
        QProcess child;
        child.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        child.start(g_program, {mode});
        child.waitForFinished(30000);
        if (child.exitCode() != 0)
            state.SkipWithError("the child failed");
        return static_cast<double>(clock.nsecsElapsed()) / 1e6;
    };
    double optolune = 0, text = 0;
    for (auto _ : state) {
        optolune += start(QStringLiteral("--child-optolune"));
        text += start(QStringLiteral("--child-text"));
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["optolune_ms"] = optolune / n;
    state.counters["text_window_ms"] = text / n;
    state.counters["ratio"] = optolune / text;
}
BENCHMARK(BM_StartOptoluneOverTextWindow)->Unit(benchmark::kMillisecond)->Iterations(30);

// Ends the event loop once the window is shown and its activation has run.
void quitWhenShown()
{
    QTimer::singleShot(0, qApp, [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child-optolune") {
        return runOptolune(argc, argv, [](MainWindow &) { quitWhenShown(); });
    }
    if (argc > 1 && (QByteArray(argv[1]) == "--child-empty" || QByteArray(argv[1]) == "--child-text")) {
        QApplication app(argc, argv);
        QWidget window;
        if (QByteArray(argv[1]) == "--child-text")
            (new QVBoxLayout(&window))->addWidget(new QLabel(QStringLiteral("Optolune")));
        window.showMaximized();
        quitWhenShown();
        return QApplication::exec();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("OPTOLUNE_HOME", QFile::encodeName(home.path()));
    FillProgramFolder(home.path(), QStringLiteral(OPTOLUNE_DATA_DIR));
    Application app(argc, argv);
    g_program = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
