#pragma once

#include <string>
#include <vector>

/// File names that differ between desktops. Each desktop build links its own definitions.
namespace PlatformNames {

/// The file name of a program's executable, from its title ("Stowlet").
std::string executableName(const std::string &title);

/// The file name of an icon, from its base name ("Drop").
std::string iconFileName(const std::string &baseName);

/// The icon a shortcut to the toolbar program shows: the program's own icon where the
/// executable carries one, else the drop image installed beside it.
std::string programIconLocation(const std::string &executablePath, const std::string &appFolder);

/// Shortcut file extensions, lower case; the first is the one appended to a link path
/// that carries none of them.
const std::vector<std::string> &shortcutExtensions();

/// The name of the script that removes the uninstaller's last copy.
std::string selfRemovalScriptName();

} // namespace PlatformNames
