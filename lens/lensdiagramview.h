// The drawing of the lens window: the optical axis (subject on the left,
// film on the right), the lens body between its first and last vertex, the
// principal planes H and H' with the distances h, h', e and dn, all to scale
// from the last computed data (LayoutLensDiagram places them). The data
// gives the pupils' diameters but not their places: each diameter is
// measured on a principal plane (the entrance's on H, the exit's on H') and
// labelled as a diameter, and a line under the drawing says so.
#pragma once

#include "lensdata.h"

#include <QColor>
#include <QRectF>
#include <QWidget>
#include <optional>

class QPainter;

namespace optolune {

// The colours a test can look for.
inline const QColor kPlaneColour(0, 0, 170);    // H and H'
inline const QColor kPupilColour(200, 0, 0);    // the pupil diameters
inline const QColor kBodyColour(215, 215, 215); // the lens body

// Paints the drawing into the area (nothing outside it). Without data, only
// the axis and a line saying that nothing has been computed.
void paintLensDiagram(QPainter &painter, const QRectF &area,
                      const std::optional<LensData> &data);

// The widget that shows the drawing, in the window's scroll area.
class LensDiagramView : public QWidget {
    Q_OBJECT
public:
    explicit LensDiagramView(QWidget *parent = nullptr);
    void setData(const std::optional<LensData> &data);
    const std::optional<LensData> &data() const { return m_data; }
    QSize sizeHint() const override { return QSize(520, 200); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<LensData> m_data;
};

} // namespace optolune
