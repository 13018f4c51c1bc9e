#include "toolbar/help/aboutbanner.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace toolbar {

namespace {
// The squares take the colours a new user's spots usually get.
const std::array<QColor, 6> SpotColors{QColor(255, 0, 0), QColor(255, 160, 0), QColor(255, 255, 0),
                                       QColor(0, 200, 0), QColor(0, 160, 255), QColor(200, 0, 255)};

void paintSpot(QPainter &painter, const QRectF &square, const QColor &color)
{
    QLinearGradient shade(square.topLeft(), square.bottomRight());
    shade.setColorAt(0, color.lighter(130));
    shade.setColorAt(1, color.darker(130));
    painter.setPen(QPen(color.lighter(160), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(square, 4, 4);
}

void paintDropArrow(QPainter &painter, const QRectF &square)
{
    // A downward arrow into the middle square: something dropped onto a spot.
    const QPointF centre = square.center();
    const qreal unit = square.height() / 6;
    const QPolygonF arrow{{centre.x() - unit, centre.y() - 2 * unit},
                          {centre.x() + unit, centre.y() - 2 * unit},
                          {centre.x() + unit, centre.y()},
                          {centre.x() + 2 * unit, centre.y()},
                          {centre.x(), centre.y() + 2 * unit},
                          {centre.x() - 2 * unit, centre.y()},
                          {centre.x() - unit, centre.y()}};
    painter.setPen(QPen(QColor(64, 64, 64), 1.5));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}
} // namespace

QPixmap aboutBanner(const QSize &size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal side = size.height() - 8.0;
    const qreal count = static_cast<qreal>(SpotColors.size());
    const qreal gap = (size.width() - count * side) / (count + 1);
    for (std::size_t i = 0; i < SpotColors.size(); ++i) {
        const QRectF square(gap + static_cast<qreal>(i) * (side + gap), 4.0, side, side);
        paintSpot(painter, square, SpotColors[i]);
        if (i == 2)
            paintDropArrow(painter, square);
    }
    return pixmap;
}

} // namespace toolbar
