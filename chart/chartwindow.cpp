#include "chartwindow.h"

#include "table/tablefiles.h"
#include "table/tablestate.h"
#include "table/titlelines.h"
#include "core/apppaths.h"
#include "core/messages.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "core/widgets.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFontInfo>
#include <QGraphicsItem>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>
#include <numeric>

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

const QColor kMarkInk(0x40, 0x40, 0x40);

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
    // point it skips stays within tolerance.
    size_t anchor = 0;
    for (size_t next = 2; next < px.size(); ++next) {
        const QPointF chord = px[next] - px[anchor];
        const double length = std::hypot(chord.x(), chord.y());
        bool fits = true;
        for (size_t k = anchor + 1; k < next && fits; ++k) {
            const QPointF off = px[k] - px[anchor];
            const double distance = length > 0
                                        ? std::fabs(chord.x() * off.y() - chord.y() * off.x()) / length
                                        : std::hypot(off.x(), off.y());
            fits = distance <= 0.2;
        }
        if (!fits) {
            anchor = next - 1;
            kept.append(points[static_cast<qsizetype>(anchor)]);
        }
    }
    kept.append(points.back());
    return kept;
}

bool isPdf(const QString &path) { return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive); }

} // namespace

// What the chart draws besides its bands, in one item over the plot: the
// dots of the table's own distances, the hyperfocal marks on the distance
// axis, the marks of far limits beyond the scale, the labels of both axes in
// the program's decimal comma, and the legend beside the plot. One item
// painting them all keeps an update of 33 f-numbers within a frame, where a
// series per mark would not.
class ChartMarks final : public QGraphicsItem {
public:
    struct Curve {
        QPen pen;
        bool visible = true;
        QString text;    // "n=5,6 (H 38,5 m)"
        QString compact; // "n=5,6", when the full texts would crowd the plot out
    };

    ChartMarks(QChart *chart, const QFont &font) : QGraphicsItem(chart), m_chart(chart), m_font(font)
    {
        // Sized in pixels of the chart, as its own texts are, so that a PDF
        // at another resolution keeps the labels in proportion.
        m_font.setPixelSize(QFontInfo(font).pixelSize());
        setZValue(100);
        setAcceptedMouseButtons(Qt::NoButton);
    }

    void setData(const ChartData *data, std::vector<Curve> curves)
    {
        prepareGeometryChange();
        m_data = data;
        m_curves = std::move(curves);
        update();
    }
    void plotMoved()
    {
        prepareGeometryChange();
        update();
    }

    QRectF boundingRect() const override { return m_chart->rect(); }

    // The room the legend takes at the right of the chart, for the chart's
    // height: as many columns as its entries need. The full texts give way
    // to the f-numbers alone when they would take more than two fifths of
    // the width.
    qreal legendWidth(const QSizeF &chartSize)
    {
        m_compact = false;
        qreal width = columnsWidth(chartSize);
        if (width > chartSize.width() * 0.4) {
            m_compact = true;
            width = columnsWidth(chartSize);
        }
        return width;
    }

    struct Entry {
        QString text;
        int curve; // -1: an entry of the marks
        QRectF rect;
    };
    const std::vector<Entry> &entries() const { return m_entries; }

    int curveAt(const QPointF &at) const
    {
        for (const Entry &e : m_entries)
            if (e.curve >= 0 && e.rect.contains(at))
                return e.curve;
        return -1;
    }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setFont(m_font);
        const QRectF plot = m_chart->plotArea();
        if (m_data && !plot.isEmpty() && m_data->xMax > m_data->xMin && m_data->yTop > m_data->yMin)
            paintMarks(*painter, plot);
        paintLegend(*painter);
        painter->restore();
    }

