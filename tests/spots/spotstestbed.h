#pragma once

#include "tests/spots/scriptedcolorpicker.h"
#include "tests/support/toolbarbed.h"

#include <cstdint>
#include <string>
#include <vector>

namespace toolbar {

/// The toolbar bed with a scripted colour picker, for the drop spot editors.
struct SpotsTestBed : ToolbarBed
{
    /// Spots as some drops leave them: named Old-005, each with its last file saved.
    void setSpots(const std::vector<std::string> &folders, const std::vector<std::int32_t> &colours)
    {
        ToolbarBed::setSpots(folders, "Old", "005", colours);
        for (DropSpot &spot : globals.DropSpots)
            spot.LastFileSaved = "Old-005.jpg";
    }

    ScriptedColorPicker picker;
};

} // namespace toolbar
