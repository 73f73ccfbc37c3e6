#include "chartseries.h"

#include "table/cellpresentation.h"
#include "core/optics.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "table/tableinputs.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace optolune {

namespace {

constexpr int kPrecision = 8;

// Room around the drawn points, as factors on the logarithmic axes, so that
// no dot sits on an edge.
constexpr long double kXMargin = 1.15L;
constexpr long double kYMargin = 1.25L;
// Far limits more than this many times the largest distance leave the chart
// by its top edge: near the hyperfocal distance they grow without end.
constexpr long double kFarCap = 10;
// The "inf" line stands this factor above the top of the scale of metres.
constexpr long double kInfinityGap = 1.5L;
// At most this many names of distances left out, in the title.
constexpr int kMissingNamesShown = 5;

bool positiveFinite(long double v) { return std::isfinite(v) && v > 0; }

// The smallest value 1, 2 or 5 times a power of ten at or above v.
long double niceAbove(long double v)
{
    const long double decade = std::pow(10.0L, std::floor(std::log10(v)));
    for (const long double m : {1.0L, 2.0L, 5.0L, 10.0L})
        if (m * decade >= v * (1 - 1e-12L))
            return m * decade;
    return 10 * decade;
}

// The distances of the curves: the table's own, then `count` log-spaced from
// the smallest to the largest, sorted; a sample that falls on a table
// distance gives way to it.
struct Sample {
    long double distance;
    int tableIndex; // -1 for an intermediate point
};

std::vector<Sample> samples(const std::vector<long double> &distances, int count)
{
    std::vector<Sample> out;
    long double lo = 0, hi = 0;
    for (size_t i = 0; i < distances.size(); ++i) {
        const long double d = distances[i];
        if (!positiveFinite(d))
            continue;
        out.push_back({d, static_cast<int>(i)});
        lo = lo == 0 ? d : std::min(lo, d);
        hi = std::max(hi, d);
    }
    if (count > 1 && lo > 0 && hi > lo) {
        const long double step = std::log(hi / lo) / (count - 1);
        for (int i = 0; i < count; ++i)
            out.push_back({lo * std::exp(step * i), -1});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Sample &a, const Sample &b) { return a.distance < b.distance; });
    // Drop repeated distances, keeping a table distance over a sample.
    std::vector<Sample> unique;
    for (const Sample &s : out) {
        if (!unique.empty() && std::fabs(s.distance - unique.back().distance) <=
                                   unique.back().distance * 1e-9L) {
            if (unique.back().tableIndex < 0)
                unique.back() = s;
            continue;
        }
        unique.push_back(s);
    }
    return unique;
}

QString missingDistances(const QStringList &texts)
{
    QStringList shown = texts.mid(0, kMissingNamesShown);
    QString list = shown.join(QStringLiteral(" ; "));
    if (texts.size() > kMissingNamesShown)
        list += QStringLiteral(" ; ...");
    return QCoreApplication::translate("ChartSeries", "mise au point impossible à %1 m").arg(list);
}

} // namespace

