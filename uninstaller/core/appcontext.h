#pragma once

#include "desktop/desktop.h"
#include "desktop/messagewait.h"
#include "uninstaller/core/globals.h"
#include "uninstaller/core/uninstallerhost.h"

namespace uninstall {

/// Everything the uninstaller's procedures work with: the run's values, the desktop
/// services, the platform side of the waits and the window they report to.
struct UninstallContext
{
    Globals &globals;
    Desktop &desktop;
    MessageWaitPlatform &waitPlatform;
    UninstallerHost &host;
};

} // namespace uninstall
