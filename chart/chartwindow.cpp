#include "chartwindow.h"
#include "chartmarks.h"

#include "table/tablefiles.h"
#include "table/tablestate.h"
#include "table/titlelines.h"
#include "core/apppaths.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/widgets.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

namespace optolune {

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

// Eleven colours far apart, dark enough to read on white, crossed with three
// dash patterns: the 33 theoretical f-numbers each get their own look, and
// neighbouring bands never share a colour.
const QColor kPalette[] = {QColor(0x1F, 0x77, 0xB4), QColor(0xFF, 0x7F, 0x0E), QColor(0x2C, 0xA0, 0x2C),
                           QColor(0xD6, 0x27, 0x28), QColor(0x94, 0x67, 0xBD), QColor(0x8C, 0x56, 0x4B),
                           QColor(0xE3, 0x77, 0xC2), QColor(0x80, 0x80, 0x00), QColor(0x17, 0xBE, 0xCF),
                           QColor(0x00, 0x00, 0x80), QColor(0x00, 0x00, 0x00)};
constexpr int kPaletteSize = static_cast<int>(std::size(kPalette));
const Qt::PenStyle kPatterns[] = {Qt::SolidLine, Qt::DashLine, Qt::DashDotLine};

QColor curveColour(int index) { return kPalette[index % kPaletteSize]; }
Qt::PenStyle curvePattern(int index)
{
    return kPatterns[(index / kPaletteSize) % static_cast<int>(std::size(kPatterns))];
}

// Past the diffraction limit the table greys an f-number: its band keeps its
// pattern and its colour, faded toward the table's silver.
QColor fadedToSilver(const QColor &c)
{
    return QColor((c.red() + 2 * kSilver.red()) / 3, (c.green() + 2 * kSilver.green()) / 3,
                  (c.blue() + 2 * kSilver.blue()) / 3);
}


QLogValueAxis *makeAxis(const QString &title)
{
    auto *axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setTitleText(title);
    axis->setMinorTickCount(8);
    // The axis draws its own labels in the program's decimal comma (see
    // ChartMarks); its built-in ones only keep their room, unseen.
    axis->setLabelFormat(QStringLiteral("%.2f"));
    axis->setLabelsBrush(Qt::transparent);
    axis->setMinorGridLinePen(QPen(QColor(0xE4, 0xE4, 0xE4), 1));
    return axis;
}

// The points of a line as drawn: a point that lies within a fifth of a pixel
// of the segment joining its neighbours adds nothing to the picture and is
// left out (the runs along the top edge, the straight stretches). The chart
// lays out every point it is given, so fewer points draw faster.
QList<QPointF> drawnPoints(const QList<QPointF> &points, const QSizeF &plot, const ChartData &d)
{
    if (points.size() < 3 || plot.isEmpty())
        return points;
    // Pixels per unit of natural logarithm on each axis.
    const double sx = plot.width() / std::log(static_cast<double>(d.xMax / d.xMin));
    const double sy = plot.height() / std::log(static_cast<double>(d.yTop / d.yMin));
    auto pixel = [&](const QPointF &p) { return QPointF(std::log(p.x()) * sx, std::log(p.y()) * sy); };
    QList<QPointF> kept;
    kept.reserve(points.size());
    kept.append(points.front());
    std::vector<QPointF> px(static_cast<size_t>(points.size()));
    for (qsizetype i = 0; i < points.size(); ++i)
        px[static_cast<size_t>(i)] = pixel(points[i]);
    // From the last point kept, reach as far as a segment can go while every
    // point it skips stays within tolerance: a distance d from the chord of
    // length L is within 0,2 pixel when (d L)^2 <= (0,2 L)^2, the cross
    // product squared, with no root taken.
    constexpr double kTolerance = 0.2;
    size_t anchor = 0;
    for (size_t next = 2; next < px.size(); ++next) {
        const QPointF a = px[anchor];
        const double cx = px[next].x() - a.x(), cy = px[next].y() - a.y();
        const double length2 = cx * cx + cy * cy;
        const double limit = kTolerance * kTolerance * length2;
        bool fits = true;
        for (size_t k = anchor + 1; k < next && fits; ++k) {
            const double ox = px[k].x() - a.x(), oy = px[k].y() - a.y();
            if (length2 > 0) {
                const double cross = cx * oy - cy * ox;
                fits = cross * cross <= limit;
            } else {
                fits = ox * ox + oy * oy <= kTolerance * kTolerance;
            }
        }
        if (!fits) {
            anchor = next - 1;
            kept.append(points[static_cast<qsizetype>(anchor)]);
        }
    }
    kept.append(points.back());
    return kept;
}

} // namespace

