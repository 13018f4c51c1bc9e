#pragma once

#include <cstdint>
#include <string>

/// The system side of a pause that keeps windows responsive: a one-shot timer that the
/// message loop can sleep on, waking for the timer or for window input.
class MessageWaitPlatform
{
public:
    virtual ~MessageWaitPlatform() = default;

    using Handle = std::uintptr_t;

    /// Creates (or opens, where timers are shared by name) a manual-reset timer; 0 on failure.
    virtual Handle createTimer(const std::string &name) = 0;

    /// Arms the timer once; dueTime is in 100-nanosecond units, negative meaning "from now".
    virtual bool armTimer(Handle timer, std::int64_t dueTime) = 0;

    enum class WaitResult { TimerSignalled, InputArrived, Failed };

    /// Sleeps until the timer is signalled or window input arrives.
    virtual WaitResult waitForTimerOrInput(Handle timer) = 0;

    /// Handles every pending window event once.
    virtual void pumpEvents() = 0;

    virtual void closeTimer(Handle timer) = 0;

    /// The running program's file name without extension.
    virtual std::string programName() = 0;
};
