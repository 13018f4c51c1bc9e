#pragma once

#include "desktop/eventpump.h"

/// Lets the thread's window messages run: every message waiting is taken from the queue,
/// translated and dispatched, then the call returns.
class Win32EventPump final : public EventPump
{
public:
    void yield() override;

    /// The same, for callers without an object.
    static void pumpWaitingMessages();
};
