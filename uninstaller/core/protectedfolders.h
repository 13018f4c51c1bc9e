#pragma once

#include "uninstaller/core/appcontext.h"

#include <string>
#include <vector>

namespace uninstall {

/// The install log is only a text file: whatever it names is deleted with force. These
/// checks keep a damaged or hostile log from taking the user's own folders with it.

/// The folders that must survive any removal: the user's home, the temporary folder (the
/// desktop's and the run's) and every known folder the desktop has (desktop, pictures,
/// programs, startup, program files and their all-users forms).
std::vector<std::string> KeptFolders(UninstallContext &context);

/// The folders that must survive even when empty: the home, the temporary folders, and the
/// user's own folders (desktop, pictures) with their all-users forms. The folders the
/// desktop only reads entries from (menus, log-on) are not among them.
std::vector<std::string> UserFolders(UninstallContext &context);

/// True when a forced deletion of path must not happen: path is empty or relative, is a
/// file-system root, or is (or holds) one of keptFolders. Paths are compared after links
/// and "." / ".." are resolved, without regard to letter case.
bool IsProtectedFolder(const std::string &path, const std::vector<std::string> &keptFolders);

/// True when the entry path names lies inside folder: directly in it, or at any depth unless
/// directly is set. The entry's folders are resolved (links, "." and ".."), the entry itself
/// is not, since a link is removed as a link. Folders count as the same when the file system
/// says so, whatever the spelling.
bool LiesWithin(const std::string &path, const std::string &folder, bool directly = false);

} // namespace uninstall
