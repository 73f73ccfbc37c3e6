// Reading and writing the largest format grid (1000 rows) against the floor
// of the work: the same file read whole, decoded and split into lines; the
// same lines joined and written whole.
#include "circle/formatgrid.h"
#include "core/textfile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace optolune;

namespace {

FormatGrid largestGrid()
{
    FormatGrid grid;
    grid.resize(kGridMaxRows);
    SetGridHeaders(grid);
    for (int r = 1; r < kGridMaxRows; ++r)
        grid.setRow(r, {"6x6 cm", "30x40", "42x56", "30x40", "50",
                                             "50", "7,1", "0,056", "41,4",
                                             QStringLiteral("tirage n° %1").arg(r)});
    return grid;
}

struct Files {
    QTemporaryDir dir;
    QString grid = dir.filePath(QStringLiteral("cbxcgr7.stf"));
    QString floor = dir.filePath(QStringLiteral("floor.stf"));
    Files() { WriteGridFile(largestGrid(), grid); }
};

Files &files()
{
    static Files f;
    return f;
}

void BM_ReadGridFile(benchmark::State &state)
{
    const QString path = files().grid;
    for (auto _ : state) {
        std::optional<FormatGrid> grid = ReadGridFile(path);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_ReadGridFile)->Unit(benchmark::kMicrosecond);

void BM_ReadFloor(benchmark::State &state)
{
    const QString path = files().grid;
    for (auto _ : state) {
        QByteArray bytes;
        readWhole(path, bytes);
        QStringList lines = splitLines(decode1252(bytes));
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReadFloor)->Unit(benchmark::kMicrosecond);

void BM_WriteGridFile(benchmark::State &state)
{
    const FormatGrid grid = largestGrid();
    const QString path = files().grid;
    for (auto _ : state)
        WriteGridFile(grid, path);
}
BENCHMARK(BM_WriteGridFile)->Unit(benchmark::kMicrosecond);

void BM_WriteFloor(benchmark::State &state)
{
    const QStringList lines = GridFileLines(largestGrid());
    const QString path = files().floor;
    for (auto _ : state)
        writeWhole(path, joinLines(lines));
}
BENCHMARK(BM_WriteFloor)->Unit(benchmark::kMicrosecond);

} // namespace
