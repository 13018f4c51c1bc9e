#pragma once

#include "toolbar/core/appcontext.h"

#include <string>

namespace toolbar {

/// The file a system package puts beside the program. Its one line is the command on the
/// PATH by which the package starts the toolbar. A folder that holds it belongs to the
/// system's package manager: nobody's data is kept there, not even the administrator's.
inline constexpr const char *PackageCommandFile = "PackageCommand";

/// The user's own folder for the toolbar's data files: "Stowlet" inside the user's
/// configuration folder, or empty text when the desktop has none.
std::string UserDataFolder(Desktop &desktop);

/// A program folder that all users share (a system-wide install the user cannot write to)
/// can not hold each user's spots and options. Then SpotDataPath and OptionsPath move to
/// the user's own folder, which is made when missing; a data file missing there starts as
/// a copy of the one beside the program, so what was set up there is every user's start.
/// The same holds for a folder with the package's command file, whose command is kept in
/// PackageCommand. Where the user can write to an unpackaged program's folder, the paths
/// stay as they are.
void UseUserDataFolderWhenShared(AppContext &app);

} // namespace toolbar
