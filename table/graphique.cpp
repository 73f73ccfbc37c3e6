#include "graphique.h"

#include "tablefiles.h"
#include "tablestate.h"
#include "core/apppaths.h"
#include "core/messages.h"
#include "core/usererror.h"
#include "core/widgets.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
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
    // placeLabels); its built-in ones only keep their room, unseen.
    axis->setLabelFormat(QStringLiteral("%.2f"));
    axis->setLabelsBrush(Qt::transparent);
    axis->setMinorGridLinePen(QPen(QColor(0xE4, 0xE4, 0xE4), 1));
    return axis;
}

bool isPdf(const QString &path) { return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive); }

} // namespace

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
    connect(m_chart, &QChart::plotAreaChanged, this, [this] { placeLabels(); });

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("ChartView"));
    m_view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(m_view, 1);

    m_statusBar = make<QStatusBar>(this, "StatusBar");
    m_statusBar->setSizeGripEnabled(false);
    layout->addWidget(m_statusBar);
    routeStatusTips(this, m_statusBar);

    connect(exportBtn, &QPushButton::clicked, this, [this] { exportImage(); });
}

TFormGraphique::~TFormGraphique() = default;

void TFormGraphique::updateChart(const TableState &state)
{
    m_data = ChartSeries(state);
    m_fileName = TableFileName(state, QStringLiteral(".png"));
    if (m_series.size() != m_data.curves.size())
        rebuildSeries();
    fillSeries();
    placeLabels();
}

void TFormGraphique::rebuildSeries()
{
    m_chart->removeAllSeries();
    m_series.clear();
    QLegend *legend = m_chart->legend();
    for (size_t i = 0; i < m_data.curves.size(); ++i) {
        const int index = static_cast<int>(i);
        CurveSeries s;
        s.upper = new QLineSeries;
        s.lower = new QLineSeries;
        s.area = new QAreaSeries(s.upper, s.lower);
        s.upper->setParent(s.area);
        s.lower->setParent(s.area);
        s.dots = new QScatterSeries;
        s.dots->setMarkerSize(6);
        s.hyperfocal = new QLineSeries;
        for (QAbstractSeries *series : {static_cast<QAbstractSeries *>(s.area),
                                        static_cast<QAbstractSeries *>(s.dots),
                                        static_cast<QAbstractSeries *>(s.hyperfocal)}) {
            m_chart->addSeries(series);
            series->attachAxis(m_x);
            series->attachAxis(m_y);
        }
        for (QAbstractSeries *series : {static_cast<QAbstractSeries *>(s.dots),
                                        static_cast<QAbstractSeries *>(s.hyperfocal)})
            for (QLegendMarker *marker : legend->markers(series))
                marker->setVisible(false);
        for (QLegendMarker *marker : legend->markers(s.area))
            connect(marker, &QLegendMarker::clicked, this,
                    [this, index] { setCurveVisible(index, !curveVisible(index)); });
        connect(s.area, &QAreaSeries::hovered, this,
                [this, index](const QPointF &at, bool state) { showTip(index, at.x(), state); });
        connect(s.dots, &QScatterSeries::hovered, this,
                [this, index](const QPointF &at, bool state) { showTip(index, at.x(), state); });
        m_series.push_back(s);
    }
}

