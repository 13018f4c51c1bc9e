#pragma once

#include "toolbar/core/appcontext.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace toolbar {

/// The rules behind the Name Details window and the base-name prompt. No Qt here.

/// Shown when a typed base name could not be part of a file name.
inline constexpr const char *UnsafeBaseNameMessage =
    "This base name can not be used in a file name.\r"
    "A base name must not contain \"/\" or \"\\\", and must not be \".\" or \"..\".";

/// Why a typed base name can not be used (it leaves the folder, or makes file names
/// longer than the file system takes), or empty text when it can.
std::string BaseNameProblem(const std::string &baseName);

/// Shown when the spot list was rebuilt while Name Details was open for one of its spots.
inline constexpr const char *SpotsChangedMessage =
    "The drop spots were changed while this window was open, so nothing was changed.\r"
    "Choose \"Name Details\" again for the drop spot you want.";

/// The spot Name Details was opened for, as it stood then. The spot list can be rebuilt
/// while the window is open, after which the same position may name another spot or none.
struct SpotDetailsTarget
{
    std::int32_t position = 0;
    std::size_t listSize = 0;
    std::string folderPath;
};

/// Remembers the spot at the position (which may lie outside the list).
SpotDetailsTarget TargetSpot(const Globals &globals, std::int32_t position);

/// True while the position still names the spot it named when the target was taken.
bool IsSameSpot(const Globals &globals, const SpotDetailsTarget &target);

/// PadNumber of the text, or "000" when that is not a valid number ("-5" pads to "0-5").
std::string NormalisedNumber(const std::string &text);

/// The text without leading and trailing spaces (only spaces, as a typed name has them).
std::string TrimSpaces(const std::string &text);

enum class DetailsOutcome { Applied, SpotsChanged };

/// Gives the target spot (or every spot, when they share one name) the base name and
/// number, playing the new-base-name sound when the name differs from the spot's own and
/// sounds are on. Writes nothing when the spot list no longer holds the target spot.
/// The name is expected trimmed and safe, the number normalised.
DetailsOutcome ApplySpotDetails(AppContext &app, const SpotDetailsTarget &target, const std::string &baseName,
                                const std::string &number);

} // namespace toolbar
