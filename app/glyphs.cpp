#include "glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace optolune {

QIcon glyphIcon(Glyph glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 32.0; // drawn on a 32 x 32 grid
    p.scale(u, u);
    QPen pen(QColor(0x20, 0x30, 0x60), 2);
    p.setPen(pen);
    switch (glyph) {
    case Glyph::Table: // a grid with its header row and column
        p.fillRect(QRectF(4, 4, 24, 6), QColor(0xc0, 0xc0, 0xc0));
        p.fillRect(QRectF(4, 4, 7, 24), QColor(0xc0, 0xc0, 0xc0));
        p.drawRect(QRectF(4, 4, 24, 24));
        for (qreal x : {11.0, 17.5, 23.0})
            p.drawLine(QPointF(x, 4), QPointF(x, 28));
        for (qreal y : {10.0, 16.0, 22.0})
            p.drawLine(QPointF(4, y), QPointF(28, y));
        break;
    case Glyph::Variations: { // a depth curve over its axes
        p.drawLine(QPointF(5, 27), QPointF(28, 27));
        p.drawLine(QPointF(5, 27), QPointF(5, 4));
        QPainterPath curve(QPointF(6, 25));
        curve.cubicTo(QPointF(14, 24), QPointF(20, 16), QPointF(27, 5));
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2.5));
        p.drawPath(curve);
        break;
    }
    case Glyph::Notes: // a written page
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 18, 26));
        for (qreal y : {9.0, 14.0, 19.0, 24.0})
            p.drawLine(QPointF(10, y), QPointF(22, y));
        break;
    case Glyph::Quit: // a cross
        p.setPen(QPen(QColor(0xa0, 0x10, 0x10), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
        break;
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace optolune
