// The depth-of-field chart as numbers: for each f-number of the table, the
// near and far limits of sharpness over the range of the table's focusing
// distances, in the table's origin (film plane or lens), ready to be drawn on
// logarithmic axes. The chart window only turns these curves into series.
#pragma once

#include "core/optics.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace optolune {

struct TableState;

struct ChartPoint {
    long double distance = 0; // focusing distance, m
    long double near = 0;     // near limit of sharpness, m
    Limit farLimit;           // far limit, m, or sharp to infinity
    long double far = 0;      // the far limit's distance, m, when it has one
    int tableIndex = -1;      // index in the table's distances, -1 between them
    bool farInfinite() const { return farLimit.isInfinity(); }
};

struct ChartCurve {
    QString fNumberText;          // as the f-number list holds it
    long double fNumber = 0;
    bool beyondLimit = false;     // past the diffraction limit: drawn in silver
    long double hyperfocal = 0;   // hyperfocal distance in the table's origin, m
    QString hyperfocalText;       // as the table's "h=" row writes it
    std::vector<ChartPoint> points; // by increasing distance; focusable ones only
    // With diffraction counted, some focus (or every one) has nothing sharp
    // at this f-number: those points are left out.
    bool nothingSharp = false;
};

// What the chart draws. Every point of every curve lies within the axes.
// The limits axis is a scale of metres from yMin to yFiniteTop; when some far
// limit is infinite, a line "inf" stands above it at yTop, where those limits
// are drawn. A finite far limit beyond the scale is drawn on its top
// (yFiniteTop), marked as leaving it, never on the "inf" line.
struct ChartData {
    std::vector<ChartCurve> curves;
    long double xMin = 1, xMax = 10; // focusing distance axis, m
    long double yMin = 1, yTop = 10; // limits axis, m: the whole axis
    long double yFiniteTop = 10;     // top of the scale of metres
    // Some far limit is infinite: the axis ends with the "inf" line.
    bool topIsInfinity = false;
    // Some finite far limit lies beyond yFiniteTop.
    bool farBeyondTop = false;
    bool fromFilm = true;
    int decimals = 1;
    long double bound = 1000;
    QStringList distanceTexts; // the table's distances as the list holds them
    // What could not be drawn, in French; empty when the chart is whole.
    QString missing;
};

// The curves of the table the state describes (its parameters as the last
// refresh left them, its lists, decimals, bound and origin): the table's
// distances plus `intermediatePoints` log-spaced between the smallest and the
// largest. Distances that cannot be focused are left out and named in
// `missing`; a state that cannot give a table (an empty list, an unreadable
// value) gives no curve and says why. Never a point that is not a positive
// finite number.
ChartData ChartSeries(const TableState &state, int intermediatePoints = 200);

// The value a far limit takes on the chart: the "inf" line when it is
// infinite, the top of the scale when it lies beyond it.
long double ChartFar(const ChartData &chart, const ChartPoint &point);
// A finite far limit beyond the top of the scale.
bool ChartFarBeyondTop(const ChartData &chart, const ChartPoint &point);

// The point of a curve nearest to a distance (on the logarithmic scale);
// nullptr for a curve without points.
const ChartPoint *NearestChartPoint(const ChartCurve &curve, long double distance);

// The tooltip of a point: the f-number, the distance and the near and far
// limits written as the table writes its cells (same decimals, bound and
// "inf").
QString ChartTip(const ChartData &chart, const ChartCurve &curve, const ChartPoint &point);

// The chart's title: "Graphique de profondeur de champ", the origin, and what
// is missing when something could not be drawn.
QString ChartTitle(const ChartData &chart);

// Labels of a logarithmic axis from min to max, written with the decimal
// comma: the values 1, 2 and 5 times a power of ten inside the range (only
// the powers of ten over many decades, every multiple within about one
// decade). A range too narrow for two of them is labelled at its ends.
struct AxisTick {
    long double value;
    QString text;
};
std::vector<AxisTick> LogAxisTicks(long double min, long double max);

} // namespace optolune
