#include "graphique.h"

#include "tablefiles.h"
#include "tablestate.h"
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
#include <QLegendMarker>
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

namespace optolune {

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

// Distinct colours for up to a few dozen f-numbers: hues a golden angle
// apart, dark enough to read on white.
QColor curveColour(int index)
{
    const int hue = static_cast<int>(std::fmod(index * 137.508, 360.0));
    return QColor::fromHsv(hue, 210, index % 2 ? 170 : 205);
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
// axis and the labels of both axes in the program's decimal comma. One item
// painting them all keeps an update of 33 f-numbers within a frame, where a
// series per mark would not.
class ChartMarks final : public QGraphicsItem {
public:
    ChartMarks(QChart *chart, const QFont &font) : QGraphicsItem(chart), m_chart(chart), m_font(font)
    {
        // Sized in pixels of the chart, as its own texts are, so that a PDF
        // at another resolution keeps the labels in proportion.
        m_font.setPixelSize(QFontInfo(font).pixelSize());
        setZValue(100);
        setAcceptedMouseButtons(Qt::NoButton);
    }

    void setData(const ChartData *data, std::vector<QColor> colours, std::vector<bool> visible)
    {
        prepareGeometryChange();
        m_data = data;
        m_colours = std::move(colours);
        m_visible = std::move(visible);
        update();
    }
    void plotMoved()
    {
        prepareGeometryChange();
        update();
    }

    QRectF boundingRect() const override { return m_chart->rect(); }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        const QRectF plot = m_chart->plotArea();
        if (!m_data || plot.isEmpty() || m_data->xMax <= m_data->xMin || m_data->yTop <= m_data->yMin)
            return;
        const ChartData &d = *m_data;
        const long double xSpan = std::log(d.xMax / d.xMin);
        const long double ySpan = std::log(d.yTop / d.yMin);
        auto x = [&](long double v) {
            return plot.left() + plot.width() * static_cast<qreal>(std::log(v / d.xMin) / xSpan);
        };
        auto y = [&](long double v) {
            return plot.bottom() - plot.height() * static_cast<qreal>(std::log(v / d.yMin) / ySpan);
        };

        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        for (size_t i = 0; i < d.curves.size() && i < m_colours.size(); ++i) {
            if (!m_visible[i])
                continue;
            const ChartCurve &c = d.curves[i];
            const QColor colour = m_colours[i];
            painter->setPen(QPen(colour.darker(130), 1));
            painter->setBrush(colour);
            for (const ChartPoint &p : c.points) {
                if (p.tableIndex < 0)
                    continue;
                painter->drawEllipse(QPointF(x(p.distance), y(p.near)), 3, 3);
                painter->drawEllipse(QPointF(x(p.distance), y(ChartFar(d, p))), 3, 3);
            }
            // The hyperfocal distance, a short bar standing on the distance axis.
            if (c.hyperfocal >= d.xMin && c.hyperfocal <= d.xMax)
                painter->fillRect(QRectF(x(c.hyperfocal) - 1.5, plot.bottom() - 12, 3, 12), colour);
        }

        painter->setFont(m_font);
        painter->setPen(QColor(0x40, 0x40, 0x40));
        const QFontMetricsF metrics(m_font);
        for (const AxisTick &t : LogAxisTicks(d.xMin, d.xMax)) {
            const qreal w = metrics.horizontalAdvance(t.text);
            painter->drawText(QPointF(x(t.value) - w / 2, plot.bottom() + 4 + metrics.ascent()), t.text);
        }
        auto leftLabel = [&](const QString &text, qreal at) {
            const qreal w = metrics.horizontalAdvance(text);
            painter->drawText(QPointF(plot.left() - w - 6, at + metrics.ascent() / 2 - 1), text);
        };
        // The top edge is where far limits at infinity end: it reads "inf".
        for (const AxisTick &t : LogAxisTicks(d.yMin, d.yTop))
            if (!d.topIsInfinity || t.value < d.yTop * 0.999L)
                leftLabel(t.text, y(t.value));
        if (d.topIsInfinity)
            leftLabel(QStringLiteral("inf"), plot.top());
        painter->restore();
    }

private:
    QChart *m_chart;
    QFont m_font;
    const ChartData *m_data = nullptr;
    std::vector<QColor> m_colours;
    std::vector<bool> m_visible;
};

TFormGraphique::TFormGraphique(QWidget *parent) : QDialog(parent)
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
    m_chart->legend()->setAlignment(Qt::AlignRight);
    QFont small = m_chart->legend()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_chart->legend()->setFont(small);
    m_x = makeAxis(QStringLiteral("Distance de mise au point (m)"));
    m_y = makeAxis(QStringLiteral("Limites de netteté (m)"));
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_chart->addAxis(m_y, Qt::AlignLeft);
    m_marks = new ChartMarks(m_chart, m_x->labelsFont());
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

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("ChartView"));
    // Without antialiasing: 33 bands of a few hundred points each are
    // redrawn within a frame; the marks and labels keep theirs.
    m_view->setRenderHint(QPainter::Antialiasing, false);
    layout->addWidget(m_view, 1);

    m_statusBar = addStatusBar(this, layout);

    connect(exportBtn, &QPushButton::clicked, this, [this] { exportImage(); });
}

TFormGraphique::~TFormGraphique() = default;

void TFormGraphique::updateChart(const TableState &state)
{
    m_data = ChartSeries(state);
    m_fileName = TableFileName(state, QStringLiteral(".png"));
    if (m_series.size() != m_data.curves.size() || m_order != drawingOrder())
        rebuildSeries();
    fillSeries();
}