ChartWindow::ChartWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormGraphique"));
    setWindowTitle(tr("Graphique de profondeur de champ"));
    setModal(false);
    resize(860, 580);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *bar = make<QWidget>(this, "GraphBar");
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 4, 4, 4);
    auto *exportBtn = make<QPushButton>(bar, "ExportBtn");
    exportBtn->setText(tr("Exporter l'image..."));
    applyHint(exportBtn, tr("Exporter l'image|Enregistre le graphique en PNG ou en PDF, selon l'extension du nom"));
    row->addWidget(exportBtn);
    row->addStretch(1);
    layout->addWidget(bar);

    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    // The legend is drawn beside the plot by ChartMarks, in as many columns
    // as the f-numbers need: the chart's own stops where its column does.
    m_chart->legend()->hide();
    // Hidden, and out of the chart's layout too: the layout would still
    // measure its 33 entries each time the chart is laid out.
    m_chart->legend()->detachFromChart();
    m_x = makeAxis(tr("Distance de mise au point (m)"));
    m_y = makeAxis(tr("Limites de netteté (m)"));
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_chart->addAxis(m_y, Qt::AlignLeft);
    m_marks = new ChartMarks(m_chart, m_x->labelsFont());
    connect(m_chart, &QGraphicsWidget::geometryChanged, this, [this] { guarded([this] { layoutLegend(); }); });
    // The points drawn depend on the plot's size in pixels.
    connect(m_chart, &QChart::plotAreaChanged, this, [this] {
        guarded([this] { m_marks->plotMoved(); });
        // Thinned again for the new size once the chart has settled: the
        // signal comes in the middle of the chart's own layout.
        QMetaObject::invokeMethod(this, [this] {
            guarded([this] {
                if (!m_series.empty() && m_chart->plotArea().size() != m_drawnPlotSize)
                    fillSeries();
            });
        }, Qt::QueuedConnection);
    });

    // The page the exports take: the title lines of the printed table over
    // the chart, on white.
    m_page = make<QWidget>(this, "ChartPage");
    m_page->setAutoFillBackground(true);
    QPalette white = m_page->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_page->setPalette(white);
    auto *pageLayout = new QVBoxLayout(m_page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    m_titleLines = make<QLabel>(m_page, "TitleLines");
    m_titleLines->setTextFormat(Qt::PlainText);
    m_titleLines->setContentsMargins(8, 4, 8, 0);
    pageLayout->addWidget(m_titleLines);

    m_view = new QChartView(m_chart, m_page);
    m_view->setObjectName(QStringLiteral("ChartView"));
    // Without antialiasing: 33 bands of a few hundred points each are
    // redrawn within a frame; the marks and labels keep theirs.
    m_view->setRenderHint(QPainter::Antialiasing, false);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->viewport()->installEventFilter(this);
    pageLayout->addWidget(m_view, 1);
    layout->addWidget(m_page, 1);

    m_statusBar = addStatusBar(this, layout);

    connect(exportBtn, &QPushButton::clicked, this, [this] { guarded([this] { exportImage(); }); });
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::updateChart(const TableState &state, bool withComment)
{
    m_data = ChartSeries(state);
    m_fileName = TableFileName(state, QStringLiteral(".png"));
    QStringList lines = ComposeTitleLines(state, state.lensReferences, withComment, VersionText());
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString title = lines.join(u'\n');
    if (m_titleLines->text() != title)
        m_titleLines->setText(title);
    if (m_series.size() != m_data.curves.size() || m_order != drawingOrder())
        rebuildSeries();
    fillSeries();
}

std::vector<int> ChartWindow::drawingOrder() const
{
    std::vector<int> order(m_data.curves.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return m_data.curves[static_cast<size_t>(a)].fNumber > m_data.curves[static_cast<size_t>(b)].fNumber;
    });
    return order;
}

void ChartWindow::rebuildSeries()
{
    m_chart->removeAllSeries();
    m_series.clear();
    m_order = drawingOrder();
    m_series.resize(m_data.curves.size());
    // The chart draws its series in the order they were added: the widest
    // band (the largest f-number) first.
    for (const int index : m_order) {
        CurveSeries &s = m_series[static_cast<size_t>(index)];
        s.upper = new QLineSeries;
        s.lower = new QLineSeries;
        s.area = new QAreaSeries(s.upper, s.lower);
        s.upper->setParent(s.area);
        s.lower->setParent(s.area);
        m_chart->addSeries(s.area);
        s.area->attachAxis(m_x);
        s.area->attachAxis(m_y);
        connect(s.area, &QAreaSeries::hovered, this,
                [this, index](const QPointF &at, bool state) { guarded([&] { showTip(index, at.x(), state); }); });
    }
}

