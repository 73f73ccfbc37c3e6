// The calculators added beside the table, each answering the change of one
// field as its window does: the fields read, the result computed and every
// text the window then writes formatted. Each beside its floor in the same
// run, in alternating blocks of thread CPU time: the same fields read with
// ReadNumber and the same count of numbers written with FixedText, the work
// no computation of these results can skip. The target for each is 1 ms.
//
// - variations with diffraction: ComputeVariations with the Airy disc
//   counted, against the fourteen fields' floor;
// - focus spread: three rail readings to the rail reading, N, the distance,
//   the sharpest f-number and its blur, the setting's distance and the line
//   on sharpness (FocusSpreadDialog::compute);
// - focus stacking plan: the fields to the plan and its table of frames;
// - tilt: the fields to the tilt, hinge, film, plane, wedge and heights.
#include "core/diffraction.h"
#include "core/diffractiontext.h"
#include "core/numerictext.h"
#include "table/tablemodel.h"
#include "tilt/tiltfields.h"
#include "variations/focusspread.h"
#include "variations/focusstack.h"
#include "variations/variationscompute.h"
#include "variations/variationsfields.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <functional>

using namespace optolune;

namespace {

double threadNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// Texts read and numbers written: the floor of an answer.
struct Floor {
    QStringList reads;
    int writes = 0;
    void run() const
    {
        for (const QString &t : reads)
            benchmark::DoNotOptimize(ReadNumber(t));
        for (int i = 0; i < writes; ++i) {
            QString text = FixedText(1234.5678L + i, 10, 2);
            benchmark::DoNotOptimize(text);
        }
    }
};

// The answer and its floor side by side, in alternating blocks, so that a
// change of the machine's load does not show as a ratio.
void overFloor(benchmark::State &state, const std::function<void()> &answer, const Floor &floor)
{
    constexpr int kBlock = 64;
    double answerNs = 0, floorNs = 0;
    for (auto _ : state) {
        const double start = threadNs();
        for (int i = 0; i < kBlock; ++i)
            answer();
        const double middle = threadNs();
        for (int i = 0; i < kBlock; ++i)
            floor.run();
        const double end = threadNs();
        answerNs += middle - start;
        floorNs += end - middle;
    }
    const double calls = static_cast<double>(state.iterations()) * kBlock;
    state.counters["answer_us"] = answerNs / calls / 1e3;
    state.counters["floor_us"] = floorNs / calls / 1e3;
    state.counters["ratio"] = answerNs / floorNs;
}

void BM_VariationsWithDiffraction(benchmark::State &state)
{
    VariationsInput in;
    in.cText = QStringLiteral("0,100");
    in.fText = QStringLiteral("148,1");
    in.dnText = QStringLiteral("24,8");
    in.gpText = QStringLiteral("1,1");
    in.dText = QStringLiteral("3");
    in.nText = QStringLiteral("45");
    in.decimals = 3;
    in.diffraction = true;
    const Floor floor{{in.cText, in.fText, in.dnText, in.gpText, in.dText, in.nText}, kResultFieldCount};
    overFloor(state, [&] {
        VariationsResult r = ComputeVariations(in);
        QString status = DiffractionStatusText(r, kWavelengthDefaultUm);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(status);
    }, floor);
}
BENCHMARK(BM_VariationsWithDiffraction)->Unit(benchmark::kMicrosecond);

void BM_FocusSpread(benchmark::State &state)
{
    FocusSpreadInput in;
    in.infinityReading = QStringLiteral("100");
    in.nearReading = QStringLiteral("112,5");
    in.farReading = QStringLiteral("104,2");
    in.cMm = 0.1L;
    in.fMm = 150;
    in.gp = 1;
    in.dnMm = 0;
    for (int k = 0; k <= 32; ++k)
        in.fNumbers << FixedText(std::pow(2.0L, k / 4.0L), 5, 1);
    VariationsInput window;
    window.cText = QStringLiteral("0,100");
    window.fText = QStringLiteral("150");
    window.dnText = QStringLiteral("0");
    window.gpText = QStringLiteral("1");
    window.dText = QStringLiteral("3");
    window.nText = QStringLiteral("22");
    window.decimals = 2;
    if (!ComputeFocusSpread(in).ok())
        state.SkipWithError("the spread gives no setting");
    // Three readings; rail, N, distance, optimum, its blur, the needed
    // blur and the setting's distance written.
    const Floor floor{{in.infinityReading, in.nearReading, in.farReading}, 7};
    overFloor(state, [&] {
        const FocusSpreadResult r = ComputeFocusSpread(in);
        QString texts[5] = {FixedText(r.railReadingMm, 12, 2), FixedText(r.N, 5, 2),
                            FixedText(r.distance, 12, DistanceDecimals(window.decimals))};
        const SpreadSharpness sharp = SharpnessOfSpread(r, in, kWavelengthDefaultUm, BlurModel::RootSumSquare);
        texts[3] = FixedText(sharp.optimum.N, 5, 2) + FixedText(sharp.optimum.blurMm, 5, 4);
        texts[4] = SpreadSharpnessText(sharp, in.cMm) + FixedText(sharp.neededBlurMm, 5, 4);
        const FocusSpreadSetting setting = SettingOfFocusSpread(r, window);
        benchmark::DoNotOptimize(texts);
        benchmark::DoNotOptimize(setting);
    }, floor);
}
BENCHMARK(BM_FocusSpread)->Unit(benchmark::kMicrosecond);

void BM_FocusStackPlan(benchmark::State &state)
{
    StackFields f;
    f.circle = QStringLiteral("0,050");
    f.focal = QStringLiteral("150");
    f.nodal = QStringLiteral("0");
    f.gp = QStringLiteral("1");
    f.fNumber = QStringLiteral("11");
    f.overlap = QStringLiteral("0,8");
    f.fromReadings = false;
    f.nearDistance = QStringLiteral("1");
    f.farDistance = QStringLiteral("inf");
    f.diffraction = true;
    const StackFieldsReading reading = ReadStackFields(f);
    if (!reading.input)
        state.SkipWithError("the fields do not read");
    const StackPlan plan = PlanFocusStack(*reading.input);
    if (plan.status != StackStatus::Ok)
        state.SkipWithError("no plan");
    // Six fields and two distances read; four numbers a frame written.
    const Floor floor{{f.circle, f.focal, f.nodal, f.gp, f.fNumber, f.overlap, f.nearDistance, f.farDistance},
                      static_cast<int>(plan.frames.size()) * 4};
    overFloor(state, [&] {
        const StackFieldsReading r = ReadStackFields(f);
        const StackPlan p = PlanFocusStack(*r.input);
        const TableModel table = StackPlanTable(p, 2);
        benchmark::DoNotOptimize(table);
    }, floor);
    state.counters["frames"] = static_cast<double>(plan.frames.size());
}
BENCHMARK(BM_FocusStackPlan)->Unit(benchmark::kMicrosecond);

void BM_Tilt(benchmark::State &state)
{
    TiltFields f;
    f.focal = QStringLiteral("150");
    f.fNumber = QStringLiteral("16");
    f.circle = QStringLiteral("0,100");
    f.tiltFrom = TiltInputs::TiltFrom::Readings;
    f.railNear = QStringLiteral("12,4");
    f.railFar = QStringLiteral("10,1");
    f.separation = QStringLiteral("80");
    f.filmFrom = TiltFields::FilmFrom::Readings;
    f.railInfinity = QStringLiteral("100");
    f.railSet = QStringLiteral("105");
    f.at = QStringLiteral("5");
    const TiltFieldsReading reading = ReadTiltFields(f);
    if (!reading.inputs || ComputeTilt(*reading.inputs).status != TiltStatus::Ok)
        state.SkipWithError("no tilt");
    // Nine fields read; tilt, hinge, film, plane, the wedge's two planes
    // and three heights written.
    const Floor floor{{f.focal, f.fNumber, f.circle, f.railNear, f.railFar, f.separation, f.railInfinity,
                       f.railSet, f.at},
                      9};
    overFloor(state, [&] {
        const TiltFieldsReading r = ReadTiltFields(f);
        const TiltOutcome o = ComputeTilt(*r.inputs);
        const TiltResult &t = o.result;
        QString texts[9] = {FixedText(t.tiltDeg, 15, 2), FixedText(t.hingeM, 15, 3), FixedText(t.filmMm, 15, 2),
                            FixedText(t.planeDeg, 15, 2), FixedText(t.nearDeg.value_or(0), 15, 2),
                            FixedText(t.farDeg.value_or(0), 15, 2), FixedText(t.planeHeightM.value_or(0), 15, 3),
                            FixedText(t.nearHeightM.value_or(0), 15, 3), FixedText(t.farHeightM.value_or(0), 15, 3)};
        benchmark::DoNotOptimize(texts);
    }, floor);
}
BENCHMARK(BM_Tilt)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
