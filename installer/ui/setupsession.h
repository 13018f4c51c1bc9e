#pragma once

#include "desktop/desktop.h"
#include "desktop/messagewait.h"
#include "desktop/sharedcomponents.h"
#include "installer/core/installengine.h"
#include "installer/core/setupglobals.h"

#include <functional>
#include <string>

class QWidget;

namespace setup {

/// What every page of Setup works with for one run: the installer's state, the desktop
/// services, the system's timer for pauses and the installer's own folder. Owned by
/// main (or a test) and handed from page to page.
struct SetupSession
{
    Globals &globals;
    Desktop &desktop;
    SharedComponents &components;
    MessageWaitPlatform &waitPlatform;
    std::string installerFolder; ///< the folder Setup runs from; the package is beside it
    InstallPacing pacing{};
    /// Told of each page as it appears, so that message boxes centre on the page in front.
    std::function<void(QWidget *)> pageShown{};
    /// Told when the install is over and its page has closed: Setup ends. (Setup cannot
    /// rely on its last window closing here, since the options page is still busy handing
    /// over when the install closes the last window on screen.)
    std::function<void()> installEnded{};
};

} // namespace setup