std::vector<int> TFormGraphique::drawingOrder() const
{
    std::vector<int> order(m_data.curves.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return m_data.curves[static_cast<size_t>(a)].fNumber > m_data.curves[static_cast<size_t>(b)].fNumber;
    });
    return order;
}

void TFormGraphique::rebuildSeries()
{
    m_chart->removeAllSeries();
    m_series.clear();
    m_order = drawingOrder();
    m_series.resize(m_data.curves.size());
    QLegend *legend = m_chart->legend();
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
        for (QLegendMarker *marker : legend->markers(s.area))
            connect(marker, &QLegendMarker::clicked, this,
                    [this, index] { setCurveVisible(index, !curveVisible(index)); });
        connect(s.area, &QAreaSeries::hovered, this,
                [this, index](const QPointF &at, bool state) { showTip(index, at.x(), state); });
    }
}

QAreaSeries *TFormGraphique::band(int curve) const
{
    return curve >= 0 && curve < static_cast<int>(m_series.size()) ? m_series[static_cast<size_t>(curve)].area
                                                                    : nullptr;
}

void TFormGraphique::fillSeries()
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

        const QColor colour = curve.beyondLimit ? kSilver : curveColour(static_cast<int>(i));
        // Past the diffraction limit the band is drawn dashed, in the
        // table's silver. Pens and names are set only when they change: each
        // setting lays the chart out again.
        if (s.colour != colour || s.dashed != curve.beyondLimit) {
            s.colour = colour;
            s.dashed = curve.beyondLimit;
            // Bands are nested (a smaller aperture holds a larger depth),
            // so opaque pale fills laid from the largest f-number up show
            // each band as the ring it adds; an opaque fill also costs a
            // fraction of a translucent one.
            const QColor fill = QColor::fromHsv(colour.hsvHue(), colour.hsvSaturation() / 4,
                                                curve.beyondLimit ? 240 : 250);
            // A cosmetic pen of one pixel is drawn without the stroker: the
            // bands' edges cost a fraction of a wide pen's.
            QPen edge(colour, 1, s.dashed ? Qt::DashLine : Qt::SolidLine);
            edge.setCosmetic(true);
            s.area->setPen(edge);
            s.area->setBrush(fill);
        }
        const QString name = QStringLiteral("n=") + curve.fNumberText + QStringLiteral("  (H ") +
                             curve.hyperfocalText + QStringLiteral(" m)");
        if (s.name != name) {
            s.name = name;
            s.area->setName(name);
        }
        applyVisibility(static_cast<int>(i));
    }
    updateMarks();
}

void TFormGraphique::updateMarks()
{
    std::vector<QColor> colours;
    std::vector<bool> visible;
    for (size_t i = 0; i < m_series.size(); ++i) {
        colours.push_back(m_series[i].colour);
        visible.push_back(curveVisible(static_cast<int>(i)));
    }
    m_marks->setData(&m_data, std::move(colours), std::move(visible));
}

void TFormGraphique::setCurveVisible(int curve, bool visible)
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

bool TFormGraphique::curveVisible(int curve) const
{
    if (curve < 0 || curve >= static_cast<int>(m_data.curves.size()))
        return false;
    return !m_hidden.contains(m_data.curves[static_cast<size_t>(curve)].fNumberText);
}

void TFormGraphique::applyVisibility(int curve)
{
    const CurveSeries &s = m_series[static_cast<size_t>(curve)];
    const bool visible = curveVisible(curve);
    if (s.area->isVisible() != visible)
        s.area->setVisible(visible);
    // A hidden f-number keeps its legend entry, greyed, to be clicked back;
    // the entry shows the band's full colour, not its faint fill.
    for (QLegendMarker *marker : m_chart->legend()->markers(s.area)) {
        marker->setVisible(true);
        const QBrush brush = visible ? QBrush(s.colour) : QBrush(Qt::transparent);
        if (marker->brush() != brush)
            marker->setBrush(brush);
        const QPen pen(s.colour, 1.5, s.dashed ? Qt::DashLine : Qt::SolidLine);
        if (marker->pen() != pen)
            marker->setPen(pen);
        const QBrush label = visible ? QBrush(Qt::black) : QBrush(Qt::gray);
        if (marker->labelBrush() != label)
            marker->setLabelBrush(label);
    }
}

QString TFormGraphique::tipAt(int curve, long double distance) const
{
    if (curve < 0 || curve >= static_cast<int>(m_data.curves.size()))
        return {};
    const ChartCurve &c = m_data.curves[static_cast<size_t>(curve)];
    const ChartPoint *p = NearestChartPoint(c, distance);
    return p ? ChartTip(m_data, c, *p) : QString();
}

void TFormGraphique::showTip(int curve, qreal distance, bool state)
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

void TFormGraphique::exportImage()
{
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
    });
}

void TFormGraphique::writeImage(const QString &path)
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
        const QRect page = painter.viewport();
        const QSize view = m_view->viewport()->size();
        const qreal scale = std::min(page.width() / qreal(view.width()), page.height() / qreal(view.height()));
        const QSizeF drawn(view.width() * scale, view.height() * scale);
        m_view->render(&painter, QRectF(QPointF((page.width() - drawn.width()) / 2,
                                                (page.height() - drawn.height()) / 2),
                                        drawn));
        painter.end();
    } else if (!m_view->grab().save(&file, "PNG")) {
        throw failed;
    }
    if (!commitSaveFile(file))
        throw failed;
}

} // namespace optolune