ChartData ChartSeries(const TableState &state, int intermediatePoints)
{
    ChartData chart;
    chart.fromFilm = state.fromFilm;
    chart.decimals = std::clamp(state.decimalsIndex, 0, 8);
    if (state.distances.isEmpty()) {
        chart.missing = QCoreApplication::translate("ChartSeries", "aucune distance");
        return chart;
    }
    if (state.fNumbers.isEmpty()) {
        chart.missing = QCoreApplication::translate("ChartSeries", "aucun diaphragme");
        return chart;
    }
    const InputsResult read = ReadTableInputs(state);
    if (!read.inputs) {
        chart.missing = read.fault;
        return chart;
    }
    const TableInputs &in = *read.inputs;
    chart.bound = in.bound;
    chart.decimals = in.decimals;
    chart.distanceTexts = state.distances.mid(0, static_cast<qsizetype>(in.distances.size()));
    const long double limit = ComputeFNumberLimit(in.circleMm, in.focalMm);

    const std::vector<Sample> distances = samples(in.distances, intermediatePoints);
    std::vector<bool> tableDistanceLeftOut(in.distances.size(), false);
    for (size_t i = 0; i < in.distances.size(); ++i)
        tableDistanceLeftOut[i] = !positiveFinite(in.distances[i]);

    long double lo = 0, hi = 0, nearMin = 0, farMax = 0;
    // The cells of each distance, computed once for every f-number.
    std::vector<FocusCells> cellsAt;
    cellsAt.reserve(distances.size());
    for (const Sample &s : distances)
        cellsAt.emplace_back(in, s.distance);
    chart.curves.reserve(in.fNumbers.size());
    for (size_t k = 0; k < in.fNumbers.size(); ++k) {
        ChartCurve curve;
        curve.fNumberText = state.fNumbers[static_cast<qsizetype>(k)];
        curve.fNumber = in.fNumbers[k];
        curve.beyondLimit = curve.fNumber > limit;
        // With diffraction a curve whose lens at infinity has nothing sharp
        // has nothing sharp at any focus: it is listed without points.
        const std::optional<OpticalSetup> setup = SpecialRowsSetup(in, curve.fNumber);
        if (!setup) {
            curve.hyperfocalText = NothingSharpText();
            curve.nothingSharp = true;
            chart.curves.push_back(std::move(curve));
            continue;
        }
        DofResult h;
        if (in.fromFilm) {
            ComputeDepthAtHyperfocal(*setup, h);
            curve.hyperfocal = h.hFilm;
        } else {
            ComputeHyperfocalLimits(*setup, h);
            curve.hyperfocal = h.hLens;
        }
        curve.hyperfocalText = FixedText(curve.hyperfocal, kPrecision, in.decimals);
        curve.points.reserve(distances.size());
        for (size_t i = 0; i < distances.size(); ++i) {
            const Sample &s = distances[i];
            const TableCell sharp = cellsAt[i].at(curve.fNumber);
            if (sharp.nothingSharp) {
                curve.nothingSharp = true;
                continue;
            }
            const CellDepth &cell = sharp.depth;
            // Out of focus or a value no axis can show.
            const Limit far = cell.farLimit();
            const bool drawable = cell.focused() && positiveFinite(cell.near) &&
                                  !std::isnan(far.value) && far.value != 0;
            if (!drawable) {
                if (s.tableIndex >= 0)
                    tableDistanceLeftOut[static_cast<size_t>(s.tableIndex)] = true;
                continue;
            }
            ChartPoint p;
            p.distance = s.distance;
            p.near = cell.near;
            // An endless far limit is sharp to infinity.
            p.farLimit =
                far.isDistance() && std::isinf(far.value) ? Limit{Limit::Kind::Infinity, -1} : far;
            p.far = p.farLimit.value;
            p.tableIndex = s.tableIndex;
            curve.points.push_back(p);
            lo = lo == 0 ? p.distance : std::min(lo, p.distance);
            hi = std::max(hi, p.distance);
            nearMin = nearMin == 0 ? p.near : std::min(nearMin, p.near);
        }
        chart.curves.push_back(std::move(curve));
    }

    QStringList leftOut;
    for (size_t i = 0; i < tableDistanceLeftOut.size(); ++i)
        if (tableDistanceLeftOut[i])
            leftOut << chart.distanceTexts[static_cast<qsizetype>(i)];
    if (!leftOut.isEmpty())
        chart.missing = missingDistances(leftOut);
    // The f-numbers at which diffraction alone blurs more than the circle,
    // for some focus or for all.
    QStringList blurred;
    for (const ChartCurve &curve : chart.curves)
        if (curve.nothingSharp)
            blurred << QStringLiteral("n=") + curve.fNumberText;
    if (!blurred.isEmpty()) {
        QString list = blurred.mid(0, kMissingNamesShown).join(QStringLiteral(" ; "));
        if (blurred.size() > kMissingNamesShown)
            list += QStringLiteral(" ; ...");
        if (!chart.missing.isEmpty())
            chart.missing += QStringLiteral(" ; ");
        chart.missing += QCoreApplication::translate("ChartSeries", "rien de net (diffraction) à %1").arg(list);
    }
    if (hi == 0)
        return chart;

    chart.xMin = lo / kXMargin;
    chart.xMax = hi * kXMargin;
    const long double cap = kFarCap * chart.xMax;
    for (const ChartCurve &curve : chart.curves)
        for (const ChartPoint &p : curve.points)
            if (!p.farInfinite() && p.far <= cap)
                farMax = std::max(farMax, p.far);
    chart.yMin = nearMin / kYMargin;
    chart.yFiniteTop = niceAbove(std::max(farMax, chart.xMax) * kYMargin);
    for (const ChartCurve &curve : chart.curves)
        for (const ChartPoint &p : curve.points) {
            if (p.farInfinite())
                chart.topIsInfinity = true;
            else if (p.far > chart.yFiniteTop)
                chart.farBeyondTop = true;
        }
    chart.yTop = chart.topIsInfinity ? chart.yFiniteTop * kInfinityGap : chart.yFiniteTop;
    return chart;
}

