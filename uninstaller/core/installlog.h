#pragma once

#include <functional>
#include <string>

namespace uninstall {

/// Reading the install log that Setup leaves in the installation folder: one bare path a
/// line, 8-bit text, CR LF (or LF) line ends, first the "INSTALLPATH=" line.

/// What a log line asks the uninstaller to do.
enum class LogLineKind {
    InstallPath, ///< "INSTALLPATH=" + the installation folder: remove the folder as a whole
    Empty,       ///< nothing
    File,        ///< an installed file or shortcut: remove it
    Folder       ///< a folder the install created: remove it once it is empty
};

/// The kind of a line, as it stands (untrimmed). The log tells files from folders by a "."
/// in the path; where that test and the disk disagree (a program file without extension, a
/// folder under a dotted folder such as ".local"), what is on disk decides.
LogLineKind ClassifyLogLine(const std::string &line);

/// True when the line begins with "INSTALLPATH=" (letter case counts).
bool IsInstallPathLine(const std::string &line);

/// The line with every "INSTALLPATH=" taken out, otherwise unchanged.
std::string InstallPathOf(std::string line);

/// The folder an install-path line names: InstallPathOf(line) trimmed of leading and
/// trailing spaces.
std::string InstallFolderOf(const std::string &line);

/// Hands each line of the log, without its line end, to handle, reading the next line only
/// once handle has returned. A log that cannot be opened, or fails part-way, ends the reading
/// quietly; false when it could not be opened at all.
bool ReadInstallLog(const std::string &path, const std::function<void(const std::string &)> &handle);

/// The installation folder named by the log's first "INSTALLPATH=" line, trimmed of spaces;
/// empty when the log cannot be read or has no such line.
std::string InstallFolderFromLog(const std::string &path);

} // namespace uninstall