void TFormGraphique::fillSeries()
{
    QString title = ChartTitle(m_data).toHtmlEscaped();
    title.replace(u'\n', QStringLiteral("<br>"));
    m_chart->setTitle(title);
    m_x->setRange(static_cast<qreal>(m_data.xMin), static_cast<qreal>(m_data.xMax));
    m_y->setRange(static_cast<qreal>(m_data.yMin), static_cast<qreal>(m_data.yTop));
    // The hyperfocal mark rises 4 % of the axis from the bottom edge.
    const qreal markTop = static_cast<qreal>(
        m_data.yMin * std::pow(m_data.yTop / m_data.yMin, 0.04L));

    QList<QPointF> upper, lower, dots;
    for (size_t i = 0; i < m_series.size(); ++i) {
        const ChartCurve &curve = m_data.curves[i];
        const CurveSeries &s = m_series[i];
        upper.clear();
        lower.clear();
        dots.clear();
        for (const ChartPoint &p : curve.points) {
            const qreal x = static_cast<qreal>(p.distance);
            const qreal far = static_cast<qreal>(ChartFar(m_data, p));
            upper.append(QPointF(x, far));
            lower.append(QPointF(x, static_cast<qreal>(p.near)));
            if (p.tableIndex >= 0) {
                dots.append(QPointF(x, static_cast<qreal>(p.near)));
                dots.append(QPointF(x, far));
            }
        }
        s.upper->replace(upper);
        s.lower->replace(lower);
        s.dots->replace(dots);
        if (curve.hyperfocal >= m_data.xMin && curve.hyperfocal <= m_data.xMax) {
            const qreal h = static_cast<qreal>(curve.hyperfocal);
            s.hyperfocal->replace({QPointF(h, static_cast<qreal>(m_data.yMin)), QPointF(h, markTop)});
        } else {
            s.hyperfocal->clear();
        }

        const QColor colour = curve.beyondLimit ? kSilver : curveColour(static_cast<int>(i));
        QColor fill = colour;
        fill.setAlpha(curve.beyondLimit ? 30 : 40);
        // Past the diffraction limit the band is drawn dashed, in the
        // table's silver.
        QPen edge(colour, 1.6, curve.beyondLimit ? Qt::DashLine : Qt::SolidLine);
        s.area->setPen(edge);
        s.area->setBrush(fill);
        s.area->setName(QStringLiteral("n=") + curve.fNumberText + QStringLiteral("  (H ") +
                        curve.hyperfocalText + QStringLiteral(" m)"));
        s.dots->setColor(colour);
        s.dots->setBorderColor(colour.darker(130));
        s.hyperfocal->setPen(QPen(colour, 4));
        applyVisibility(static_cast<int>(i));
    }
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
    s.area->setVisible(visible);
    s.dots->setVisible(visible);
    s.hyperfocal->setVisible(visible);
    // A hidden f-number keeps its legend entry, greyed, to be clicked back.
    const ChartCurve &c = m_data.curves[static_cast<size_t>(curve)];
    const QColor colour = c.beyondLimit ? kSilver : curveColour(curve);
    for (QLegendMarker *marker : m_chart->legend()->markers(s.area)) {
        marker->setVisible(true);
        // The entry in the curve's full colour, not its faint fill.
        marker->setBrush(visible ? colour : QColor(Qt::transparent));
        marker->setPen(QPen(colour, c.beyondLimit ? 1 : 1.5, c.beyondLimit ? Qt::DashLine : Qt::SolidLine));
        marker->setLabelBrush(visible ? QBrush(Qt::black) : QBrush(Qt::gray));
    }
    for (QAbstractSeries *series : {static_cast<QAbstractSeries *>(s.dots),
                                    static_cast<QAbstractSeries *>(s.hyperfocal)})
        for (QLegendMarker *marker : m_chart->legend()->markers(series))
            marker->setVisible(false);
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

void TFormGraphique::placeLabels()
{
    for (QGraphicsSimpleTextItem *item : m_labels)
        delete item;
    m_labels.clear();
    const QRectF plot = m_chart->plotArea();
    if (plot.isEmpty() || m_data.xMax <= m_data.xMin || m_data.yTop <= m_data.yMin)
        return;
    const QFont font = m_x->labelsFont();
    auto add = [&](const QString &text) {
        auto *item = new QGraphicsSimpleTextItem(text, m_chart);
        item->setFont(font);
        item->setBrush(QColor(0x40, 0x40, 0x40));
        m_labels.push_back(item);
        return item;
    };
    const long double xSpan = std::log(m_data.xMax / m_data.xMin);
    for (const AxisTick &t : LogAxisTicks(m_data.xMin, m_data.xMax)) {
        const qreal x = plot.left() + plot.width() * static_cast<qreal>(std::log(t.value / m_data.xMin) / xSpan);
        auto *item = add(t.text);
        item->setPos(x - item->boundingRect().width() / 2, plot.bottom() + 4);
    }
    const long double ySpan = std::log(m_data.yTop / m_data.yMin);
    auto yPos = [&](long double v) {
        return plot.bottom() - plot.height() * static_cast<qreal>(std::log(v / m_data.yMin) / ySpan);
    };
    // The top edge is where far limits at infinity end: it reads "inf".
    for (const AxisTick &t : LogAxisTicks(m_data.yMin, m_data.yTop)) {
        if (m_data.topIsInfinity && t.value >= m_data.yTop * 0.999L)
            continue;
        auto *item = add(t.text);
        item->setPos(plot.left() - item->boundingRect().width() - 6,
                     yPos(t.value) - item->boundingRect().height() / 2);
    }
    if (m_data.topIsInfinity) {
        auto *inf = add(QStringLiteral("inf"));
        inf->setPos(plot.left() - inf->boundingRect().width() - 6,
                    plot.top() - inf->boundingRect().height() / 2);
    }
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
        m_view->render(&painter, QRectF(0, 0, view.width() * scale, view.height() * scale));
        painter.end();
    } else if (!m_view->grab().save(&file, "PNG")) {
        throw failed;
    }
    if (!file.commit())
        throw failed;
}

} // namespace optolune
