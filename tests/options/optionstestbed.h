#pragma once

#include "desktop/linux/desktopentrywriter.h"
#include "tests/support/toolbarbed.h"

#include <memory>
#include <string>
#include <vector>

namespace toolbar {

/// The toolbar bed for the options window: three spots, the Startup folder in the
/// temporary folder, and the real desktop-entry writer for the shortcut it gets.
struct OptionsTestBed : ToolbarBed
{
    OptionsTestBed() : ToolbarBed(std::make_unique<DesktopEntryWriter>())
    {
        desktop.folders[Csidl::Startup] = autostart;
        const std::vector<std::string> names{"Alpha", "Beta", "Gamma"};
        setSpots(names, "", "003", {65280, 65280, 65280});
        for (std::size_t i = 0; i < names.size(); ++i)
            globals.DropSpots[i].BaseName = names[i];
        globals.DropSpots[0].SequenceNumber = "012";
    }

    std::string optionsFile() const { return readFile(globals.OptionsPath); }
    std::string autoStartEntry() const { return autostart + "/Stowlet.desktop"; }

    std::string autostart = temp.makeFolder("autostart");
};

} // namespace toolbar
