#pragma once

#include "toolbar/core/appcontext.h"

#include <cstdint>
#include <string>
#include <vector>

namespace toolbar {

/// DropOptions.txt and SpotData.txt: 8-bit text beside the program, CR LF line ends.

/// Reads DropOptions.txt into the options, or writes the defaults when it is absent. A
/// number the toolbar can not work with (missing, not a number, or outside the usable
/// range) and every option of a file that can not be read take their defaults in memory;
/// the file stays as it is, and the user is told once which values were replaced.
void LoadOptions(AppContext &app);

/// The smallest and largest square of the size list, in twips ("TINY" and "JUMBO").
inline constexpr std::int32_t SmallestSpotSize = 300;
inline constexpr std::int32_t LargestSpotSize = 1300;

/// True for a square size from the smallest to the largest of the size list: the squares
/// of other sizes vanish or cover the screen.
bool IsUsableSpotSize(std::int32_t twips);

/// True for a random-name length of at least 1: shorter ones make empty base names.
bool IsUsableMaxRandomLength(std::int32_t length);

/// The one message that lists the option values replaced by their defaults.
std::string OptionsReplacedMessage(const std::vector<std::string> &replaced);

/// The message shown when DropOptions.txt exists but can not be read.
std::string OptionsUnreadableMessage(const std::string &path);

/// Rewrites DropOptions.txt from the options. The old file is replaced only by a complete
/// new one; on failure the user is told and false returned.
bool SaveOptions(AppContext &app);

/// Sets every option to its default and saves them.
bool RestoreDefaultOptions(AppContext &app);

/// The eight lines of DropOptions.txt for the given options.
std::vector<std::string> OptionsFileLines(const Options &options);

/// Rebuilds DropSpots from SpotData.txt, falling back to one red spot in the picture
/// folder (or the home folder when there is none).
void LoadSpotData(AppContext &app);

/// One row of the drop spot list editor.
struct SpotRow
{
    std::string folder;
    std::int32_t color = 255;
};

/// Writes the rows to SpotData.txt: empty folders are skipped, one trailing separator is
/// removed, and a folder that does not exist, or whose name holds "|" or a line break (the
/// line would read back as another folder), is reported and left out. The old file is
/// replaced only by a complete new one; when it cannot be written the user is told, the
/// old file and the current spots stay, and false is returned. On success DropSpots is
/// reloaded from the file and the base names reset.
bool SaveSpotRows(AppContext &app, const std::vector<SpotRow> &rows);

/// Computes SpotDataPath, OptionsPath and AppFolder from the program's folder.
void ComputeDataPaths(Globals &globals, const std::string &programFolder);

} // namespace toolbar
