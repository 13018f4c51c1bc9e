#pragma once

#include "eventpump.h"

class QtEventPump final : public EventPump
{
public:
    void yield() override;
};
