#include "toolbar/ui/toolbarcaption.h"

#include "toolbar/ui/captionlabel.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace toolbar {

ToolbarCaption::ToolbarCaption(QWidget *toolbar)
    : QObject(toolbar), m_toolbar(toolbar), m_timer(new QTimer(this)), m_label(new CaptionLabel(toolbar))
{
    m_timer->setObjectName(QStringLiteral("timerCaption"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] { set(QString()); });
    set(QString());
}

void ToolbarCaption::set(const QString &text)
{
    m_text = text;
    // With an empty title the window system would show the program's name instead.
    m_toolbar->setWindowTitle(text.isEmpty() ? QStringLiteral(" ") : text);
    showLabel();
}

void ToolbarCaption::flash(const QString &message)
{
    set(message);
    m_timer->start();
}

void ToolbarCaption::showProgress(int done, int total)
{
    m_timer->stop();
    set(done < total ? QStringLiteral("%1 of %2").arg(done).arg(total) : QString());
}

bool ToolbarCaption::fits(const QString &text) const
{
    // The window manager draws the caption in its own font, beside an icon and buttons
    // each about as wide as the bar is high (a close box at least; some show more than
    // asked for): a bold font of the window's size and three such squares are the estimate.
    QFont bold = m_toolbar->font();
    bold.setBold(true);
    const QRect frame = m_toolbar->frameGeometry();
    const int bar = std::max(m_toolbar->geometry().top() - frame.top(), QFontMetrics(bold).height() + 8);
    const int room = frame.width() - 3 * bar - 8;
    return QFontMetrics(bold).horizontalAdvance(text) <= room;
}

void ToolbarCaption::followToolbar()
{
    if (m_label->isVisible())
        showLabel();
}

void ToolbarCaption::hideLabel()
{
    m_label->hide();
}

void ToolbarCaption::showLabel()
{
    m_label->showBeside(m_toolbar->isVisible() && !fits(m_text) ? m_text : QString(), m_toolbar->frameGeometry());
}

} // namespace toolbar
