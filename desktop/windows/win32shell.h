#pragma once

#include "desktop/shell.h"

/// Opening documents with ShellExecuteA "Open" and starting programs with CreateProcessA,
/// with the window style handed to the started program's first window.
class Win32Shell final : public Shell
{
public:
    void open(const std::string &path) override;
    void openUrl(const std::string &address, WindowStyle style) override;
    bool startProgram(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style,
                      const std::string &workingFolder) override;
    int runAndWait(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style) override;
    std::string executablePath() override;

    /// The window that owns what the shell shows (the toolbar window); none by default.
    void setOwnerWindow(void *window) { m_owner = window; }

    /// The command line for CreateProcessA: the program and each argument, in double
    /// quotes where they hold anything but letters, digits and "/-_" (so "regsvr32 /s"
    /// stays bare and every path is quoted), by the rules the C runtime parses back.
    static std::string commandLine(const std::string &program, const std::vector<std::string> &arguments);

private:
    void *m_owner = nullptr;
};
