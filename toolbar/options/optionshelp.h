#pragma once

#include <string_view>

namespace toolbar {

/// The hover help of the options window: the title and text shown while the mouse moves
/// over a control, by the control's name. Sentences are separated by two spaces.
struct OptionHelp
{
    std::string_view control;
    std::string_view title;
    std::string_view text;
};

inline constexpr OptionHelp OptionHelpTexts[] = {
    {"chkSameBaseNames", "Use the same base names for all drop spots",
     "If checked, all drop spots will use the same base name and increment.  If not checked, each drop spot can have "
     "a seperate base name, and dropping a file onto one drop spot will not affect the next file number of any other "
     "drop spot."},
    {"chkAlignVertically", "Align toolbar vertically",
     "If checked, the drop spot toolbar will appear vertically.  If not checked, the toolbar will appear "
     "horizontally."},
    {"chkRememberLocation", "Remember toolbar location",
     "If checked, the toolbar will start at the same place on your screen that it was when the program was last "
     "used.  If not checked, the toolbar will start in the default location on the screen."},
    {"chkPromptNewBaseName", "Prompt for new base name",
     "If checked, you will be prompted to enter the new base name to use when a new base name is requested.  If not "
     "checked, a random base name will be assigned automatically."},
    {"chkAutoStart", "Start automatically with Windows",
     "If checked, the program will start automatically when your computer is turned on.  If not checked, you will "
     "have to start the program manually when you want to use it."},
    {"chkPlaySounds", "Play Sounds",
     "If checked, notification sounds will alert you when a file is successfully dropped.  If not checked, no "
     "notifications sounds will be played."},
    {"lblMaxLength", "Max random base name length",
     "This is the maximum number of charictars a randomly generated base name will have.  (minimum is 3)"},
    {"txtMaxLength", "Max random base name length",
     "This is the maximum number of charictars a randomly generated base name will have.  (minimum is 3)"},
};

} // namespace toolbar
