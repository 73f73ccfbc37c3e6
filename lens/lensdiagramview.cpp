#include "lensdiagramview.h"

#include "core/language.h"
#include "core/numerictext.h"

#include <QCoreApplication>

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace optolune {

namespace {

constexpr double kHead = 5; // arrow head length, pixels

// Text on a light ground, so that a plane or an arrow behind it does not
// cross it out.
void text(QPainter &p, const QRectF &box, int flags, const QString &s)
{
    const QRectF used = p.boundingRect(box, flags, s).adjusted(-1, 0, 1, 0);
    p.fillRect(used, QColor(255, 255, 255, 220));
    p.drawText(box, flags, s);
}

void arrowHead(QPainter &p, QPointF tip, double direction)
{
    // direction: +1 points right, -1 left.
    const QPointF back(tip.x() - direction * kHead, tip.y());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(back.x(), back.y() - kHead / 2);
    head.lineTo(back.x(), back.y() + kHead / 2);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

// A dimension line from x1 to x2 at height y, its text above it. `oneWay`
// draws a single head at x2: a signed distance, from x1 to x2.
void dimension(QPainter &p, double x1, double x2, double y, const QString &label, bool oneWay)
{
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    const double toX2 = x2 >= x1 ? 1 : -1;
    arrowHead(p, QPointF(x2, y), toX2);
    if (!oneWay)
        arrowHead(p, QPointF(x1, y), -toX2);
    // Short ticks at both ends, so that a span of a few pixels still shows.
    p.drawLine(QPointF(x1, y - 4), QPointF(x1, y + 4));
    p.drawLine(QPointF(x2, y - 4), QPointF(x2, y + 4));
    const QRectF box((x1 + x2) / 2 - 90, y - 16, 180, 14);
    optolune::text(p, box, Qt::AlignHCenter | Qt::AlignBottom, label);
}

// A lens element: two arcs between its top and bottom, convex outward.
void element(QPainter &p, double centreX, double axisY, double halfWidth, double halfHeight)
{
    QPainterPath path;
    path.moveTo(centreX, axisY - halfHeight);
    path.quadTo(centreX + 2 * halfWidth, axisY, centreX, axisY + halfHeight);
    path.quadTo(centreX - 2 * halfWidth, axisY, centreX, axisY - halfHeight);
    p.fillPath(path, QColor(190, 220, 245));
    p.drawPath(path);
}

// A diameter measured across the axis at x: a vertical dimension line with
// a head at each end, its label beside its top end (entrance) or its bottom
// end (exit), outward from the other plane.
void diameter(QPainter &p, double x, double axisY, double half, const QString &label, bool labelLeft,
              bool atTop)
{
    const double top = axisY - half, bottom = axisY + half;
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
    QPainterPath heads;
    for (const auto &[tip, toward] : {std::pair{top, -1.0}, std::pair{bottom, 1.0}}) {
        heads.moveTo(x, tip);
        heads.lineTo(x - kHead / 2, tip - toward * kHead);
        heads.lineTo(x + kHead / 2, tip - toward * kHead);
        heads.closeSubpath();
        p.drawLine(QPointF(x - 4, tip), QPointF(x + 4, tip));
    }
    p.fillPath(heads, p.pen().color());
    const double y = atTop ? top : bottom - 14;
    const QRectF box = labelLeft ? QRectF(x - 6 - 120, y, 120, 14) : QRectF(x + 6, y, 120, 14);
    text(p, box, (labelLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, label);
}

// A length as the user's language writes it.
QString mm(long double value) { return LocalNumbers(GeneralText(ToNumber(FixedText(value, 15, 1)))); }

} // namespace

void paintLensDiagram(QPainter &p, const QRectF &area, const std::optional<LensData> &data)
{
    p.save();
    p.setClipRect(area);
    p.fillRect(area, Qt::white);
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);

    const LensDiagramLayout l =
        data ? LayoutLensDiagram(*data, area) : LensDiagramLayout{};
    const double axisY = data ? l.axisY : area.center().y();

    // The axis, dash-dotted, from the subject to the film.
    p.setPen(QPen(Qt::darkGray, 1, Qt::DashDotLine));
    p.drawLine(QPointF(area.left() + 4, axisY), QPointF(area.right() - 4, axisY));
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left() + 4, axisY + 2, 60, 14), Qt::AlignLeft, QCoreApplication::translate("LensDiagram", "Sujet"));
    p.drawText(QRectF(area.right() - 64, axisY + 2, 60, 14), Qt::AlignRight, QCoreApplication::translate("LensDiagram", "Film"));
    if (!data) {
        p.drawText(area, Qt::AlignCenter, QCoreApplication::translate("LensDiagram", "Pas de valeurs calculées"));
        p.restore();
        return;
    }

    // The body, from the first vertex to the last, with a few elements.
    const QRectF body(l.v1X, axisY - l.bodyHalf, l.v2X - l.v1X, 2 * l.bodyHalf);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kBodyColour);
    p.drawRoundedRect(body, 3, 3);
    p.setBrush(Qt::NoBrush);
    const int elements = body.width() > 60 ? 3 : body.width() > 24 ? 2 : 1;
    for (int i = 0; i < elements; ++i) {
        const double x = l.v1X + body.width() * (i + 1) / (elements + 1);
        const double half = std::min(body.width() / (2.0 * (elements + 1)), 0.4 * l.bodyHalf) * 0.5;
        element(p, x, axisY, half, l.bodyHalf * 0.85);
    }
    // Above everything, e from V1 to V2, the vertices named at its ends.
    const double rowE = body.top() - 28;
    dimension(p, l.v1X, l.v2X, rowE, QStringLiteral("e = ") + mm(data->e), false);
    p.drawText(QRectF(l.v1X - 36, rowE - 7, 30, 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("V1"));
    p.drawText(QRectF(l.v2X + 6, rowE - 7, 30, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("V2"));
    p.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    p.drawLine(QPointF(l.v1X, rowE), QPointF(l.v1X, body.top()));
    p.drawLine(QPointF(l.v2X, rowE), QPointF(l.v2X, body.top()));

    // The principal planes, dashed, from above the body to the rows of the
    // distances below it.
    const double planeTop = body.top() - 8;
    const double rowH = body.bottom() + 20, rowHPrime = rowH + 17, rowDn = rowHPrime + 17;
    p.setPen(QPen(kPlaneColour, 1.5, Qt::DashLine));
    p.drawLine(QPointF(l.hX, planeTop), QPointF(l.hX, rowDn + 4));
    p.drawLine(QPointF(l.hPrimeX, planeTop), QPointF(l.hPrimeX, rowDn + 4));
    p.setPen(kPlaneColour);
    // The two labels part when the planes are close, H' always on its side.
    const bool hFirst = l.hX <= l.hPrimeX;
    text(p, QRectF(l.hX - (hFirst ? 24 : 0), planeTop - 14, 24, 14),
         (hFirst ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom, QStringLiteral("H"));
    text(p, QRectF(l.hPrimeX - (hFirst ? 0 : 24), planeTop - 14, 24, 14),
         (hFirst ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom, QStringLiteral("H'"));

    p.setPen(Qt::black);
    dimension(p, l.v1X, l.hX, rowH, QStringLiteral("h = ") + mm(data->h), false);
    dimension(p, l.v2X, l.hPrimeX, rowHPrime, QStringLiteral("h' = ") + mm(data->hPrime), false);
    p.setPen(kPlaneColour);
    dimension(p, l.hX, l.hPrimeX, rowDn,
              l.crossed ? QCoreApplication::translate("LensDiagram", "dn = %1 (plans croisés)").arg(mm(data->dn()))
                        : QStringLiteral("dn = ") + mm(data->dn()),
              true);

    // The pupils: the data gives their diameters, not where they lie. Each
    // diameter is measured on a principal plane, the entrance's on H and the
    // exit's on H', and a line under the drawing says so.
    p.setPen(QPen(kPupilColour, 1.5));
    const bool entranceLeft = l.hX <= l.hPrimeX;
    diameter(p, l.hX, axisY, l.entranceHalf, QCoreApplication::translate("LensDiagram", "⌀ entrée %1").arg(mm(data->entrance)),
             entranceLeft, true);
    diameter(p, l.hPrimeX, axisY, l.exitHalf, QCoreApplication::translate("LensDiagram", "⌀ sortie %1").arg(mm(data->exit)),
             !entranceLeft, false);
    text(p, QRectF(area.left() + 4, area.bottom() - 16, area.width() - 8, 14),
         Qt::AlignHCenter | Qt::AlignBottom,
         QCoreApplication::translate("LensDiagram", "⌀ : diamètres des pupilles, portés sur H et H' (les données ne donnent pas leur position)"));
    p.restore();
}

LensDiagramView::LensDiagramView(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(520, 200);
}

void LensDiagramView::setData(const std::optional<LensData> &data)
{
    m_data = data;
    update();
}

void LensDiagramView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintLensDiagram(painter, QRectF(rect()), m_data);
}

} // namespace optolune