private:
    static constexpr qreal kPad = 6;
    static constexpr qreal kSample = 26;

    qreal lineHeight() const { return QFontMetricsF(m_font).height() + 3; }

    std::vector<QString> markTexts() const
    {
        std::vector<QString> texts;
        if (!m_curves.empty())
            texts.push_back(QStringLiteral("hyperfocale H"));
        if (m_data && m_data->farBeyondTop)
            texts.push_back(QStringLiteral("lointain au-delà de l'échelle"));
        if (m_data && m_data->topIsInfinity)
            texts.push_back(QStringLiteral("inf : net jusqu'à l'infini"));
        return texts;
    }

    QString curveText(const Curve &c) const { return m_compact ? c.compact : c.text; }

    int rowsPerColumn(const QSizeF &chartSize) const
    {
        return std::max(1, static_cast<int>((chartSize.height() - 2 * kPad) / lineHeight()));
    }

    // The texts of the legend in order: the f-numbers, then the marks.
    std::vector<QString> legendTexts() const
    {
        std::vector<QString> texts;
        for (const Curve &c : m_curves)
            texts.push_back(curveText(c));
        for (const QString &m : markTexts())
            texts.push_back(m);
        return texts;
    }

    // The width of each column of the legend: each as wide as its widest
    // entry.
    std::vector<qreal> columnWidths(const QSizeF &chartSize) const
    {
        const std::vector<QString> texts = legendTexts();
        const QFontMetricsF metrics(m_font);
        const size_t rows = static_cast<size_t>(rowsPerColumn(chartSize));
        std::vector<qreal> widths;
        for (size_t i = 0; i < texts.size(); ++i) {
            if (i % rows == 0)
                widths.push_back(0);
            widths.back() = std::max(widths.back(), kSample + 4 + metrics.horizontalAdvance(texts[i]) + kPad);
        }
        return widths;
    }

    qreal columnsWidth(const QSizeF &chartSize) const
    {
        const std::vector<qreal> widths = columnWidths(chartSize);
        if (widths.empty())
            return 0;
        return std::accumulate(widths.begin(), widths.end(), kPad);
    }

    void paintMarks(QPainter &painter, const QRectF &plot)
    {
        const ChartData &d = *m_data;
        const long double xSpan = std::log(d.xMax / d.xMin);
        const long double ySpan = std::log(d.yTop / d.yMin);
        auto x = [&](long double v) {
            return plot.left() + plot.width() * static_cast<qreal>(std::log(v / d.xMin) / xSpan);
        };
        auto y = [&](long double v) {
            return plot.bottom() - plot.height() * static_cast<qreal>(std::log(v / d.yMin) / ySpan);
        };

        // Above the scale of metres, the line of the limits at infinity.
        if (d.topIsInfinity) {
            painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 1, Qt::DashLine));
            painter.drawLine(QPointF(plot.left(), y(d.yFiniteTop)), QPointF(plot.right(), y(d.yFiniteTop)));
        }
        for (size_t i = 0; i < d.curves.size() && i < m_curves.size(); ++i) {
            if (!m_curves[i].visible)
                continue;
            const ChartCurve &c = d.curves[i];
            const QColor colour = m_curves[i].pen.color();
            painter.setPen(QPen(colour.darker(130), 1));
            painter.setBrush(colour);
            for (const ChartPoint &p : c.points) {
                if (p.tableIndex < 0)
                    continue;
                painter.drawEllipse(QPointF(x(p.distance), y(p.near)), 3, 3);
                painter.drawEllipse(QPointF(x(p.distance), y(ChartFar(d, p))), 3, 3);
            }
            // Where a far limit leaves the scale by its top, an arrow up.
            bool beyond = false;
            for (const ChartPoint &p : c.points) {
                const bool now = ChartFarBeyondTop(d, p);
                if (now && !beyond)
                    drawArrowUp(painter, QPointF(x(p.distance), y(d.yFiniteTop)), colour);
                beyond = now;
            }
            // The hyperfocal distance, a short bar standing on the distance axis.
            if (c.hyperfocal >= d.xMin && c.hyperfocal <= d.xMax)
                painter.fillRect(QRectF(x(c.hyperfocal) - 1.5, plot.bottom() - 12, 3, 12), colour);
        }

        painter.setPen(kMarkInk);
        const QFontMetricsF metrics(m_font);
        for (const AxisTick &t : LogAxisTicks(d.xMin, d.xMax)) {
            const qreal w = metrics.horizontalAdvance(t.text);
            painter.drawText(QPointF(x(t.value) - w / 2, plot.bottom() + 4 + metrics.ascent()), t.text);
        }
        auto leftLabel = [&](const QString &text, qreal at) {
            const qreal w = metrics.horizontalAdvance(text);
            painter.drawText(QPointF(plot.left() - w - 6, at + metrics.ascent() / 2 - 1), text);
        };
        for (const AxisTick &t : LogAxisTicks(d.yMin, d.yFiniteTop))
            leftLabel(t.text, y(t.value));
        if (d.topIsInfinity)
            leftLabel(QStringLiteral("inf"), plot.top());
    }

    static void drawArrowUp(QPainter &painter, const QPointF &at, const QColor &colour)
    {
        const QPointF tip = at + QPointF(0, -9);
        const QPolygonF head{tip, tip + QPointF(-4.5, 7), tip + QPointF(4.5, 7)};
        painter.save();
        painter.setPen(QPen(colour, 1.5));
        painter.drawLine(at, tip + QPointF(0, 6));
        painter.setBrush(colour);
        painter.drawPolygon(head);
        painter.restore();
    }

    void paintLegend(QPainter &painter)
    {
        m_entries.clear();
        const QRectF chart = m_chart->rect();
        const qreal width = columnsWidth(chart.size());
        if (width <= 0)
            return;
        const QFontMetricsF metrics(m_font);
        const qreal line = lineHeight();
        const int rows = rowsPerColumn(chart.size());
        const std::vector<qreal> widths = columnWidths(chart.size());
        const qreal left = chart.right() - width + kPad;
        int index = 0;
        auto place = [&] {
            const int col = index / rows;
            const int row = index % rows;
            ++index;
            const qreal x = std::accumulate(widths.begin(), widths.begin() + col, left);
            return QRectF(x, chart.top() + kPad + row * line, widths[static_cast<size_t>(col)] - kPad / 2, line);
        };
        for (size_t i = 0; i < m_curves.size(); ++i) {
            const Curve &c = m_curves[i];
            const QRectF r = place();
            const qreal mid = r.center().y();
            QPen sample = c.pen;
            sample.setCosmetic(false);
            sample.setWidthF(2);
            painter.setPen(sample);
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(QPointF(r.left(), mid), QPointF(r.left() + kSample, mid));
            painter.setPen(c.visible ? QColor(Qt::black) : QColor(Qt::gray));
            const QString label = curveText(c);
            painter.drawText(QPointF(r.left() + kSample + 4, mid + metrics.ascent() / 2 - 1), label);
            m_entries.push_back({label, static_cast<int>(i), r});
        }
        for (const QString &mark : markTexts()) {
            const QRectF r = place();
            const qreal mid = r.center().y();
            if (mark.startsWith(QStringLiteral("hyperfocale")))
                painter.fillRect(QRectF(r.left() + kSample / 2 - 1.5, mid - 6, 3, 12), kMarkInk);
            else if (mark.startsWith(QStringLiteral("lointain")))
                drawArrowUp(painter, QPointF(r.left() + kSample / 2, mid + 5), kMarkInk);
            else {
                painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 1, Qt::DashLine));
                painter.drawLine(QPointF(r.left(), mid), QPointF(r.left() + kSample, mid));
            }
            painter.setPen(Qt::black);
            painter.drawText(QPointF(r.left() + kSample + 4, mid + metrics.ascent() / 2 - 1), mark);
            m_entries.push_back({mark, -1, r});
        }
    }

    QChart *m_chart;
    QFont m_font;
    const ChartData *m_data = nullptr;
    std::vector<Curve> m_curves;
    std::vector<Entry> m_entries;
    bool m_compact = false;
};

