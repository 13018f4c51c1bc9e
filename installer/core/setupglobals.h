#pragma once

#include "common/clswaitabletimer.h"

#include <memory>
#include <string>
#include <vector>

namespace setup {

/// The name of the product that Setup installs.
inline constexpr const char *ProductName = "Stowlet";

/// The values the whole installer shares for one run. The wizard fills them before the
/// install engine starts. Owned by main (or a test) and handed around by reference.
struct Globals
{
    std::string InstallPath;   ///< installation folder, full path, no trailing separator
    std::string SupportFolder; ///< the installer's own folder + "Support": the package
    std::string SystemFolder;  ///< where shared components go (none on some desktops)
    std::string ProgramFilesFolder;
    std::string ProgramsFolder;       ///< this user's Start-menu programs
    std::string CommonProgramsFolder; ///< all users' Start-menu programs
    std::string DesktopFolder;        ///< this user's desktop
    std::string CommonDesktopFolder;  ///< all users' desktop

    // The shortcut choices: at most one of each pair is true.
    bool StartMenuAllUsers = false;
    bool StartMenuThisUser = false;
    bool DesktopAllUsers = false;
    bool DesktopThisUser = false;

    /// The one timer every pause waits on; made when the welcome page loads.
    std::unique_ptr<clsWaitableTimer> WaitTimer;

    /// Full paths of everything installed or created, for the install log. Starts as one
    /// empty entry, which the first recorded path replaces.
    std::vector<std::string> InstallList{std::string()};
};

} // namespace setup
