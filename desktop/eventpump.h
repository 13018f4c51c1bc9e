#pragma once

/// Lets the window system handle what is pending, so that long sequences on the
/// one user-interface thread keep the windows painted and responsive.
class EventPump
{
public:
    virtual ~EventPump() = default;

    /// Processes pending window events once and returns.
    virtual void yield() = 0;

    /// Calls yield() the given number of times.
    void yieldTimes(int times)
    {
        for (int i = 0; i < times; ++i)
            yield();
    }
};
