// The depth-of-field chart window, non-modal over the table window: for each
// f-number of the table, the band between the near and far limits of
// sharpness against the focusing distance, on logarithmic axes in metres. It
// follows every refresh of the table while it is open (updateChart) and
// closes with it. The curves come from ChartSeries (chartseries.h); this
// window only turns them into series, labels the axes with the decimal comma
// and exports the picture.
#pragma once

#include "table/chartseries.h"

#include <QDialog>
#include <QSet>
#include <vector>

class QAreaSeries;
class QChart;
class QChartView;
class QLineSeries;
class QLogValueAxis;
class QStatusBar;

namespace optolune {

struct TableState;

class ChartMarks;

class TFormGraphique : public QDialog {
public:
    explicit TFormGraphique(QWidget *parent = nullptr);
    ~TFormGraphique() override;

    // Recomputes the curves of the table the state describes and shows them.
    void updateChart(const TableState &state);

    const ChartData &chartData() const { return m_data; }
    QChart *chart() const { return m_chart; }
    QChartView *view() const { return m_view; }

    // An f-number hidden from the chart (a click on its legend entry); it
    // stays hidden across refreshes while the window lives.
    void setCurveVisible(int curve, bool visible);
    bool curveVisible(int curve) const;

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
        QColor colour;
        bool dashed = false;
    };
    std::vector<int> drawingOrder() const;
    void rebuildSeries();
    void fillSeries();
    void applyVisibility(int curve);
    void updateMarks();
    void showTip(int curve, qreal distance, bool state);

    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
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
