#include "common/clswaitabletimer.h"

#include "desktop/localclock.h"

#include <cstdio>

clsWaitableTimer::clsWaitableTimer(MessageWaitPlatform &platform) : m_platform(platform) {}

clsWaitableTimer::~clsWaitableTimer()
{
    closeTimer();
}

std::string clsWaitableTimer::TimerName(const std::string &programName, int minute, int second)
{
    char stamp[8];
    std::snprintf(stamp, sizeof stamp, "%02d%02d", minute % 100, second % 100);
    return programName + "Timer" + stamp;
}

void clsWaitableTimer::Wait(const std::int32_t &MilliSeconds)
{
    const std::tm local = LocalTimeNow();
    m_TimerHandle = m_platform.createTimer(TimerName(m_platform.programName(), local.tm_min, local.tm_sec));
    if (m_TimerHandle == 0)
        return;
    if (m_platform.armTimer(m_TimerHandle, -static_cast<std::int64_t>(MilliSeconds) * 10000)) {
        for (;;) {
            const auto result = m_platform.waitForTimerOrInput(m_TimerHandle);
            m_platform.pumpEvents();
            if (result != MessageWaitPlatform::WaitResult::InputArrived)
                break;
        }
    }
    closeTimer();
}

void clsWaitableTimer::closeTimer()
{
    if (m_TimerHandle != 0)
        m_platform.closeTimer(m_TimerHandle);
    m_TimerHandle = 0;
}
