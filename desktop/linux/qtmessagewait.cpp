#include "desktop/linux/qtmessagewait.h"

#include "desktop/qtext.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

struct QtMessageWait::Timer
{
    QTimer timer;
    bool signalled = false;
};

QtMessageWait::QtMessageWait() = default;
QtMessageWait::~QtMessageWait() = default;

MessageWaitPlatform::Handle QtMessageWait::createTimer(const std::string &)
{
    // Qt timers are private to the process; the name only matters where timers are shared.
    auto timer = std::make_unique<Timer>();
    timer->timer.setSingleShot(true);
    timer->timer.setTimerType(Qt::PreciseTimer);
    Timer *raw = timer.get();
    QObject::connect(&raw->timer, &QTimer::timeout, [raw] { raw->signalled = true; });
    const Handle handle = m_nextHandle++;
    m_timers.emplace(handle, std::move(timer));
    return handle;
}

bool QtMessageWait::armTimer(Handle handle, std::int64_t dueTime)
{
    const auto found = m_timers.find(handle);
    if (found == m_timers.end() || dueTime > 0)
        return false;
    // 100-ns units, rounded up so that the wait never ends early.
    const std::int64_t milliseconds = (-dueTime + 9999) / 10000;
    found->second->signalled = false;
    found->second->timer.start(static_cast<int>(std::min<std::int64_t>(milliseconds, INT32_MAX)));
    return true;
}

MessageWaitPlatform::WaitResult QtMessageWait::waitForTimerOrInput(Handle handle)
{
    const auto found = m_timers.find(handle);
    if (found == m_timers.end())
        return WaitResult::Failed;
    Timer &timer = *found->second;
    if (!timer.signalled) {
        QEventLoop loop;
        QObject::connect(&timer.timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // The loop also ends, before the timer, when the application is quitting; a new loop
    // would then return at once, so the wait must not go on.
    return timer.signalled ? WaitResult::TimerSignalled : WaitResult::Failed;
}

void QtMessageWait::pumpEvents()
{
    QCoreApplication::processEvents();
}

void QtMessageWait::closeTimer(Handle handle)
{
    m_timers.erase(handle);
}

std::string QtMessageWait::programName()
{
    return fromQt(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}
