// The depth-of-field chart window, non-modal over the table window: for each
// f-number of the table, the band between the near and far limits of
// sharpness against the focusing distance, on logarithmic axes in metres. It
// follows every refresh of the table while it is open (updateChart) and
// closes with it. The curves come from ChartSeries (chartseries.h); this
// window only turns them into series, labels the axes with the decimal comma
// and exports the picture.
#pragma once

#include "chartseries.h"

#include <QDialog>
#include <QPen>
#include <QSet>
#include <functional>
#include <vector>

class QAreaSeries;
class QChart;
class QLabel;
class QChartView;
class QLineSeries;
class QLogValueAxis;
class QStatusBar;

namespace optolune {

struct TableState;

class ChartMarks;

class ChartWindow : public QDialog {
    Q_OBJECT
public:
    explicit ChartWindow(QWidget *parent = nullptr);
    ~ChartWindow() override;

    // Recomputes the curves of the table the state describes and shows them,
    // under the title lines of the printed table (the lens references as the
    // title; the comment when `withComment`, as CheckComment asks the print).
    void updateChart(const TableState &state, bool withComment = false);

    // What an export runs first: the table window's refresh, which checks the
    // fields and recomputes the table (the chart follows it). When it returns
    // false nothing is exported; its message said why.
    void setRefresh(std::function<bool()> refresh) { m_refresh = std::move(refresh); }

    const ChartData &chartData() const { return m_data; }
    QChart *chart() const { return m_chart; }
    QChartView *view() const { return m_view; }

    // The picture exported: the title lines above the chart.
    QWidget *page() const { return m_page; }
    QLabel *titleLines() const { return m_titleLines; }

    // An f-number hidden from the chart (a click on its legend entry); it
    // stays hidden across refreshes while the window lives.
    void setCurveVisible(int curve, bool visible);
    bool curveVisible(int curve) const;

    // The legend beside the plot: one entry per f-number, in columns as
    // many as the window's height needs, then the entries of the marks. The
    // texts and the rectangles (in the view's coordinates) of the entries as
    // drawn; an entry of an f-number is `curve` its index, the marks' -1.
    struct LegendEntry {
        QString text;
        int curve = -1;
        QRectF rect;
    };
    std::vector<LegendEntry> legendEntries() const;
    // The pen a band's edge is drawn with: its colour and its dash pattern.
    QPen curvePen(int curve) const;

    // The band of a curve (an index of chartData().curves).
    QAreaSeries *band(int curve) const;

    // The tooltip shown when the mouse is over a curve at this distance.
    QString tipAt(int curve, long double distance) const;

    // "Exporter l'image...": asks for a file in Tables/ and writes the chart
    // there, PDF for a ".pdf" name, PNG otherwise.
    void exportImage();
    // Writes the chart to path; PDF or PNG by the extension. Throws
    // UserError when the file cannot be written (a previous file stays).
    void writeImage(const QString &path);

private:
    // One band per f-number; the dots of the table's distances, the
    // hyperfocal marks and the axis labels are drawn by ChartMarks.
    struct CurveSeries {
        QLineSeries *upper = nullptr;
        QLineSeries *lower = nullptr;
        QAreaSeries *area = nullptr;
        QString name;      // as set, so that an unchanged band is left alone
        QPen pen; // the edge, as set
    };
    std::vector<int> drawingOrder() const;
    void rebuildSeries();
    void fillSeries();
    void applyVisibility(int curve);
    void updateMarks();
    void layoutLegend();
    void showTip(int curve, qreal distance, bool state);
    bool eventFilter(QObject *watched, QEvent *event) override;

    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
    QWidget *m_page = nullptr;
    QLabel *m_titleLines = nullptr;
    std::function<bool()> m_refresh;
    QLogValueAxis *m_x = nullptr;
    QLogValueAxis *m_y = nullptr;
    QStatusBar *m_statusBar = nullptr;
    std::vector<CurveSeries> m_series; // by curve
    std::vector<int> m_order;          // curves in the order their bands are drawn
    ChartMarks *m_marks = nullptr;
    ChartData m_data;
    QSet<QString> m_hidden; // f-numbers hidden by the user
    QString m_fileName;     // the table's file name, for the export
    QSizeF m_drawnPlotSize; // the plot's size the bands' points were thinned for
};

} // namespace optolune