ChartWindow::ChartWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormGraphique"));
    setWindowTitle(QStringLiteral("Graphique de profondeur de champ"));
    setModal(false);
    resize(860, 580);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *bar = make<QWidget>(this, "GraphBar");
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 4, 4, 4);
    auto *exportBtn = make<QPushButton>(bar, "ExportBtn");
    exportBtn->setText(QStringLiteral("Exporter l'image..."));
    applyHint(exportBtn, QStringLiteral("Exporter l'image|Enregistre le graphique en PNG ou en PDF, selon l'extension du nom"));
    row->addWidget(exportBtn);
    row->addStretch(1);
    layout->addWidget(bar);

    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    // The legend is drawn beside the plot by ChartMarks, in as many columns
    // as the f-numbers need: the chart's own stops where its column does.
    m_chart->legend()->hide();
    m_x = makeAxis(QStringLiteral("Distance de mise au point (m)"));
    m_y = makeAxis(QStringLiteral("Limites de netteté (m)"));
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_chart->addAxis(m_y, Qt::AlignLeft);
    m_marks = new ChartMarks(m_chart, m_x->labelsFont());
    connect(m_chart, &QGraphicsWidget::geometryChanged, this, [this] { layoutLegend(); });
    // The points drawn depend on the plot's size in pixels.
    connect(m_chart, &QChart::plotAreaChanged, this, [this] {
        m_marks->plotMoved();
        // Thinned again for the new size once the chart has settled: the
        // signal comes in the middle of the chart's own layout.
        QMetaObject::invokeMethod(this, [this] {
            if (!m_series.empty() && m_chart->plotArea().size() != m_drawnPlotSize)
                fillSeries();
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

    connect(exportBtn, &QPushButton::clicked, this, [this] { exportImage(); });
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
                [this, index](const QPointF &at, bool state) { showTip(index, at.x(), state); });
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
    m_x->setRange(static_cast<qreal>(m_data.xMin), static_cast<qreal>(m_data.xMax));
    m_y->setRange(static_cast<qreal>(m_data.yMin), static_cast<qreal>(m_data.yTop));

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
        const QSizeF plot = m_drawnPlotSize;
        s.upper->replace(drawnPoints(upper, plot, m_data));
        s.lower->replace(drawnPoints(lower, plot, m_data));

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
        const QString name = QStringLiteral("n=") + curve.fNumberText + QStringLiteral(" (H ") +
                             curve.hyperfocalText + QStringLiteral(" m)");
        if (s.name != name) {
            s.name = name;
            s.area->setName(name);
        }
        applyVisibility(static_cast<int>(i));
    }
    updateMarks();
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

void ChartWindow::updateMarks()
{
    std::vector<ChartMarks::Curve> curves;
    for (size_t i = 0; i < m_series.size(); ++i) {
        const ChartCurve &c = m_data.curves[i];
        curves.push_back({m_series[i].pen, curveVisible(static_cast<int>(i)), m_series[i].name,
                          QStringLiteral("n=") + c.fNumberText});
    }
    m_marks->setData(&m_data, std::move(curves));
    layoutLegend();
}

void ChartWindow::layoutLegend()
{
    // The plot leaves the room the legend needs at the right.
    QMargins margins = m_chart->margins();
    const int right = static_cast<int>(std::ceil(m_marks->legendWidth(m_chart->size()))) + 4;
    if (margins.right() != right) {
        margins.setRight(right);
        m_chart->setMargins(margins);
    }
    m_marks->update();
}

std::vector<ChartWindow::LegendEntry> ChartWindow::legendEntries() const
{
    std::vector<LegendEntry> out;
    for (const ChartMarks::Entry &e : m_marks->entries()) {
        const QRectF inScene = m_chart->mapRectToScene(e.rect);
        const QRectF inView = m_view->mapFromScene(inScene).boundingRect();
        out.push_back({e.text, e.curve, inView});
    }
    return out;
}

bool ChartWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A click on an f-number's legend entry hides its band, a second one
    // shows it again.
    if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPointF at = m_chart->mapFromScene(m_view->mapToScene(mouse->position().toPoint()));
        const int curve = m_marks->curveAt(at);
        if (curve >= 0 && mouse->button() == Qt::LeftButton) {
            setCurveVisible(curve, !curveVisible(curve));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ChartWindow::setCurveVisible(int curve, bool visible)
{
    if (curve < 0 || curve >= static_cast<int>(m_data.curves.size()))
        return;
    const QString &name = m_data.curves[static_cast<size_t>(curve)].fNumberText;
    if (visible)
        m_hidden.remove(name);
    else
        m_hidden.insert(name);
    applyVisibility(curve);
    updateMarks();
}

bool ChartWindow::curveVisible(int curve) const
{
    if (curve < 0 || curve >= static_cast<int>(m_data.curves.size()))
        return false;
    return !m_hidden.contains(m_data.curves[static_cast<size_t>(curve)].fNumberText);
}

void ChartWindow::applyVisibility(int curve)
{
    const CurveSeries &s = m_series[static_cast<size_t>(curve)];
    const bool visible = curveVisible(curve);
    if (s.area->isVisible() != visible)
        s.area->setVisible(visible);
}

QString ChartWindow::tipAt(int curve, long double distance) const
{
    if (curve < 0 || curve >= static_cast<int>(m_data.curves.size()))
        return {};
    const ChartCurve &c = m_data.curves[static_cast<size_t>(curve)];
    const ChartPoint *p = NearestChartPoint(c, distance);
    return p ? ChartTip(m_data, c, *p) : QString();
}

void ChartWindow::showTip(int curve, qreal distance, bool state)
{
    if (!state) {
        QToolTip::hideText();
        m_statusBar->clearMessage();
        return;
    }
    const QString tip = tipAt(curve, distance);
    QToolTip::showText(QCursor::pos(), tip, m_view);
    QString line = tip;
    line.replace(u'\n', QStringLiteral("   "));
    m_statusBar->showMessage(line);
}

void ChartWindow::exportImage()
{
    // The picture shows the table the fields give now: the table window's
    // refresh checks them first and the chart follows it; when it stops,
    // its message says why and nothing is written.
    if (m_refresh && !m_refresh())
        return;
    guarded([this] {
        const QString folder = appPaths().tablesFolder();
        QDir().mkpath(folder);
        const std::optional<QString> chosen = prompts().saveFile(
            folder, m_fileName, QStringLiteral("Images (*.png *.pdf)"));
        if (!chosen)
            return;
        QString path = *chosen;
        if (!isPdf(path) && !path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
            path += QStringLiteral(".png");
        writeImage(path);
        m_statusBar->showMessage(SavedFileText(path));
    });
}

void ChartWindow::writeImage(const QString &path)
{
    const UserError failed(QStringLiteral("Impossible de créer le fichier %1").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failed;
    if (isPdf(path)) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(150);
        pdf.setTitle(windowTitle());
        pdf.setCreator(QStringLiteral("Optolune"));
        QPainter painter(&pdf);
        if (!painter.isActive())
            throw failed;
        painter.setRenderHint(QPainter::Antialiasing);
        // The page as the window shows it, title lines and legend with it,
        // scaled to the paper with its proportions kept.
        const QRect paper = painter.viewport();
        const QSize shown = m_page->size();
        const qreal scale = std::min(paper.width() / qreal(shown.width()), paper.height() / qreal(shown.height()));
        painter.translate((paper.width() - shown.width() * scale) / 2, (paper.height() - shown.height() * scale) / 2);
        painter.scale(scale, scale);
        m_page->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        painter.end();
    } else if (!m_page->grab().save(&file, "PNG")) {
        throw failed;
    }
    if (!commitSaveFile(file))
        throw failed;
}

} // namespace optolune
