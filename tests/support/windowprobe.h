#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <functional>

/// Twips (1/1440 inch) as whole pixels at the widget's logical resolution, halves rounded up.
inline int pixels(const QWidget &widget, double twips)
{
    return static_cast<int>(std::lround(twips * widget.logicalDpiX() / 1440.0));
}

/// The visible top-level windows, each as "objectName/className".
inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names << widget->objectName() + QLatin1Char('/') + QLatin1String(widget->metaObject()->className());
    }
    return names;
}

/// The visible top-level window of that name, or null.
template <typename Window = QWidget> Window *shownWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return qobject_cast<Window *>(window);
    return nullptr;
}

/// Number of visible top-level windows of that name.
inline int shownWindows(const char *name)
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String(name) && window->isVisible();
    return count;
}

/// True once no window is left on screen: the program under test has ended.
inline bool noWindowShown()
{
    return visibleWindows().isEmpty();
}

/// Closes and deletes every window a test left behind.
inline void closeAllWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            window->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// Runs `whileOpen` once the modal dialog is showing, then starts the modal loop through
/// `show`. A dialog the steps left open is rejected, so a failing check cannot hang the
/// test; the result tells whether that happened.
inline bool leftOpenAfter(QDialog &dialog, const std::function<void()> &show, const std::function<void()> &whileOpen)
{
    bool leftOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        whileOpen();
        if (dialog.isVisible()) {
            leftOpen = true;
            dialog.reject();
        }
    });
    show();
    return leftOpen;
}

/// Runs action on the next dialog of type W that becomes the active modal window, from
/// inside its event loop, so that a test can drive a dialog shown with exec(). A dialog the
/// action left open (a failed check) is cancelled, so the test never hangs.
template <typename W> void whenModal(std::function<void(W *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        auto *window = qobject_cast<W *>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll->stop();
        poll->deleteLater();
        QPointer<W> open(window);
        action(window);
        if (open && open->isVisible())
            open->reject();
    });
    poll->start();
}
