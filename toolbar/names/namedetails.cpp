#include "toolbar/names/namedetails.h"

#include "desktop/shellprocedures.h"
#include "toolbar/core/conversions.h"
#include "toolbar/core/naming.h"

namespace toolbar {

SpotDetailsTarget TargetSpot(const Globals &globals, std::int32_t position)
{
    SpotDetailsTarget target;
    target.position = position;
    target.listSize = globals.DropSpots.size();
    if (position >= 0 && static_cast<std::size_t>(position) < globals.DropSpots.size())
        target.folderPath = globals.DropSpots[static_cast<std::size_t>(position)].FolderPath;
    return target;
}

bool IsSameSpot(const Globals &globals, const SpotDetailsTarget &target)
{
    if (target.position < 0 || static_cast<std::size_t>(target.position) >= globals.DropSpots.size())
        return false;
    return globals.DropSpots.size() == target.listSize &&
           globals.DropSpots[static_cast<std::size_t>(target.position)].FolderPath == target.folderPath;
}

std::string BaseNameProblem(const std::string &baseName)
{
    if (!IsSafeBaseName(baseName))
        return UnsafeBaseNameMessage;
    if (baseName.size() > LongestBaseName())
        return "This base name is too long: the files saved under it would have names longer than the " +
               std::to_string(FileNameLimit) + " characters a file name can have.\rUse a base name of at most " +
               std::to_string(LongestBaseName()) + " characters.";
    return {};
}

std::string NormalisedNumber(const std::string &text)
{
    const std::string padded = PadNumber(text);
    return IsNumericText(padded) ? padded : std::string("000");
}

std::string TrimSpaces(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

DetailsOutcome ApplySpotDetails(AppContext &app, const SpotDetailsTarget &target, const std::string &baseName,
                                const std::string &number)
{
    Globals &g = app.globals;
    if (!IsSameSpot(g, target))
        return DetailsOutcome::SpotsChanged;
    DropSpot &own = g.DropSpots[static_cast<std::size_t>(target.position)];
    if (baseName != own.BaseName && g.options.Sounds)
        PlaySound(app.desktop, g.AppFolder, SoundKind::NewBaseName);
    if (g.options.SameBaseName) {
        for (DropSpot &spot : g.DropSpots) {
            spot.BaseName = baseName;
            spot.SequenceNumber = number;
        }
    } else {
        own.BaseName = baseName;
        own.SequenceNumber = number;
    }
    return DetailsOutcome::Applied;
}

} // namespace toolbar
