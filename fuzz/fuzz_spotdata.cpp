// Reads arbitrary bytes as SpotData.txt. The spot list must always hold at least one spot
// with a folder and a numeric colour.

#include "desktop/fake/fakedesktop.h"
#include "fuzz/fuzzfolder.h"
#include "toolbar/core/conversions.h"
#include "toolbar/core/datafiles.h"

#include <cstdint>
#include <cstdlib>

using namespace toolbar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzFolder folder;
    FakeDesktop desktop;
    desktop.home = folder.path();
    Globals globals;
    ComputeDataPaths(globals, folder.path());
    folder.write("SpotData.txt", data, size);
    AppContext app{globals, desktop.services()};
    LoadSpotData(app);
    if (globals.DropSpots.empty())
        std::abort();
    for (const DropSpot &spot : globals.DropSpots) {
        if (spot.FolderPath.empty() || !TextToLong(spot.Color))
            std::abort();
    }
    return 0;
}
