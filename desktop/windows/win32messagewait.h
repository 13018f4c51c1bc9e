#pragma once

#include "messagewait.h"

/// The message-pumping wait on a named waitable timer: CreateWaitableTimerA (manual
/// reset), SetWaitableTimer (once, relative due time), MsgWaitForMultipleObjects on the
/// one timer with every kind of window input as a reason to wake, and CloseHandle.
class Win32MessageWait final : public MessageWaitPlatform
{
public:
    Handle createTimer(const std::string &name) override;
    bool armTimer(Handle timer, std::int64_t dueTime) override;
    WaitResult waitForTimerOrInput(Handle timer) override;
    void pumpEvents() override;
    void closeTimer(Handle timer) override;
    std::string programName() override;

    /// Key input, mouse moves and buttons, posted messages, timer messages, paint
    /// requests, sent messages and hot keys.
    static constexpr unsigned WakeMask = 0xFF;
};
