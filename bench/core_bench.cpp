// Costs of the two operations every table cell runs: the optics of one cell
// and the formatting of one number.
#include "core/optics.h"
#include "core/numerictext.h"

#include <benchmark/benchmark.h>

using namespace optolune;

static void BM_ComputeCellDepthFromFilm(benchmark::State &state)
{
    const OpticalSetup s{0.05e-3L, 0.080L, -0.004L, 1.1L, 8};
    long double D = 3;
    for (auto _ : state) {
        CellDepth cell = ComputeCellDepthFromFilm(s, D);
        benchmark::DoNotOptimize(cell);
        D = D < 100 ? D + 0.37L : 0.5L;
    }
}
BENCHMARK(BM_ComputeCellDepthFromFilm);

static void BM_FixedText(benchmark::State &state)
{
    long double v = 2.560412345L;
    for (auto _ : state) {
        QString text = FixedText(v, 12, 2);
        benchmark::DoNotOptimize(text);
        v = v < 900 ? v * 1.0137L : 0.03L;
    }
}
BENCHMARK(BM_FixedText);

static void BM_ReadNumber(benchmark::State &state)
{
    const QString text = QStringLiteral("3,62941");
    for (auto _ : state) {
        auto value = ReadNumber(text);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ReadNumber);
