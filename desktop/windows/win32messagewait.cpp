#include "desktop/windows/win32messagewait.h"

#include "desktop/windows/win32eventpump.h"

#include <windows.h>

namespace {
HANDLE toHandle(MessageWaitPlatform::Handle timer)
{
    return reinterpret_cast<HANDLE>(timer);
}
} // namespace

static_assert(Win32MessageWait::WakeMask == (QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER |
                                             QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY));

MessageWaitPlatform::Handle Win32MessageWait::createTimer(const std::string &name)
{
    // Programs of one logon share timers by name: one already there is handed back.
    const HANDLE timer = CreateWaitableTimerA(nullptr, TRUE, name.c_str());
    return reinterpret_cast<Handle>(timer);
}

bool Win32MessageWait::armTimer(Handle timer, std::int64_t dueTime)
{
    LARGE_INTEGER due;
    due.QuadPart = dueTime;
    if (!SetWaitableTimer(toHandle(timer), &due, 0, nullptr, nullptr, FALSE))
        return false;
    // Relative due times are negative 100-ns counts; rounded up to whole milliseconds.
    m_due[timer] = GetTickCount64() + static_cast<unsigned long long>((-dueTime + 9999) / 10000);
    return true;
}

MessageWaitPlatform::WaitResult Win32MessageWait::waitForTimerOrInput(Handle timer)
{
    const HANDLE handles[] = {toHandle(timer)};
    switch (MsgWaitForMultipleObjects(1, handles, FALSE, INFINITE, WakeMask)) {
    case WAIT_OBJECT_0: {
        const auto due = m_due.find(timer);
        const unsigned long long now = GetTickCount64();
        if (due == m_due.end() || now >= due->second)
            return WaitResult::TimerSignalled;
        // Signalled early by another program's arming of the shared timer: arm it again
        // for the rest, and let the caller's loop go round as for input.
        LARGE_INTEGER rest;
        rest.QuadPart = -static_cast<long long>(due->second - now) * 10000;
        if (!SetWaitableTimer(toHandle(timer), &rest, 0, nullptr, nullptr, FALSE))
            return WaitResult::Failed;
        return WaitResult::InputArrived;
    }
    case WAIT_OBJECT_0 + 1:
        return WaitResult::InputArrived;
    default:
        return WaitResult::Failed;
    }
}

void Win32MessageWait::pumpEvents()
{
    Win32EventPump::pumpWaitingMessages();
}

void Win32MessageWait::closeTimer(Handle timer)
{
    m_due.erase(timer);
    CloseHandle(toHandle(timer));
}

std::string Win32MessageWait::programName()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length);
    const auto slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}
