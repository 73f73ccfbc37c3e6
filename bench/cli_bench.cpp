// optolune-cli as a whole process: the largest table (100 distances by 33
// f-numbers, every display option on) against `optolune-cli --help`, and the
// in-process refresh of the same table. The target: the table's process
// within 1,5 times the help's process plus the refresh, so that starting the
// process does not dominate.
#include "benchsupport.h"
#include "table/tablecompute.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QCoreApplication>
#include <QProcess>
#include <benchmark/benchmark.h>

using namespace optolune;
using namespace optolune::bench;

namespace {

void runCli(benchmark::State &state, const QStringList &args)
{
    for (auto _ : state) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral(OPTOLUNE_CLI_PATH), args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            state.SkipWithError("optolune-cli failed");
            return;
        }
    }
}

void BM_CliHelpProcess(benchmark::State &state) { runCli(state, {QStringLiteral("--help")}); }
BENCHMARK(BM_CliHelpProcess)->Unit(benchmark::kMillisecond);

void BM_CliLargestTableProcess(benchmark::State &state)
{
    runCli(state, {"table", "--f-numbers", LargestFNumbers().join(u' '), "--distances", LargestDistances().join(u' '),
                   "--horizontal", "-p", "-ab", "-H", "-GT", "--decimals", "2", "--focal", "150",
                   "--csv"});
}
BENCHMARK(BM_CliLargestTableProcess)->Unit(benchmark::kMillisecond);

void BM_RefreshLargestTableInProcess(benchmark::State &state)
{
    TableState s;
    s.fNumbers = LargestFNumbers();
    s.distances = LargestDistances();
    s.focal = QStringLiteral("150");
    s.horizontal = true;
    s.showP = s.showAB = s.showH = s.showGT = true;
    s.decimalsIndex = 2;
    TableModel model;
    for (auto _ : state)
        benchmark::DoNotOptimize(RefreshTable(s, model));
}
BENCHMARK(BM_RefreshLargestTableInProcess)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
