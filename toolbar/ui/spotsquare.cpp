#include "toolbar/ui/spotsquare.h"

#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace toolbar {

namespace {
// The four edges of a rectangle, each `line` device pixels thick, filled rather than
// stroked so that they cover whole pixels exactly.
void fillFrame(QPainter &painter, const QRect &rect, int line, const QColor &color)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), line), color);
    painter.fillRect(QRect(rect.left(), rect.bottom() - line + 1, rect.width(), line), color);
    painter.fillRect(QRect(rect.left(), rect.top(), line, rect.height()), color);
    painter.fillRect(QRect(rect.right() - line + 1, rect.top(), line, rect.height()), color);
}
} // namespace

SpotSquare::SpotSquare(int index, QWidget *parent) : QWidget(parent), m_index(index)
{
    setObjectName(QStringLiteral("picSpot"));
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SpotSquare::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void SpotSquare::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Paint in device pixels so that every edge falls on a whole pixel at any scale.
    const qreal ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    const QRect box(0, 0, qRound(width() * ratio), qRound(height() * ratio));
    const int line = std::max(1, qRound(ratio));
    painter.fillRect(box, m_color);
    // A dark outer line and a light inner one: whatever the colours around it, one of
    // the two sets the square off.
    fillFrame(painter, box, line, QColor(0, 0, 0, 110));
    fillFrame(painter, box.adjusted(line, line, -line, -line), line, QColor(255, 255, 255, 90));
    if (m_dropTarget) {
        const QRect ring = box.adjusted(line, line, -line, -line);
        painter.fillRect(ring.adjusted(3 * line, 3 * line, -3 * line, -3 * line), QColor(255, 255, 255, 70));
        fillFrame(painter, ring, 3 * line, palette().color(QPalette::Active, QPalette::Highlight));
        fillFrame(painter, ring.adjusted(3 * line, 3 * line, -3 * line, -3 * line), line, Qt::white);
    }
}

void SpotSquare::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    emit rightPressed(m_index, event->globalPosition().toPoint());
}

void SpotSquare::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit doubleClicked(m_index);
}

bool SpotSquare::acceptAsCopy(QDropEvent *event)
{
    // Dropped files are copied. A source that only allows moving would delete its file
    // even when the copy was refused, so such a drag is declined.
    if (!event->mimeData() || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void SpotSquare::setDropTarget(bool on)
{
    if (m_dropTarget == on)
        return;
    m_dropTarget = on;
    update();
}

void SpotSquare::dragEnterEvent(QDragEnterEvent *event)
{
    // Any data is welcome here: what can be saved of it is for the drop flow to decide,
    // and it explains a drop that holds no file.
    setDropTarget(acceptAsCopy(event));
}

void SpotSquare::dragMoveEvent(QDragMoveEvent *event)
{
    setDropTarget(acceptAsCopy(event));
}

void SpotSquare::dragLeaveEvent(QDragLeaveEvent *)
{
    setDropTarget(false);
}

void SpotSquare::dropEvent(QDropEvent *event)
{
    setDropTarget(false);
    if (acceptAsCopy(event))
        emit dropped(m_index, *event->mimeData());
}

} // namespace toolbar
