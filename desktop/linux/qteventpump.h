#pragma once

#include "desktop/eventpump.h"

class QtEventPump final : public EventPump
{
public:
    void yield() override;
};
