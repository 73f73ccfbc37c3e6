// Cost of refreshing the largest depth-of-field table (100 distances by 33
// f-numbers, every display option on) against the floor of the work: writing
// the same numbers, one by one, with FixedText.
#include "benchsupport.h"
#include "core/numerictext.h"
#include "table/tablecompute.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <benchmark/benchmark.h>
#include <utility>
#include <vector>

using namespace optolune;
using namespace optolune::bench;

namespace {

// Every number a refresh of the table writes, with its decimals, read back
// from the cells: the baseline formats exactly these.
std::vector<std::pair<long double, int>> numbersOf(const TableModel &model)
{
    std::vector<std::pair<long double, int>> numbers;
    for (int r = 1; r < model.rowCount(); ++r) {
        for (int c = 1; c < model.colCount(); ++c) {
            for (QString line : model.cellLines(c, r)) {
                if (line.size() > 2 && line[1] == u'=')
                    line.remove(0, 2);
                const auto value = ReadNumber(line);
                if (!value)
                    continue;
                const qsizetype comma = line.indexOf(u',');
                numbers.emplace_back(*value, comma < 0 ? 0 : int(line.size() - comma - 1));
            }
        }
    }
    return numbers;
}

void BM_RefreshLargestTable(benchmark::State &state)
{
    TableState table = LargestTableState(state.range(0) != 0);
    TableModel model;
    for (auto _ : state) {
        RefreshTable(table, model);
        benchmark::DoNotOptimize(model);
    }
    state.counters["cells"] = model.colCount() * model.rowCount();
    state.counters["numbers"] = static_cast<double>(numbersOf(model).size());
}
BENCHMARK(BM_RefreshLargestTable)->ArgName("horizontal")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same refresh with diffraction counted, against the same table without
// it in the same run: each cell then works out its own circle c'. With
// c = 0,05 mm the Airy disc leaves nothing sharp beyond about f/37, and
// those cells hold one word; with c = 0,4 mm nearly every cell is computed.
void BM_RefreshWithDiffraction(benchmark::State &state)
{
    TableState table = LargestTableState(false);
    table.diffraction = state.range(0) != 0;
    table.circle = state.range(1) != 0 ? QStringLiteral("0,400") : QStringLiteral("0,050");
    TableModel model;
    for (auto _ : state) {
        RefreshTable(table, model);
        benchmark::DoNotOptimize(model);
    }
    int nothingSharp = 0;
    for (int r = 1; r < model.rowCount(); ++r)
        for (int c = 1; c < model.colCount(); ++c)
            nothingSharp += model.cell(c, r) == u"diffraction";
    state.counters["nothingSharp"] = nothingSharp;
}
BENCHMARK(BM_RefreshWithDiffraction)
    ->ArgNames({"diffraction", "largeCircle"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

void BM_FixedTextBaseline(benchmark::State &state)
{
    TableState table = LargestTableState(false);
    TableModel model;
    RefreshTable(table, model);
    const auto numbers = numbersOf(model);
    for (auto _ : state) {
        for (const auto &[value, decimals] : numbers) {
            QString text = FixedText(value, 8, decimals);
            benchmark::DoNotOptimize(text);
        }
    }
    state.counters["numbers"] = static_cast<double>(numbers.size());
}
BENCHMARK(BM_FixedTextBaseline)->Unit(benchmark::kMillisecond);

} // namespace
