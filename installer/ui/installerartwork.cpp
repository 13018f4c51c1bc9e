#include "installer/ui/installerartwork.h"

#include "assets/dropartwork.h"

#include <QLinearGradient>
#include <QPainter>

namespace setup {

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
    // The program's own drop, falling into the carton from the top of the picture.
    paintWaterDrop(painter, QRectF(23.75, 1.5, 52.5, 52.5));
    return pixmap;
}

} // namespace setup
