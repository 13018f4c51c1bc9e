#include "assets/dropartwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
// The drop is designed on a square of this many units and scaled to the square asked for.
constexpr qreal DesignSide = 256.0;
} // namespace

void paintWaterDrop(QPainter &painter, const QRectF &square)
{
    painter.save();
    painter.translate(square.topLeft());
    painter.scale(square.width() / DesignSide, square.height() / DesignSide);

    QPainterPath drop;
    drop.moveTo(128, 12);
    drop.cubicTo(146, 58, 210, 104, 210, 164);
    drop.arcTo(QRectF(46, 82, 164, 164), 0, -180);
    drop.cubicTo(46, 104, 110, 58, 128, 12);

    QRadialGradient water(QPointF(104, 140), 150, QPointF(96, 128));
    water.setColorAt(0.0, QColor(150, 215, 255));
    water.setColorAt(0.55, QColor(45, 140, 235));
    water.setColorAt(1.0, QColor(15, 75, 180));
    painter.setBrush(water);
    painter.setPen(QPen(QColor(10, 45, 115), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(drop);

    // A glint on the upper left of the bulb.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.translate(92, 160);
    painter.rotate(25);
    painter.drawEllipse(QRectF(-16, -34, 32, 68));
    painter.restore();
}
