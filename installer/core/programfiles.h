#pragma once

#include <string>
#include <vector>

namespace setup {

/// The eight program files of the package, named as this desktop names them, in the
/// order in which they are copied and recorded: the program, its icon, the uninstaller,
/// its icon, then the four sounds.
const std::vector<std::string> &ProgramFileNames();

/// The program's executable file name.
std::string ProgramExecutableName();

/// One shortcut the install makes.
struct ShortcutToMake
{
    std::string LinkName;       ///< file name of the shortcut, with the desktop's extension
    std::string SourceFileName; ///< the installed program it starts
    std::string Description;
    std::string IconName; ///< the installed icon file it shows
};

/// The shortcut that starts the program.
ShortcutToMake ProgramShortcut();

/// The shortcut that starts the uninstaller.
ShortcutToMake UninstallerShortcut();

} // namespace setup
