#pragma once

#include <filesystem>
#include <string>

/// Path text helpers shared by all three programs. Paths are 8-bit text in the system's
/// encoding; the separator is the platform's own.
namespace Paths {

/// The platform's path separator ("/" or "\").
char separator();

/// folder + separator + name; no doubled separator when folder already ends in one.
std::string join(const std::string &folder, const std::string &name);

/// True when the text ends in a path separator.
bool endsWithSeparator(const std::string &path);

/// The path without one trailing separator; a root folder ("/", "C:\") is kept whole.
std::string withoutTrailingSeparator(const std::string &path);

/// The folder part of a path (everything before the last separator).
std::string parentFolder(const std::string &path);

/// The last component of a path.
std::string fileName(const std::string &path);

/// A path the file system handed over (from a folder listing) as the programs' 8-bit text
/// in the system's encoding, the text the C runtime and the system's 8-bit calls read. On
/// Windows the standard library's own narrow form is UTF-8, which names another file there.
std::string systemText(const std::filesystem::path &path);

bool fileExists(const std::string &path);
bool folderExists(const std::string &path);

/// True when the user may create entries in the folder: one is made there and removed again.
bool canCreateIn(const std::string &folder);

/// True when anything is at path, a dangling link included.
bool entryExists(const std::string &path);

/// True when path is a folder itself, not a link to one.
bool isFolderItself(const std::string &path);

} // namespace Paths
