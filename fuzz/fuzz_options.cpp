// Reads arbitrary bytes as DropOptions.txt. Whatever the file holds, loading must not
// crash, and what was loaded must survive a save and a reload unchanged.

#include "desktop/fake/fakedesktop.h"
#include "fuzz/fuzzfolder.h"
#include "toolbar/core/datafiles.h"

#include <cstdint>
#include <cstdlib>

using namespace toolbar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzFolder folder;
    FakeDesktop desktop;
    Globals globals;
    ComputeDataPaths(globals, folder.path());
    folder.write("DropOptions.txt", data, size);
    AppContext app{globals, desktop.services()};
    LoadOptions(app);
    const Options loaded = globals.options;
    if (!SaveOptions(app))
        std::abort();
    globals.options = Options{};
    LoadOptions(app);
    if (!(globals.options == loaded))
        std::abort();
    return 0;
}
