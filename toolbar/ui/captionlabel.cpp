#include "toolbar/ui/captionlabel.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace toolbar {

namespace {
constexpr int Gap = 2; // pixels between the toolbar's frame and the label
} // namespace

CaptionLabel::CaptionLabel(QWidget *toolbar)
    : QLabel(toolbar, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("lblCaption"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::Box);
    setMargin(3);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void CaptionLabel::showBeside(const QString &text, const QRect &toolbarFrame)
{
    if (text.isEmpty()) {
        hide();
        return;
    }
    setText(text);
    adjustSize();
    const QScreen *screen = QGuiApplication::screenAt(toolbarFrame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    QPoint place(toolbarFrame.right() + 1 + Gap, toolbarFrame.top());
    if (place.x() + width() > area.right() + 1)
        place.setX(toolbarFrame.left() - Gap - width());
    if (place.x() < area.left()) {
        place = QPoint(std::max(area.left(), toolbarFrame.left()), toolbarFrame.bottom() + 1 + Gap);
        if (place.y() + height() > area.bottom() + 1)
            place.setY(toolbarFrame.top() - Gap - height());
    }
    move(place);
    show();
    raise();
}

} // namespace toolbar
