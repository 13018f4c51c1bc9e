#pragma once

#include "desktop/messagewait.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

/// A scripted system timer for tests of waits: nothing sleeps. It records every timer
/// created, armed and closed, answers waits from a script, and adds each armed wait to
/// a virtual clock so that tests can add up the pacing of a whole sequence.
class FakeMessageWait final : public MessageWaitPlatform
{
public:
    // The script.
    bool createFails = false;
    bool armFails = false;
    std::deque<WaitResult> results; ///< answers of waitForTimerOrInput; TimerSignalled when empty
    std::function<void()> onWait;   ///< runs inside every waitForTimerOrInput
    std::string program = "Setup";

    // What happened.
    std::vector<std::string> names;     ///< names of the timers created
    std::vector<std::int64_t> dueTimes; ///< as armed, 100-ns units
    std::vector<std::int32_t> waits;    ///< armed waits in milliseconds
    std::set<Handle> open;              ///< timers created and not yet closed
    int closed = 0;
    int pumps = 0;
    std::int64_t virtualMilliseconds = 0;

    Handle createTimer(const std::string &name) override
    {
        names.push_back(name);
        if (createFails)
            return 0;
        const Handle handle = m_next++;
        open.insert(handle);
        return handle;
    }
    bool armTimer(Handle, std::int64_t dueTime) override
    {
        dueTimes.push_back(dueTime);
        if (armFails)
            return false;
        waits.push_back(static_cast<std::int32_t>(-dueTime / 10000));
        virtualMilliseconds += -dueTime / 10000;
        return true;
    }
    WaitResult waitForTimerOrInput(Handle) override
    {
        if (onWait)
            onWait();
        if (results.empty())
            return WaitResult::TimerSignalled;
        const WaitResult result = results.front();
        results.pop_front();
        return result;
    }
    void pumpEvents() override { ++pumps; }
    void closeTimer(Handle timer) override
    {
        open.erase(timer);
        ++closed;
    }
    std::string programName() override { return program; }

private:
    Handle m_next = 0x40;
};
