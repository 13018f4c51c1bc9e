#pragma once

#include "appcontext.h"
#include "datafiles.h"
#include "desktopentrywriter.h"
#include "fakedesktop.h"
#include "tempfolder.h"
#include "toolbarfixture.h"

#include <string>

/// A toolbar program for one options test: data files in a real temporary folder, the
/// Startup folder there too, a fake desktop except for the shortcut writer (the real
/// desktop-entry writer), and a toolbar that records its rebuilds.
struct OptionsTestBed
{
    OptionsTestBed()
    {
        ComputeDataPaths(globals, temp.str());
        fake.folders[Csidl::Startup] = autostart;
        globals.options = Options::defaults();
        globals.DropSpots.clear();
        for (const char *name : {"Alpha", "Beta", "Gamma"}) {
            DropSpot spot;
            spot.FolderPath = temp.makeFolder(name);
            spot.Color = "65280";
            spot.BaseName = name;
            spot.SequenceNumber = name[0] == 'A' ? "012" : "003";
            globals.DropSpots.push_back(spot);
        }
    }

    std::string optionsFile() const { return readFile(globals.OptionsPath); }
    std::string autoStartEntry() const { return autostart + "/Stowlet.desktop"; }

    TempFolder temp;
    std::string autostart = temp.makeFolder("autostart");
    FakeDesktop fake;
    DesktopEntryWriter entries;
    Desktop desktop{fake, fake, fake, fake, entries, fake, fake};
    Globals globals;
    RecordingToolbar toolbar;
    AppContext app{globals, desktop, nullptr, &toolbar};
};
