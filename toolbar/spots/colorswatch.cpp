#include "toolbar/spots/colorswatch.h"

#include "desktop/qtwidgetext.h"
#include "toolbar/spots/spotcolor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace toolbar {

ColorSwatch::ColorSwatch(int sideTwips, Kind kind, QWidget *parent)
    : QWidget(parent), m_side(twipsToPixels(*this, sideTwips)), m_kind(kind)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    if (m_kind == Kind::Clickable) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    }
    setColorValue(m_value);
}

void ColorSwatch::setColorValue(std::int32_t value)
{
    m_value = value;
    const QColor color = colorFromValue(value);
    setAccessibleDescription(color.name());
    update();
}

QSize ColorSwatch::sizeHint() const
{
    return {m_side, m_side};
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool hot = m_kind == Kind::Clickable && (underMouse() || hasFocus());
    const QColor frame = hot ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    const qreal width = hot ? 2.0 : 1.0;
    const QRectF box = QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    painter.setPen(QPen(frame, width));
    painter.setBrush(colorFromValue(m_value));
    painter.drawRoundedRect(box, 3, 3);
    if (m_pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(box, 3, 3);
    }
}

void ColorSwatch::mousePressEvent(QMouseEvent *event)
{
    if (m_kind == Kind::Clickable && event->button() == Qt::LeftButton) {
        m_pressed = true;
        update();
    }
    QWidget::mousePressEvent(event);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    update();
    if (click)
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void ColorSwatch::keyPressEvent(QKeyEvent *event)
{
    if (m_kind == Kind::Clickable && event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace toolbar
