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

#include <QElapsedTimer>
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

void BM_WindowRefreshLargestTable(benchmark::State &state)
{
    const bool horizontal = state.range(0) != 0;
    TableWindow form;
    form.resize(1200, 800);
    form.show();
    QCoreApplication::processEvents();
    // The list editor answers with the largest lists, as a user's Ok would.
    QStringList answer;
    setListEditorOpener([&](const ListEditorRequest &r) {
        r.receiver->replaceList(r.kind, answer);
        return true;
    });
    answer = LargestFNumbers();
    form.findChild<QToolButton *>(QStringLiteral("DiaBtn"))->click();
    answer = LargestDistances();
    form.findChild<QToolButton *>(QStringLiteral("DistBtn"))->click();
    setListEditorOpener({});
    for (const char *name : {"p", "ab", "H", "MGrandiss"})
        form.findChild<QAction *>(QString::fromLatin1(name))->trigger();
    if (horizontal)
        form.findChild<QToolButton *>(QStringLiteral("DhBtn"))->click();
    auto *calc = form.findChild<QToolButton *>(QStringLiteral("CalcBtn"));
    auto *grid = form.findChild<QTableView *>(QStringLiteral("AdvStringGrid1"));
    for (auto _ : state) {
        calc->click();
        grid->viewport()->repaint(); // the visible cells drawn now, not later
    }
    state.counters["cells"] = form.table().colCount() * form.table().rowCount();
}
BENCHMARK(BM_WindowRefreshLargestTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ModelRefreshLargestTable(benchmark::State &state)
{
    TableState s;
    s.fNumbers = LargestFNumbers();
    s.distances = LargestDistances();
    s.showP = s.showAB = s.showH = s.showGT = true;
    s.horizontal = state.range(0) != 0;
    TableModel model;
    for (auto _ : state)
        benchmark::DoNotOptimize(RefreshTable(s, model));
}
BENCHMARK(BM_ModelRefreshLargestTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
