#include "installerartwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// Everything is drawn on a 100-unit square and scaled to the size asked for.
void paintCarton(QPainter &painter)
{
    const QPen outline(QColor(90, 55, 20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(outline);

    QPolygonF back{{20, 52}, {80, 52}, {88, 44}, {12, 44}};
    painter.setBrush(QColor(160, 110, 55));
    painter.drawPolygon(back);

    QLinearGradient side(0, 52, 0, 94);
    side.setColorAt(0, QColor(222, 170, 100));
    side.setColorAt(1, QColor(190, 135, 70));
    painter.setBrush(side);
    painter.drawRect(QRectF(20, 52, 60, 42));

    painter.setBrush(QColor(235, 190, 125));
    painter.drawPolygon(QPolygonF{{20, 52}, {6, 64}, {8, 70}, {20, 60}});
    painter.drawPolygon(QPolygonF{{80, 52}, {94, 64}, {92, 70}, {80, 60}});

    painter.setPen(QPen(QColor(150, 100, 45), 1.5));
    painter.drawLine(QPointF(32, 70), QPointF(68, 70));
}

void paintDrop(QPainter &painter)
{
    QPainterPath drop;
    drop.moveTo(50, 4);
    drop.cubicTo(56, 16, 68, 24, 68, 34);
    drop.arcTo(QRectF(32, 16, 36, 36), 0, -180);
    drop.cubicTo(32, 24, 44, 16, 50, 4);

    QRadialGradient water(QPointF(45, 30), 26, QPointF(43, 28));
    water.setColorAt(0.0, QColor(150, 215, 255));
    water.setColorAt(0.6, QColor(45, 140, 235));
    water.setColorAt(1.0, QColor(15, 75, 180));
    painter.setBrush(water);
    painter.setPen(QPen(QColor(10, 45, 115), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(drop);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawEllipse(QRectF(40, 28, 6, 11));
}

} // namespace

QPixmap InstallerArtwork(int size, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    paintCarton(painter);
    paintDrop(painter);
    return pixmap;
}
