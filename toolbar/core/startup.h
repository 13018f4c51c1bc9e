#pragma once

#include "toolbar/core/appcontext.h"

#include <string>

namespace toolbar {

/// The windows the start-up sequence opens.
class StartupWindows
{
public:
    virtual ~StartupWindows() = default;
    /// Opens the help window without waiting for it.
    virtual void showHelp() = 0;
    /// Shows the toolbar without waiting for it.
    virtual void showToolbar() = 0;
};

/// The welcome shown on the very first run.
inline constexpr const char *WelcomeMessage =
    "Welcome To Stowlet.\r\rThis is your first time using Stowlet, and the Help window will be shown to get you "
    "started.  It will not show automatically in the future, but you can get help again at any time by "
    "Right-Clicking the toolbar, and selecting 'Help' from the menu.";

/// Where the first-run marker lives in the settings store.
inline constexpr const char *FirstRunSection = "Program";
inline constexpr const char *FirstRunKey = "FirstRunDone";

/// True until the first run has begun (the marker is then set).
bool IsFirstRun(Desktop &desktop);

/// Seconds since local midnight plus 13: the seed of random base names.
unsigned StartupSeed();

/// The toolbar program's start-up: welcome and help on the first run, data paths, options,
/// drop spots, first base names, then the toolbar. programFolder is the program's folder; the
/// data files live there, or in the user's own folder when all users share the program's folder.
void Main(AppContext &app, StartupWindows &windows, const std::string &programFolder);

} // namespace toolbar
