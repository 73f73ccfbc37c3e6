#include "chartwindow.h"
#include "chartmarks.h"
#include "core/language.h"

#include <QChartView>
#include <QAreaSeries>
#include <QCursor>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolTip>
#include <cmath>

namespace optolune {

void ChartWindow::updateMarks()
{
    std::vector<ChartMarks::Curve> curves;
    for (size_t i = 0; i < m_series.size(); ++i) {
        const ChartCurve &c = m_data.curves[i];
        curves.push_back({m_series[i].pen, curveVisible(static_cast<int>(i)), m_series[i].name,
                          LocalNumbers(QStringLiteral("n=") + c.fNumberText)});
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

} // namespace optolune
