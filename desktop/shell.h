#pragma once

#include <string>
#include <vector>

/// How a started program shows its first window.
enum class WindowStyle { Hidden = 0, Normal = 1, Minimized = 2, Maximized = 3 };

/// The desktop shell: opening documents and starting programs.
class Shell
{
public:
    virtual ~Shell() = default;

    /// Opens a file or folder with its associated application, as a double-click in the
    /// file manager would. Failures are silent.
    virtual void open(const std::string &path) = 0;

    /// Opens an address with the desktop's handler for it, as the shell's "Open" verb does:
    /// a web address or a bare host name in the default browser, a "mailto:" link as a new
    /// message in the mail program. Failures (no handler registered) are silent.
    virtual void openUrl(const std::string &address, WindowStyle style) = 0;

    /// Starts a program without waiting for it; false when it could not be started.
    virtual bool startProgram(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style,
                              const std::string &workingFolder) = 0;

    /// Starts a program and waits until it has ended. Returns its exit code, or -1 when
    /// it could not be started.
    virtual int runAndWait(const std::string &program, const std::vector<std::string> &arguments,
                           WindowStyle style) = 0;

    /// The full path of the running program's own executable file.
    virtual std::string executablePath() = 0;
};
