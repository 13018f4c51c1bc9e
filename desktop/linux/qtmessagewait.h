#pragma once

#include "desktop/messagewait.h"

#include <map>
#include <memory>

class QTimer;

/// Waits as a local event loop on a one-shot QTimer: the thread sleeps in the event loop,
/// which wakes only for the timer and for window events, and handles those as they come.
class QtMessageWait final : public MessageWaitPlatform
{
public:
    QtMessageWait();
    ~QtMessageWait() override;

    Handle createTimer(const std::string &name) override;
    bool armTimer(Handle timer, std::int64_t dueTime) override;
    WaitResult waitForTimerOrInput(Handle timer) override;
    void pumpEvents() override;
    void closeTimer(Handle timer) override;
    std::string programName() override;

private:
    struct Timer;
    std::map<Handle, std::unique_ptr<Timer>> m_timers;
    Handle m_nextHandle = 1;
};
