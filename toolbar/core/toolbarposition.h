#pragma once

#include "desktop/desktop.h"

namespace toolbar {

/// The toolbar's remembered top-left corner in twips.
struct ToolbarPosition
{
    double top = 100;
    double left = 100;
};

inline constexpr const char *ToolbarLocationSection = "Toolbar Location";

/// Shown when the position cannot be written to the settings store at close.
inline constexpr const char *ToolbarLocationNotSavedMessage =
    "Unable to remember the toolbar location.\rThe settings could not be written, so the toolbar will start at its "
    "previous place next time.";

/// Reads "Top" and "Left"; an absent or non-numeric value gives 100.
ToolbarPosition ReadToolbarPosition(SettingsStore &settings);

/// Moves a corner that lies off the screen (below 0 or beyond its size) back to 100 on that axis.
ToolbarPosition KeepOnScreen(ToolbarPosition position, double screenWidth, double screenHeight);

/// Writes "Top" and "Left" as decimal text (with a fraction only when there is one).
bool WriteToolbarPosition(SettingsStore &settings, const ToolbarPosition &position);

/// The decimal text of a twips value: "1500", "1500.5".
std::string TwipsText(double twips);

} // namespace toolbar