long double ChartFar(const ChartData &chart, const ChartPoint &point)
{
    if (point.farInfinite())
        return chart.yTop;
    return point.far > chart.yFiniteTop ? chart.yFiniteTop : point.far;
}

bool ChartFarBeyondTop(const ChartData &chart, const ChartPoint &point)
{
    return !point.farInfinite() && point.far > chart.yFiniteTop;
}

const ChartPoint *NearestChartPoint(const ChartCurve &curve, long double distance)
{
    if (curve.points.empty() || !positiveFinite(distance))
        return nullptr;
    const auto after = std::lower_bound(
        curve.points.begin(), curve.points.end(), distance,
        [](const ChartPoint &p, long double d) { return p.distance < d; });
    if (after == curve.points.begin())
        return &*after;
    if (after == curve.points.end())
        return &curve.points.back();
    const auto before = after - 1;
    return std::log(distance / before->distance) <= std::log(after->distance / distance) ? &*before
                                                                                          : &*after;
}

QString ChartTip(const ChartData &chart, const ChartCurve &curve, const ChartPoint &point)
{
    // The same texts as the table's cell at this distance.
    const QStringList lines = ComposeCellText(point.distance, point.near, point.farLimit,
                                              chart.bound, chart.decimals, false, false)
                                  .split(kCellLineBreak);
    QString distance;
    if (point.tableIndex >= 0 && point.tableIndex < chart.distanceTexts.size())
        distance = chart.distanceTexts[point.tableIndex];
    else
        distance = FixedText(point.distance, kPrecision,
                             point.distance < chart.bound ? chart.decimals : 1);
    // (no unit after a far limit at infinity)
    const QString tip =
        point.farInfinite()
            ? QCoreApplication::translate("ChartSeries", "n=%1\nDistance : %2 m\nPremier plan net : %3 m\nDernier plan net : %4")
            : QCoreApplication::translate("ChartSeries", "n=%1\nDistance : %2 m\nPremier plan net : %3 m\nDernier plan net : %4 m");
    return LocalNumbers(tip.arg(curve.fNumberText, distance, lines.value(0), lines.value(1)));
}

QString ChartTitle(const ChartData &chart)
{
    QString title = chart.fromFilm ? QCoreApplication::translate("ChartSeries", "Limites de netteté, distances rapportées au plan du film")
                                   : QCoreApplication::translate("ChartSeries", "Limites de netteté, distances rapportées à l'objectif");
    if (!chart.missing.isEmpty())
        title = QCoreApplication::translate("ChartSeries", "%1\nNon tracé : %2").arg(title, chart.missing);
    return LocalNumbers(title);
}

std::vector<AxisTick> LogAxisTicks(long double min, long double max)
{
    if (!positiveFinite(min) || !positiveFinite(max) || max <= min)
        return {};
    const int first = static_cast<int>(std::floor(std::log10(min)));
    const int last = static_cast<int>(std::ceil(std::log10(max)));
    auto text = [](long double v, int exponent) {
        return LocalNumbers(FixedText(v, kPrecision, std::max(0, -exponent)));
    };
    // The multiples of each power of ten inside the range.
    auto ticks = [&](std::initializer_list<int> multiples) {
        std::vector<AxisTick> out;
        for (int e = first; e <= last; ++e) {
            const long double decade = std::pow(10.0L, static_cast<long double>(e));
            for (const int m : multiples) {
                const long double v = m * decade;
                if (v >= min * (1 - 1e-12L) && v <= max * (1 + 1e-12L))
                    out.push_back({v, text(v, e)});
            }
        }
        return out;
    };
    std::vector<AxisTick> out = ticks({1, 2, 5});
    // Over many decades the 2 and 5 labels would crowd: the decades alone.
    if (out.size() > 13)
        return ticks({1});
    // Within a decade or so, every multiple, as the minor grid lines.
    if (out.size() < 3)
        out = ticks({1, 2, 3, 4, 5, 6, 7, 8, 9});
    if (out.size() < 2) {
        // A narrow range: its ends, with one more decimal than they need.
        const int e = static_cast<int>(std::floor(std::log10(min))) - 1;
        std::vector<AxisTick> ends{{min, text(min, e)}, {max, text(max, e)}};
        if (!out.empty())
            ends.insert(ends.begin() + 1, out.front());
        return ends;
    }
    return out;
}

} // namespace optolune
