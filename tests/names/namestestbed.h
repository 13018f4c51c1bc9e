#pragma once

#include "appcontext.h"
#include "datafiles.h"
#include "fakedesktop.h"
#include "tempfolder.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

/// A toolbar program for one test: its globals in a real temporary folder and a fake
/// desktop that records every message and sound.
struct NamesTestBed
{
    NamesTestBed()
    {
        ComputeDataPaths(globals, temp.str());
        globals.AppFolder = temp.str();
        globals.options = Options::defaults();
    }

    /// Spots for the folders, all with the same base name and number.
    void setSpots(const std::vector<std::string> &folders, const std::string &baseName = "Flower",
                  const std::string &number = "000")
    {
        globals.DropSpots.clear();
        for (const std::string &folder : folders) {
            DropSpot spot;
            spot.FolderPath = temp.makeFolder(folder);
            spot.Color = "255";
            spot.SpotIndex = static_cast<std::int32_t>(globals.DropSpots.size());
            spot.BaseName = baseName;
            spot.SequenceNumber = number;
            globals.DropSpots.push_back(spot);
        }
    }

    TempFolder temp;
    FakeDesktop desktop;
    Globals globals;
    AppContext app{globals, desktop.services()};
};

/// Runs `whileOpen` once the modal dialog is showing, then starts the modal loop through
/// `show`. A dialog the steps left open is rejected, so a failing check cannot hang the
/// test; the result tells whether that happened.
inline bool leftOpenAfter(QDialog &dialog, const std::function<void()> &show, const std::function<void()> &whileOpen)
{
    bool leftOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        whileOpen();
        if (dialog.isVisible()) {
            leftOpen = true;
            dialog.reject();
        }
    });
    show();
    return leftOpen;
}
