// Printing the largest table (100 distances by 33 f-numbers, every display
// option on, both ways round) whole to a PDF writer in memory at 8 and 12
// points: the layout alone, the layout and every page painted, and the floor
// of that work: the same text lines drawn with drawText at places computed
// beforehand, on the same device.
#include "benchsupport.h"
#include "table/tablecompute.h"
#include "table/tablemodel.h"
#include "print/tableprint.h"
#include "table/tablestate.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

using namespace optolune;
using namespace optolune::bench;

namespace {

TableModel largestTable(bool horizontal)
{
    TableState state = LargestTableState(horizontal);
    TableModel model;
    RefreshTable(state, model);
    return model;
}

const QStringList Titles{
    QStringLiteral("Super Symmar 5,6/150       format 4x5       distances PF"),
    QStringLiteral("f= 150mm       c= 0,050 mm       dn= -4,0mm       gp= 1,100"),
    QStringLiteral("Optolune       Version 1.0.0.0"), QString()};

// The writer every print of the bench goes to: A4 portrait, 10 mm margins,
// into memory.
struct Sheet {
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    Sheet()
    {
        buffer.open(QIODevice::WriteOnly);
        writer = std::make_unique<QPdfWriter>(&buffer);
        writer->setPageSize(QPageSize(QPageSize::A4));
        SetUpTablePage(*writer, false);
    }
};

// One text line as the painter draws it.
struct Placed {
    QPointF at;
    QString text;
    int font; // index in Recorder::fonts
};

// Keeps the places of the texts a painter draws, page by page.
class Recorder : public QPaintEngine {
public:
    Recorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        int index = 0;
        while (index < int(fonts.size()) && !(fonts[size_t(index)] == item.font()))
            ++index;
        if (index == int(fonts.size()))
            fonts.push_back(item.font());
        page.push_back({p, item.text(), index});
    }
    void drawLines(const QLineF *, int) override {}
    void drawRects(const QRectF *, int) override {}
    Type type() const override { return QPaintEngine::User; }

    std::vector<QFont> fonts;
    std::vector<Placed> page;
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(const QPaintDevice &like) : m_like(like) {}
    QPaintEngine *paintEngine() const override { return &engine; }
    mutable Recorder engine;

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return m_like.width();
        case PdmHeight: return m_like.height();
        case PdmWidthMM: return m_like.widthMM();
        case PdmHeightMM: return m_like.heightMM();
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX: return m_like.logicalDpiX();
        case PdmDpiY: return m_like.logicalDpiY();
        case PdmPhysicalDpiX: return m_like.physicalDpiX();
        case PdmPhysicalDpiY: return m_like.physicalDpiY();
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    const QPaintDevice &m_like;
};

void setUp(benchmark::State &state, TableModel &model, int &points)
{
    model = largestTable(state.range(0) != 0);
    points = int(state.range(1));
}

void BM_LayoutOnly(benchmark::State &state)
{
    TableModel model;
    int points = 0;
    setUp(state, model, points);
    Sheet sheet;
    size_t pages = 0;
    for (auto _ : state) {
        const TablePrintLayout layout =
            LayoutTablePages(model, Titles, points, PrintableArea(*sheet.writer), sheet.writer.get());
        pages = layout.pages.size();
        benchmark::DoNotOptimize(layout);
    }
    state.counters["pages"] = double(pages);
}

void BM_PrintWhole(benchmark::State &state)
{
    TableModel model;
    int points = 0;
    setUp(state, model, points);
    size_t pages = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        Sheet sheet;
        QPainter painter(sheet.writer.get());
        const TablePrintLayout layout =
            LayoutTablePages(model, Titles, points, PrintableArea(*sheet.writer), sheet.writer.get());
        pages = size_t(PaintTablePages(painter, *sheet.writer, layout, model));
        painter.end();
        bytes = sheet.buffer.size();
    }
    state.counters["pages"] = double(pages);
    state.counters["pdf_kB"] = double(bytes) / 1024;
}

void BM_DrawTextFloor(benchmark::State &state)
{
    TableModel model;
    int points = 0;
    setUp(state, model, points);
    // The places of every line on every page, found once.
    std::vector<std::vector<Placed>> pages;
    std::vector<QFont> fonts;
    {
        Sheet sheet;
        const TablePrintLayout layout =
            LayoutTablePages(model, Titles, points, PrintableArea(*sheet.writer), sheet.writer.get());
        RecordingDevice recording(*sheet.writer);
        for (size_t i = 0; i < layout.pages.size(); ++i) {
            recording.engine.page.clear();
            QPainter painter(&recording);
            PaintTablePage(painter, layout, model, int(i));
            painter.end();
            pages.push_back(recording.engine.page);
        }
        fonts = recording.engine.fonts;
    }
    size_t lines = 0;
    for (const auto &page : pages)
        lines += page.size();
    for (auto _ : state) {
        Sheet sheet;
        QPainter painter(sheet.writer.get());
        int current = -1;
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0)
                sheet.writer->newPage();
            for (const Placed &p : pages[i]) {
                if (p.font != current) {
                    painter.setFont(fonts[size_t(p.font)]);
                    current = p.font;
                }
                painter.drawText(p.at, p.text);
            }
        }
        painter.end();
    }
    state.counters["pages"] = double(pages.size());
    state.counters["lines"] = double(lines);
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"horizontal", "pt"});
    for (int horizontal : {0, 1})
        for (int points : {8, 12})
            b->Args({horizontal, points});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_LayoutOnly)->Apply(sizes);
BENCHMARK(BM_PrintWhole)->Apply(sizes);
BENCHMARK(BM_DrawTextFloor)->Apply(sizes);

} // namespace

int main(int argc, char **argv) { return optolune::bench::RunBenchmarks<QGuiApplication>(argc, argv); }
