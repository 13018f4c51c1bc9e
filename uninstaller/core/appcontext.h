#pragma once

#include "desktop.h"
#include "globals.h"
#include "messagewait.h"
#include "uninstallerhost.h"

/// Everything the uninstaller's procedures work with: the run's values, the desktop
/// services, the platform side of the waits and the window they report to.
struct UninstallContext
{
    Globals &globals;
    Desktop &desktop;
    MessageWaitPlatform &waitPlatform;
    UninstallerHost &host;
};
