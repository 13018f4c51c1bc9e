#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace toolbar {

/// One drop spot: a coloured square on the toolbar standing for a target folder.
/// Only FolderPath and Color are kept in SpotData.txt; the rest lives for one run.
struct DropSpot
{
    std::string FolderPath;     ///< target folder, without a trailing separator
    std::string Color;          ///< decimal text of a 0x00BBGGRR colour (255 is red)
    std::int32_t SpotIndex = 0; ///< index of the toolbar square showing this spot
    std::string BaseName;       ///< base name of files saved through this spot
    std::string SequenceNumber; ///< number of the last file named, at least three digits
    std::string LastFileSaved;  ///< file name of the last file dropped here
};

using DropSpotList = std::vector<DropSpot>;

} // namespace toolbar
