#include "toolbar/spots/arrowicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace toolbar {

namespace {

QPixmap arrowPixmap(Qt::ArrowType direction, const QColor &color, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    // A chevron with a stem, pointing up; mirrored for down.
    QPainterPath path;
    path.moveTo(0.5 * s, 0.18 * s);
    path.lineTo(0.84 * s, 0.52 * s);
    path.moveTo(0.5 * s, 0.18 * s);
    path.lineTo(0.16 * s, 0.52 * s);
    path.moveTo(0.5 * s, 0.2 * s);
    path.lineTo(0.5 * s, 0.84 * s);
    if (direction == Qt::DownArrow) {
        painter.translate(0, s);
        painter.scale(1, -1);
    }
    QPen pen(color, qMax(1.5, s / 9.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPath(path);
    return pixmap;
}

} // namespace

QIcon arrowIcon(Qt::ArrowType direction, const QColor &color)
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64})
        icon.addPixmap(arrowPixmap(direction, color, side));
    QColor faded = color;
    faded.setAlphaF(0.35f);
    for (int side : {16, 24, 32, 48, 64})
        icon.addPixmap(arrowPixmap(direction, faded, side), QIcon::Disabled);
    return icon;
}

} // namespace toolbar