QAreaSeries *ChartWindow::band(int curve) const
{
    return curve >= 0 && curve < static_cast<int>(m_series.size()) ? m_series[static_cast<size_t>(curve)].area
                                                                    : nullptr;
}

void ChartWindow::fillSeries()
{
    QString title = ChartTitle(m_data).toHtmlEscaped();
    title.replace(u'\n', QStringLiteral("<br>"));
    if (m_chart->title() != title)
        m_chart->setTitle(title);
    // Every change of an axis or of the plot's size maps each series' points
    // again: the old points are let go first, so that the new ranges and the
    // layout map nothing, and the new points are mapped once, at the end.
    const QRectF newRanges(QPointF(static_cast<qreal>(m_data.xMin), static_cast<qreal>(m_data.yMin)),
                           QPointF(static_cast<qreal>(m_data.xMax), static_cast<qreal>(m_data.yTop)));
    const bool rangesChange = m_x->min() != newRanges.left() || m_x->max() != newRanges.right() ||
                              m_y->min() != newRanges.top() || m_y->max() != newRanges.bottom();
    if (rangesChange) {
        for (CurveSeries &s : m_series) {
            s.upper->clear();
            s.lower->clear();
        }
    }
    m_x->setRange(newRanges.left(), newRanges.right());
    m_y->setRange(newRanges.top(), newRanges.bottom());

    for (size_t i = 0; i < m_series.size(); ++i) {
        const ChartCurve &curve = m_data.curves[i];
        CurveSeries &s = m_series[i];
        // Each band's edge has its own colour and dash pattern; past the
        // diffraction limit the colour fades toward the table's silver. Pens
        // and names are set only when they change: each setting lays the
        // chart out again.
        const QPen edge = curvePen(static_cast<int>(i));
        if (s.pen != edge) {
            s.pen = edge;
            // Bands are nested (a smaller aperture holds a larger depth),
            // so opaque pale fills laid from the largest f-number up show
            // each band as the ring it adds; an opaque fill also costs a
            // fraction of a translucent one.
            const QColor colour = edge.color();
            const QColor fill = curve.beyondLimit
                                    ? QColor(0xF0, 0xF0, 0xF0)
                                    : QColor::fromHsv(colour.hsvHue(), colour.hsvSaturation() / 5, 250);
            s.area->setPen(edge);
            s.area->setBrush(fill);
        }
        const QString name = LocalNumbers(QStringLiteral("n=") + curve.fNumberText + QStringLiteral(" (H ") +
                                          curve.hyperfocalText + QStringLiteral(" m)"));
        if (s.name != name) {
            s.name = name;
            s.area->setName(name);
        }
        applyVisibility(static_cast<int>(i));
    }
    // The legend takes its room, then the window and the chart lay
    // themselves out now rather than when the event loop comes back: the
    // points are thinned once, for the plot as it will be drawn.
    updateMarks();
    if (isVisible()) {
        layout()->activate();
        if (QGraphicsLayout *chartLayout = m_chart->layout())
            chartLayout->activate();
    }

    QList<QPointF> upper, lower;
    m_drawnPlotSize = m_chart->plotArea().size();
    for (size_t i = 0; i < m_series.size(); ++i) {
        const ChartCurve &curve = m_data.curves[i];
        CurveSeries &s = m_series[i];
        upper.clear();
        lower.clear();
        for (const ChartPoint &p : curve.points) {
            const qreal x = static_cast<qreal>(p.distance);
            upper.append(QPointF(x, static_cast<qreal>(ChartFar(m_data, p))));
            lower.append(QPointF(x, static_cast<qreal>(p.near)));
        }
        s.upper->replace(drawnPoints(upper, m_drawnPlotSize, m_data));
        s.lower->replace(drawnPoints(lower, m_drawnPlotSize, m_data));
    }
}

QPen ChartWindow::curvePen(int curve) const
{
    if (curve < 0 || curve >= static_cast<int>(m_data.curves.size()))
        return QPen();
    const QColor colour = curveColour(curve);
    // A cosmetic pen keeps its two pixels whatever the scale of an export.
    QPen pen(m_data.curves[static_cast<size_t>(curve)].beyondLimit ? fadedToSilver(colour) : colour, 2,
             curvePattern(curve));
    pen.setCosmetic(true);
    return pen;
}

} // namespace optolune
