#pragma once

#include "toolbar/core/appcontext.h"

#include <cstdint>
#include <string>

namespace toolbar {

/// What the options window holds when the user saves: check-box values (1 ticked, 0 not),
/// the typed length and the spot size last chosen from the list.
struct OptionsEntry
{
    int chkSameBaseNames = 0;
    int chkAlignVertically = 0;
    int chkRememberLocation = 0;
    int chkPromptNewBaseName = 0;
    int chkAutoStart = 0;
    int chkPlaySounds = 0;
    std::string maxLengthText;
    std::int32_t chosenSpotSize = 0; ///< twips of the chosen size name; 0 when none of the five is chosen
};

/// The random-name length an entry gives: its value rounded half to even ("4.5" -> 4),
/// or 7 when it is not a number, does not fit in 32 bits or is below 3.
std::int32_t MaxLengthFromText(const std::string &text);

/// Stores the entry in Options and DropOptions.txt and applies it: the auto-start
/// shortcut is created or removed, the toolbar rebuilt when its orientation or square
/// size differs, the spots given one base name when they share it, and "Options Saved"
/// shown. A chosen size of 0 keeps the stored size. When DropOptions.txt cannot be
/// written the user has been told, Options is left as it was and false is returned.
bool SaveOptionsEntry(AppContext &app, const OptionsEntry &entry);

/// Restores and saves the default options and lays the toolbar out horizontally again
/// when it is vertical. The caller tells the user once its window has closed. When
/// DropOptions.txt cannot be written, Options is left as it was and false is returned.
bool RestoreDefaultsAndRelayout(AppContext &app);

} // namespace toolbar
