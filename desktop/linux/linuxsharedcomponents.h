#pragma once

#include "desktop/sharedcomponents.h"

/// A Linux desktop deploys no shared components and has no registration tool: the
/// programs carry everything they need.
class LinuxSharedComponents final : public SharedComponents
{
public:
    std::vector<std::string> engineComponents() override { return {}; }
    std::vector<std::string> installerComponents() override { return {}; }
    CommandLine registrationCommand(const std::string &) override { return {}; }
};
