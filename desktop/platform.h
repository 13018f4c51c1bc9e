#pragma once

#include "desktop/desktop.h"
#include "desktop/messagewait.h"
#include "desktop/sharedcomponents.h"

#include <memory>
#include <string>

class QWidget;

/// Everything a program takes from the system it runs on, made once when it starts: the
/// desktop services, the message-pumping wait, the shared components an installer places,
/// and the hook that ties message boxes to the program's main window. No caller names the
/// classes behind it, so the programs read the same on every system.
class Platform
{
public:
    virtual ~Platform() = default;

    virtual Desktop &services() = 0;
    virtual MessageWaitPlatform &messageWait() = 0;
    virtual SharedComponents &sharedComponents() = 0;

    /// The window message boxes belong to when no window of the program is active; one
    /// that stays on top hides boxes that are not its own.
    virtual void setDialogParent(QWidget *window) = 0;
};

/// The platform of the system this build is for; title is the caption of its message boxes.
/// Defined once for each system, and the build links exactly one of them.
std::unique_ptr<Platform> createPlatform(const std::string &title);
