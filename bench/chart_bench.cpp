// The depth-of-field chart: computing its curves alone, and computing them,
// replacing them in the chart window and repainting it offscreen, for 33
// f-numbers (half stops from 1 to 256). Two lists of distances: the default
// list (12 distances, about 210 points a curve) and the largest table's 100
// distances (about 300 points a curve). The target for the whole update is
// one 60 Hz frame, 16 ms.
#include "benchsupport.h"
#include "core/application.h"
#include "chart/chartseries.h"
#include "chart/chartwindow.h"
#include "table/tablestate.h"

#include <QChartView>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace optolune;
using namespace optolune::bench;

namespace {

TableState chartTable(bool largest, bool fromFilm)
{
    TableState s;
    s.fNumbers = LargestFNumbers();
    s.distances = largest ? LargestDistances()
                          : QStringList{"1", "1,5", "2", "3", "5", "7", "10", "15", "20", "30", "50", "100"};
    s.circle = QStringLiteral("0,050");
    s.focal = QStringLiteral("150");
    s.nodal = QStringLiteral("-4,0");
    s.pupil = QStringLiteral("1,100");
    s.decimalsIndex = 2;
    s.fromFilm = fromFilm;
    return s;
}

void BM_ChartSeries(benchmark::State &state)
{
    const TableState table = chartTable(state.range(0) != 0, true);
    size_t points = 0;
    for (auto _ : state) {
        const ChartData chart = ChartSeries(table);
        points = chart.curves.front().points.size();
        benchmark::DoNotOptimize(chart.curves.data());
    }
    state.counters["points_per_curve"] = static_cast<double>(points);
}
BENCHMARK(BM_ChartSeries)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Each iteration switches the origin of the distances, so every curve and
// label changes, as when the user presses the origin button with the chart
// open.
void BM_ChartUpdateAndRepaint(benchmark::State &state)
{
    const bool largest = state.range(0) != 0;
    const TableState film = chartTable(largest, true);
    const TableState lens = chartTable(largest, false);
    ChartWindow window;
    window.show();
    window.updateChart(film);
    QCoreApplication::processEvents();
    bool fromFilm = false;
    for (auto _ : state) {
        window.updateChart(fromFilm ? film : lens);
        fromFilm = !fromFilm;
        // The chart lays itself out and paints as the event loop comes back.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ChartUpdateAndRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return optolune::bench::RunBenchmarks<Application>(argc, argv); }
