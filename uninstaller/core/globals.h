#pragma once

#include "common/clswaitabletimer.h"
#include "uninstaller/core/removalreport.h"

#include <memory>
#include <string>
#include <vector>

namespace uninstall {

/// The uninstaller's names for itself and for the product it removes.
namespace UninstallerNames {
/// The program's title; also its file name without the platform's extension.
inline constexpr const char *ProgramTitle = "StowletUninstaller";
/// The product the install log describes.
inline constexpr const char *ProductName = "Stowlet";
/// The install log's file name, beside the uninstaller in the installation folder.
inline constexpr const char *InstallLogName = "STOWLET-InstallLog.txt";
/// How the private folders the first instance hands over through begin, in the temporary folder.
inline constexpr const char *HandOverPrefix = "StowletUninstaller-";
/// The main window's name, as IsFormLoaded is asked for it.
inline constexpr const char *MainFormName = "frmMain";
} // namespace UninstallerNames

/// The values the uninstaller shares for one run. Owned by main (or a test) and handed
/// around by reference.
struct Globals
{
    std::string AppFolder;      ///< the running program's own folder, without a trailing separator
    std::string InstallLogPath; ///< the install log this instance reads, in AppFolder
    std::string TempFolder;     ///< the temporary folder, without a trailing separator
    std::string HandOverFolder; ///< the private folder in TempFolder that the copy runs from; empty elsewhere
    std::string InstallPath;    ///< the text after "INSTALLPATH=" in the log, untrimmed
    std::unique_ptr<clsWaitableTimer> WaitTimer;        ///< every pause; released before the script starts
    std::vector<std::string> FolderList{std::string()}; ///< folder lines of the log; entry 0 starts empty
    std::vector<std::string> LogLines;                  ///< the install log as read by the removal
    std::vector<std::string> InstallFolders;            ///< the log's installation folders, once accepted
    RemovalReport Report;                               ///< what the removal could not or would not remove
};

} // namespace uninstall
