#pragma once

#include "installer/core/setupglobals.h"

#include <string>
#include <vector>

namespace setup {

/// The install log's file name, the same for every installation folder.
std::string InstallLogName();

/// The install log's full path for an installation folder.
std::string InstallLogPath(const std::string &installPath);

/// Records a path for the install log: the first path takes the place of the list's
/// initial empty entry, every later one is appended. Nothing is ever removed or sorted.
void AddToInstallList(Globals &globals, const std::string &entry);

/// The log's lines: "INSTALLPATH=" + the folder, then the files (entries with a "." that
/// are not shortcuts), then the shortcuts, then the folders (entries without a "."), each
/// group in recording order. Empty entries are left out.
std::vector<std::string> InstallLogLines(const std::string &installPath, const std::vector<std::string> &installList);

/// Replaces the install log of installPath with the given entries' lines in one step; a
/// failure leaves the old log as it was. False, with the system's reason in error, when it
/// could not be written.
bool SaveInstallLog(const std::string &installPath, const std::vector<std::string> &entries, std::string *error);

/// Writes the install log into the installation folder, replacing the log of an earlier
/// install in one step. Every line ends in CR LF. A log that cannot be written is left
/// out silently: the old one is removed too, so that no log describes another install.
void WriteInstallLog(const Globals &globals);

} // namespace setup
