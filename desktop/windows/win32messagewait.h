#pragma once

#include "desktop/messagewait.h"

#include <map>

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

private:
    // When each armed timer is due, in GetTickCount64 milliseconds. Timers are shared by
    // name: another program's shorter wait in the same second re-arms ours to fire early,
    // and the wait then goes on for what is left rather than end too soon.
    std::map<Handle, unsigned long long> m_due;
};
