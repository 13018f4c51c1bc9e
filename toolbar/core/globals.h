#pragma once

#include "toolbar/core/dropspot.h"
#include "toolbar/core/options.h"
#include "toolbar/core/randomsource.h"

#include <set>
#include <string>

namespace toolbar {

/// The values the whole toolbar program shares for one run. Owned by main (or a test)
/// and handed around by reference.
struct Globals
{
    DropSpotList DropSpots{DropSpot{}};
    Options options;
    std::string SpotDataPath;
    std::string OptionsPath;
    std::string AppFolder;      ///< the program's folder, without a trailing separator
    std::string NewBaseName;    ///< hand-over value of the base-name prompt
    bool FirstRun = false;      ///< true during the program's very first run
    std::string PackageCommand; ///< the command a system package starts the toolbar with, or empty
    RandomSource random;
    std::set<std::string> CleanedFolders; ///< spot folders rid of old partial copies this run
};

} // namespace toolbar
