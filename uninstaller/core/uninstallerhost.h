#pragma once

#include <cstdint>
#include <string>

namespace uninstall {

/// The uninstaller's window and process as the removal logic sees them.
class UninstallerHost
{
public:
    virtual ~UninstallerHost() = default;

    /// True while a window of that name is loaded (compared without regard to case).
    virtual bool isFormLoaded(const std::string &name) = 0;

    /// Shows "Working..." and takes the buttons away, so that no second run can start.
    virtual void showWorking() = 0;

    /// The busy pointer over the whole screen, or the normal pointer again.
    virtual void setScreenBusy(bool busy) = 0;

    /// Hides the main window; it stays loaded.
    virtual void hideForm() = 0;

    /// Unloads the main window.
    virtual void unloadForm() = 0;

    /// The running program's process id, which the self-removal script waits on.
    virtual std::int64_t processId() = 0;
};

} // namespace uninstall
