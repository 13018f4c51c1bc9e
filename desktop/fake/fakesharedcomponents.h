#pragma once

#include "desktop/sharedcomponents.h"

#include <deque>
#include <string>
#include <vector>

/// Shared components scripted by a test: its own component lists and a registration
/// command (program and leading arguments) that is given the component path last.
class FakeSharedComponents final : public SharedComponents
{
public:
    std::vector<std::string> engine;
    std::vector<std::string> installer;
    CommandLine registration{"regsvr32", {"/s"}};
    std::deque<bool> fileSystemAnswers; ///< answers of fileSystemAvailable, true when empty
    int fileSystemChecks = 0;
    std::string fileSystem = "scrrun.dll";

    std::vector<std::string> engineComponents() override { return engine; }
    std::vector<std::string> installerComponents() override { return installer; }
    CommandLine registrationCommand(const std::string &componentPath) override
    {
        if (registration.program.empty())
            return {};
        CommandLine command = registration;
        command.arguments.push_back(componentPath);
        return command;
    }
    bool fileSystemAvailable() override
    {
        ++fileSystemChecks;
        if (fileSystemAnswers.empty())
            return true;
        const bool answer = fileSystemAnswers.front();
        fileSystemAnswers.pop_front();
        return answer;
    }
    std::string fileSystemComponent() override { return fileSystem; }
};
