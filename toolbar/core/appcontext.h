#pragma once

#include "desktop/desktop.h"
#include "toolbar/core/globals.h"

#include <string>

namespace toolbar {

/// Asks the user for a new base name. The window behind it leaves the confirmed text in
/// Globals::NewBaseName, or leaves it empty when the user cancelled.
class BaseNamePrompt
{
public:
    virtual ~BaseNamePrompt() = default;
    virtual void showModal() = 0;
};

/// What the logic asks of the toolbar window.
class ToolbarHooks
{
public:
    virtual ~ToolbarHooks() = default;

    /// Raises the toolbar above all windows again and gives it the keyboard focus.
    virtual void refreshAlwaysOnTop() = 0;

    /// Shows a short message in the toolbar's caption for one second.
    virtual void flashCaption(const std::string &message) = 0;

    /// Shows how far a long drop has come ("n of N"); done == total ends it.
    virtual void showProgress(int done, int total) = 0;

    /// Rebuilds the squares from DropSpots and resizes the toolbar.
    virtual void LoadSpotsFromArray() = 0;

    /// The orientation of the last layout.
    virtual bool IsCurrentlyVertical() const = 0;

    /// The side of square 0 in twips, as now built.
    virtual int CurrentlySpotSize() const = 0;
};

/// Everything the toolbar program's procedures work with: the run's values and the
/// desktop services, plus the windows they call back into once those exist.
struct AppContext
{
    Globals &globals;
    Desktop &desktop;
    BaseNamePrompt *prompt = nullptr;
    ToolbarHooks *toolbar = nullptr;
};

} // namespace toolbar
