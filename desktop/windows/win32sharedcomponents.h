#pragma once

#include "desktop/sharedcomponents.h"

/// This build's programs carry their Qt libraries beside them and need no shared COM
/// controls, so the lists are empty; registration, where a component is placed, is by
/// "regsvr32 /s" with the component's path in double quotes.
class Win32SharedComponents final : public SharedComponents
{
public:
    std::vector<std::string> engineComponents() override { return {}; }
    std::vector<std::string> installerComponents() override { return {}; }
    CommandLine registrationCommand(const std::string &componentPath) override
    {
        return {"regsvr32", {"/s", componentPath}};
    }
};
