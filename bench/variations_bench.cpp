// The variations calculator in one run: ComputeVariations on the worked
// example (six texts read, the optics, fourteen texts written) against its
// floor, the six reads and fourteen FixedText calls alone; then the window
// offscreen, BoxDia walked by the Down key through the 33 theoretical
// f-numbers, each step rewriting the fourteen fields and their colour and
// repainting them.
#include "benchsupport.h"
#include "core/application.h"
#include "core/optics.h"
#include "core/numerictext.h"
#include "lists/listkind.h"
#include "variations/variationswindow.h"
#include "variations/variationscompute.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>

using namespace optolune;

namespace {

VariationsInput workedExample()
{
    VariationsInput in;
    in.cText = QStringLiteral("0,100");
    in.fText = QStringLiteral("148,1");
    in.dnText = QStringLiteral("24,8");
    in.gpText = QStringLiteral("1,1");
    in.dText = QStringLiteral("3");
    in.nText = QStringLiteral("8");
    in.decimals = 3;
    return in;
}

void BM_ComputeVariations(benchmark::State &state)
{
    const VariationsInput in = workedExample();
    for (auto _ : state) {
        VariationsResult r = ComputeVariations(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ComputeVariations);

// The floor: what any computation of these fields must do, read the six
// texts and write the fourteen numbers with their precisions and decimals.
// The numbers are the worked example's own, unrounded, from the optics.
struct Floor {
    struct Number {
        long double value;
        int precision, decimals;
    };
    VariationsInput in = workedExample();
    Number numbers[kResultFieldCount];

    Floor()
    {
        const OpticalSetup s{0.0001L, 0.1481L, 0.0248L, 1.1L, 8};
        const SettingDepth d = ComputeSettingDepth(s, 3, true, false);
        DofResult h;
        ComputeDepthAtHyperfocal(s, h);
        const long double hyper = h.hFilm, nearHyper = h.nearFilm;
        ComputeDepthAtInfinity(s, h);
        const long double p = d.far - d.near, a = 3 - d.near, b = d.far - 3;
        const Number all[kResultFieldCount] = {
            {d.near, 10, 3}, {d.far, 10, 3}, {p, 8, 3}, {a, 8, 3}, {b, 8, 3},
            {a / p * 100, 8, 1}, {b / p * 100, 8, 1}, {d.u, 10, 3}, {d.v, 10, 3},
            {d.v / d.u, 8, 3}, {(d.v - s.f) * 1000, 8, 5}, {hyper, 10, 3}, {h.nearFilm, 10, 3},
            {nearHyper, 10, 3}};
        std::copy(std::begin(all), std::end(all), numbers);
    }
    void run() const
    {
        for (const QString *t : {&in.cText, &in.fText, &in.dnText, &in.gpText, &in.dText, &in.nText})
            benchmark::DoNotOptimize(ReadNumber(*t));
        for (const Number &n : numbers) {
            QString text = FixedText(n.value, n.precision, n.decimals);
            benchmark::DoNotOptimize(text);
        }
    }
};

void BM_SixReadsFourteenFixedText(benchmark::State &state)
{
    const Floor floor;
    for (auto _ : state)
        floor.run();
}
BENCHMARK(BM_SixReadsFourteenFixedText);

// The thread's own processor time: a machine shared with other work does
// not count against either side.
double threadNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// The two side by side, in alternating blocks, so that a change of the
// machine's load between two benchmarks does not show as a ratio.
void BM_ComputeVariationsOverFloor(benchmark::State &state)
{
    const Floor floor;
    const VariationsInput in = workedExample();
    constexpr int kBlock = 256;
    double computeNs = 0, floorNs = 0;
    for (auto _ : state) {
        const double start = threadNs();
        for (int i = 0; i < kBlock; ++i) {
            VariationsResult r = ComputeVariations(in);
            benchmark::DoNotOptimize(r);
        }
        const double middle = threadNs();
        for (int i = 0; i < kBlock; ++i)
            floor.run();
        const double end = threadNs();
        computeNs += middle - start;
        floorNs += end - middle;
    }
    const double calls = static_cast<double>(state.iterations()) * kBlock;
    state.counters["compute_ns"] = computeNs / calls;
    state.counters["floor_ns"] = floorNs / calls;
    state.counters["ratio"] = computeNs / floorNs;
}


BENCHMARK(BM_ComputeVariationsOverFloor);

// Counts the paints of the result fields, to show that each step paints them.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void BM_WindowWalkFNumbersByDownKey(benchmark::State &state)
{
    VariationsWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        state.SkipWithError("the window did not show");
    QCoreApplication::processEvents();
    form.findChild<QToolButton *>(QStringLiteral("DiaThBtn"))->click();
    auto *dist = form.findChild<QListWidget *>(QStringLiteral("BoxDist"));
    dist->setFocus();
    QTest::keyClick(dist, Qt::Key_End); // 100 m: the walk crosses "infini"
    QTest::keyClick(dist, Qt::Key_Up);  // 50 m
    auto *dia = form.findChild<QListWidget *>(QStringLiteral("BoxDia"));
    dia->setFocus();
    QTest::keyClick(dia, Qt::Key_Home);
    PaintCounter counter;
    std::vector<QLineEdit *> fields;
    for (const char *name : kResultFieldNames) {
        fields.push_back(form.findChild<QLineEdit *>(QString::fromLatin1(name)));
        fields.back()->installEventFilter(&counter);
    }
    QCoreApplication::processEvents();
    counter.paints = 0;
    int steps = 0;
    for (auto _ : state) {
        // 32 steps down, then Home back to 1,0: 33 f-numbers.
        QTest::keyClick(dia, dia->currentRow() == dia->count() - 1 ? Qt::Key_Home : Qt::Key_Down);
        // What the event loop does next: one paint of the fields (all
        // fourteen here, as when the colour changes; a step repaints only
        // the texts it changed) and of the list, one flush of the window.
        for (QLineEdit *f : fields)
            f->update();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(form.windowHandle(), QEvent::UpdateRequest);
        ++steps;
    }
    state.counters["fNumbers"] = dia->count();
    // Result fields painted per step: fourteen.
    state.counters["paintsPerStep"] = static_cast<double>(counter.paints) / steps;
}
BENCHMARK(BM_WindowWalkFNumbersByDownKey)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("OPTOLUNE_HOME", QFile::encodeName(home.path()));
    optolune::bench::FillProgramFolder(home.path(), QStringLiteral(OPTOLUNE_DATA_DIR));
    return optolune::bench::RunBenchmarks<Application>(argc, argv);
}
