#pragma once

#include "uninstaller/core/appcontext.h"

#include <string>
#include <vector>

namespace uninstall {

/// What of the disk belongs to an installation. The install log is only a text file: these
/// rules keep a damaged or hostile log, or a folder the user shares with the installation,
/// from costing the user files that the install never made.

/// Why the installation folder a log names must not be touched, or empty text when it may:
/// it must be a full path, named like the product, hold the install log and not be one of
/// keptFolders (see IsProtectedFolder).
std::string InstallFolderRefusal(const std::string &path, const std::vector<std::string> &keptFolders);

/// The closing message for a refused installation folder (empty path: the log names none).
std::string RefusedInstallFolderMessage(const std::string &path, const std::string &reason);

/// The installation folders of the log's "INSTALLPATH=" lines, trimmed. Empty text, with
/// the refusal message in refusal, when the log names none or any of them is refused.
std::vector<std::string> CheckInstallFolders(UninstallContext &context, const std::vector<std::string> &logLines,
                                             std::string &refusal);

/// The names, inside installFolder, of the files the install and the programs make there:
/// the log's files directly in that folder, the toolbar's data files, the install log and
/// the temporary files their saves and copies go through.
std::vector<std::string> OwnedFileNames(const std::vector<std::string> &logLines, const std::string &installFolder);

/// True when a file line of the log may be removed: it lies inside one of the installation
/// folders, or it is one of the menu or desktop entries Setup makes.
bool IsInstallationEntry(UninstallContext &context, const std::string &path);

} // namespace uninstall
