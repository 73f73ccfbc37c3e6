// ChartMarks: the graphics item the chart window lays over its plot, which
// draws the table's dots, the hyperfocal marks, the axis labels in the
// decimal comma and the legend. Shared by the chart window's files only.
#pragma once

#include "chartseries.h"

#include <QChart>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>
#include <vector>

namespace optolune {

inline const QColor kMarkInk(0x40, 0x40, 0x40);

// The dots of the table's distances: discs of three pixels' radius in the
// curve's colour, ringed a shade darker. The largest table has thousands;
// on screen each is copied from a small picture of the dot drawn once at
// the same offset within its pixel (to an eighth of a pixel), instead of
// being rasterised again; there are at most 64 pictures a colour, a few
// kilobytes. Other devices (a PDF) and scaled painters draw true ellipses.
class ChartDots {
public:
    void add(const QPointF &centre, const QColor &colour) { m_pending.push_back({centre, colour.rgba()}); }

    // Draws the dots added since the last call, in their order.
    void draw(QPainter &painter)
    {
        const QTransform device = painter.deviceTransform();
        const bool blit = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
                          device.type() <= QTransform::TxTranslate;
        if (!blit) {
            for (const Pending &p : m_pending) {
                const QColor colour = QColor::fromRgba(p.rgba);
                painter.setPen(QPen(colour.darker(130), 1));
                painter.setBrush(colour);
                painter.drawEllipse(p.centre, kRadius, kRadius);
            }
            m_pending.clear();
            return;
        }
        // The painter's own translation is kept: the picture goes where its
        // pixel lies on the device, less that translation.
        const QPointF shift(device.dx(), device.dy());
        for (const Pending &p : m_pending) {
            const QPointF at = device.map(p.centre);
            // The picture of the dot whose offset is nearest the true centre's.
            const long long qx = std::llround(at.x() * kPhases), qy = std::llround(at.y() * kPhases);
            const long long ix = floorDiv(qx), iy = floorDiv(qy);
            const int phaseX = static_cast<int>(qx - ix * kPhases), phaseY = static_cast<int>(qy - iy * kPhases);
            painter.drawImage(QPointF(static_cast<qreal>(ix - kMargin), static_cast<qreal>(iy - kMargin)) - shift,
                              sprite(p.rgba, phaseX, phaseY));
        }
        m_pending.clear();
    }

private:
    static constexpr qreal kRadius = 3;
    static constexpr int kPhases = 8; // offsets within a pixel on each axis
    static constexpr int kMargin = 5; // pixels around the centre's pixel
    struct Pending {
        QPointF centre;
        QRgb rgba;
    };
    static long long floorDiv(long long q) { return q >= 0 ? q / kPhases : -((-q + kPhases - 1) / kPhases); }

    const QImage &sprite(QRgb rgba, int phaseX, int phaseY)
    {
        const quint64 key = (quint64(rgba) << 16) | quint64(phaseX << 8) | quint64(phaseY);
        auto found = m_sprites.find(key);
        if (found != m_sprites.end())
            return found->second;
        QImage image(2 * kMargin + 1, 2 * kMargin + 1, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = QColor::fromRgba(rgba);
        painter.setPen(QPen(colour.darker(130), 1));
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(kMargin + qreal(phaseX) / kPhases, kMargin + qreal(phaseY) / kPhases),
                            kRadius, kRadius);
        painter.end();
        return m_sprites.emplace(key, std::move(image)).first->second;
    }

    std::vector<Pending> m_pending;
    std::unordered_map<quint64, QImage> m_sprites;
};

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
            texts.push_back(hyperfocalMark());
        if (m_data && m_data->farBeyondTop)
            texts.push_back(beyondScaleMark());
        if (m_data && m_data->topIsInfinity)
            texts.push_back(QCoreApplication::translate("ChartMarks", "inf : net jusqu'à l'infini"));
        return texts;
    }
    static QString hyperfocalMark() { return QCoreApplication::translate("ChartMarks", "hyperfocale H"); }
    static QString beyondScaleMark()
    {
        return QCoreApplication::translate("ChartMarks", "lointain au-delà de l'échelle");
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
            for (const ChartPoint &p : c.points) {
                if (p.tableIndex < 0)
                    continue;
                m_dots.add(QPointF(x(p.distance), y(p.near)), colour);
                m_dots.add(QPointF(x(p.distance), y(ChartFar(d, p))), colour);
            }
            m_dots.draw(painter);
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
            if (mark == hyperfocalMark())
                painter.fillRect(QRectF(r.left() + kSample / 2 - 1.5, mid - 6, 3, 12), kMarkInk);
            else if (mark == beyondScaleMark())
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
    ChartDots m_dots;
    QFont m_font;
    const ChartData *m_data = nullptr;
    std::vector<Curve> m_curves;
    std::vector<Entry> m_entries;
    bool m_compact = false;
};

} // namespace optolune
