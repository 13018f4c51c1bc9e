#pragma once

#include "desktop/shell.h"

/// Opening documents through the desktop's handlers (xdg-open) and starting programs with QProcess.
class QtShell final : public Shell
{
public:
    void open(const std::string &path) override;
    void openUrl(const std::string &address, WindowStyle style) override;
    bool startProgram(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style,
                      const std::string &workingFolder) override;
    int runAndWait(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style) override;
    std::string executablePath() override;
};
