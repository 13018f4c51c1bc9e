#pragma once

#include "desktop/messagewait.h"

#include <cstdint>
#include <string>

/// Pauses the calling code for a number of milliseconds while the program keeps handling
/// window events, without using the processor in between. One object serves one wait at
/// a time; callers do not nest waits.
class clsWaitableTimer
{
public:
    explicit clsWaitableTimer(MessageWaitPlatform &platform);
    ~clsWaitableTimer();
    clsWaitableTimer(const clsWaitableTimer &) = delete;
    clsWaitableTimer &operator=(const clsWaitableTimer &) = delete;

    /// Returns once MilliSeconds have passed since the timer was armed. A timer that cannot
    /// be created, armed or waited on ends the wait at once rather than hang the program.
    void Wait(const std::int32_t &MilliSeconds);

    /// The timer of the wait in progress; 0 between waits.
    MessageWaitPlatform::Handle TimerHandle() const { return m_TimerHandle; }

    /// The timer's name: program name + "Timer" + minute and second as "NNSS".
    static std::string TimerName(const std::string &programName, int minute, int second);

private:
    void closeTimer();

    MessageWaitPlatform &m_platform;
    MessageWaitPlatform::Handle m_TimerHandle = 0;
};
