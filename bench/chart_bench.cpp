// The depth-of-field chart: computing its curves alone, and computing them,
// replacing them in the chart window and repainting it offscreen, for 33
// f-numbers (half stops from 1 to 256). Two lists of distances: the default
// list (12 distances, about 210 points a curve) and the largest table's 100
// distances (about 300 points a curve). The target for the whole update is
// one 60 Hz frame, 16 ms, and twice the floor: the same points drawn as plain
// QPainter polylines on a widget of the plot's size, in the same run.
//
// A change is measured until the event loop is idle: every refill the chart
// queues for itself and every paint it takes, which the benchmark reports
// as `paints` per change.
#include "benchsupport.h"
#include "core/application.h"
#include "chart/chartseries.h"
#include "chart/chartwindow.h"
#include "table/tablestate.h"

#include <QChartView>
#include <QCoreApplication>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cmath>

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
BENCHMARK(BM_ChartSeries)->ArgName("largest")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Each iteration switches the origin of the distances, so every curve and
// label changes, as when the user presses the origin button with the chart
// open, and runs the event loop until the chart has settled.
void BM_ChartUpdateAndRepaint(benchmark::State &state)
{
    const bool largest = state.range(0) != 0;
    const TableState film = chartTable(largest, true);
    const TableState lens = chartTable(largest, false);
    ChartWindow window;
    window.show();
    window.updateChart(film);
    EventLoopDrain drain;
    drain.watchPaints(window.view()->viewport());
    if (!drain.runUntilIdle())
        state.SkipWithError("the chart never settled");
    drain.resetPaints();
    bool fromFilm = false;
    for (auto _ : state) {
        window.updateChart(fromFilm ? film : lens);
        fromFilm = !fromFilm;
        if (!drain.runUntilIdle())
            state.SkipWithError("the chart never settled");
    }
    state.counters["paints"] = benchmark::Counter(static_cast<double>(drain.paints()), benchmark::Counter::kAvgIterations);
    size_t points = 0;
    for (const ChartCurve &c : ChartSeries(film).curves)
        points += 2 * c.points.size();
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_ChartUpdateAndRepaint)->ArgName("largest")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The floor: a widget as large as the chart's view drawing every point of
// every band's two edges as polylines, with the edges' pens (two pixels,
// three dash patterns), without antialiasing, as the chart does.
class PolylineFloor : public QWidget {
public:
    std::vector<QPolygonF> lines[2]; // the two origins' edges, in pixels
    std::vector<QPen> pens;
    int shown = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const std::vector<QPolygonF> &edges = lines[shown];
        for (size_t i = 0; i < edges.size(); ++i) {
            painter.setPen(pens[i / 2 % pens.size()]);
            painter.drawPolyline(edges[i]);
        }
    }
};

std::vector<QPolygonF> edgesInPixels(const ChartData &d, const QSizeF &size)
{
    const double xSpan = std::log(static_cast<double>(d.xMax / d.xMin));
    const double ySpan = std::log(static_cast<double>(d.yTop / d.yMin));
    auto pixel = [&](long double x, long double y) {
        return QPointF(size.width() * std::log(static_cast<double>(x / d.xMin)) / xSpan,
                       size.height() * (1 - std::log(static_cast<double>(y / d.yMin)) / ySpan));
    };
    std::vector<QPolygonF> edges;
    for (const ChartCurve &c : d.curves) {
        QPolygonF upper, lower;
        for (const ChartPoint &p : c.points) {
            upper << pixel(p.distance, ChartFar(d, p));
            lower << pixel(p.distance, p.near);
        }
        edges.push_back(upper);
        edges.push_back(lower);
    }
    return edges;
}

void BM_PolylineFloor(benchmark::State &state)
{
    const bool largest = state.range(0) != 0;
    // The size of the chart's view in its window as it opens, and its pens.
    QSize size;
    std::vector<QPen> pens;
    {
        ChartWindow window;
        window.show();
        window.updateChart(chartTable(largest, true));
        EventLoopDrain settle;
        settle.runUntilIdle();
        size = window.view()->viewport()->size();
        for (size_t i = 0; i < window.chartData().curves.size(); ++i)
            pens.push_back(window.curvePen(static_cast<int>(i)));
    }
    PolylineFloor floor;
    floor.resize(size);
    const ChartData film = ChartSeries(chartTable(largest, true));
    const ChartData lens = ChartSeries(chartTable(largest, false));
    floor.lines[0] = edgesInPixels(film, size);
    floor.lines[1] = edgesInPixels(lens, size);
    floor.pens = pens;
    floor.show();
    EventLoopDrain drain;
    drain.watchPaints(&floor);
    drain.runUntilIdle();
    drain.resetPaints();
    for (auto _ : state) {
        floor.shown = 1 - floor.shown;
        floor.update();
        if (!drain.runUntilIdle())
            state.SkipWithError("the floor never settled");
    }
    state.counters["paints"] = benchmark::Counter(static_cast<double>(drain.paints()), benchmark::Counter::kAvgIterations);
    size_t points = 0;
    for (const QPolygonF &edge : floor.lines[0])
        points += static_cast<size_t>(edge.size());
    state.counters["points"] = static_cast<double>(points);
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
}
BENCHMARK(BM_PolylineFloor)->ArgName("largest")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return optolune::bench::RunBenchmarks<Application>(argc, argv); }
