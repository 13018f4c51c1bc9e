#pragma once

#include "desktop/desktop.h"
#include "desktop/sharedcomponents.h"
#include "installer/core/progresswindow.h"
#include "installer/core/setupglobals.h"

#include <cstdint>
#include <string>
#include <vector>

namespace setup {

/// The install's fixed pacing, in milliseconds. Tests shorten it; the program keeps these.
struct InstallPacing
{
    std::int32_t pause = 600;       ///< after each step of the install
    std::int32_t closingStep = 200; ///< between the moves of the closing animation
    std::int32_t message = 2000;    ///< the completion message; one that reports a failure stays until OK
};

/// Everything one install works with.
struct InstallContext
{
    Globals &globals;
    Desktop &desktop;
    SharedComponents &components;
    ProgressWindow &window;
    InstallPacing pacing{};
    std::vector<std::string> failedCopies{};   ///< program files whose copy failed in this run
    std::vector<std::string> failureReasons{}; ///< the system's reasons for what failed, each once
    std::vector<std::string> earlierEntries{}; ///< what an earlier install here made that is still listed
    bool logSaved = false;                     ///< the log has been written at least once in this run
};

// The status texts, as the installer has always shown them.
inline constexpr const char *StatusCreatingFolders = "Creating Folders...";
inline constexpr const char *StatusRegisteringDlls = "Regestering Dlls...";
inline constexpr const char *StatusCopyingFiles = "Copying Files...";
inline constexpr const char *StatusVerifyingFiles = "Verifying Files...";
inline constexpr const char *StatusCreatingIcons = "Creating Icons...";
inline constexpr const char *StatusWritingInstallLog = "Wiriting Install Log...";
inline constexpr const char *StatusCleaningUp = "Cleaning Up...";
inline constexpr const char *StatusVerifyingInstallation = "Verifing Installation...";
inline constexpr const char *InstallationComplete = "Installation Complete";
inline constexpr const char *InstallationIncomplete = "Installation Incomplete";

/// Runs the whole install in the progress window, step by step with its pauses and
/// percentages: shared components, program files, shortcuts, install log, the closing
/// animation, the completion message, then starts the installed program (when it is
/// there) and closes the window. No step stops the ones after it.
void StartInstall(InstallContext &install);

/// Places and registers the desktop's shared components; stops at the first that
/// cannot be copied.
void RegisterDlls(InstallContext &install);

/// Copies the eight program files from the package into the installation folder,
/// replacing older copies and keeping each file's permissions (a program stays runnable).
/// Every destination path is recorded, copied or not.
void CopyFiles(InstallContext &install);

/// Makes the chosen Start-menu and desktop shortcuts, each only for a program that was
/// installed: an entry must never start a program that is not there.
void CreateIcons(InstallContext &install);

/// Makes one shortcut in m_TargetFolder (creating the folder when needed) to an installed
/// file, and records the shortcut's path whether or not it could be made.
void FormatAndCreateIcon(InstallContext &install, const std::string &m_TargetFolder, const std::string &m_LinkName,
                         const std::string &m_SourceFileName, const std::string &m_Description,
                         const std::string &m_IconName);

/// The closing animation: from the current percentage up to 100 and past it in steps of 2.
void FinishScrollingProgressBar(InstallContext &install);

/// The program files that could not be installed: copy failed, or missing from the
/// installation folder now. In package order.
std::vector<std::string> FilesNotInstalled(const InstallContext &install);

/// The completion message: "Installation Complete", or, when files are missing or the log
/// could not be kept, a message that says so, names them and gives the system's reasons. That
/// one stays until the user closes it.
CompletionMessage MakeCompletionMessage(const std::vector<std::string> &notInstalled,
                                        const std::vector<std::string> &reasons, const InstallPacing &pacing);

/// Notes the system's reason for a failure, once.
void NoteFailure(InstallContext &install, const std::string &reason);

/// Takes over what the log of an earlier install into the same folder lists and is still
/// there, so that it stays listed until this install makes it again or removes it.
void TakeOverEarlierInstall(InstallContext &install);

/// Replaces the install log with everything recorded so far, so that an install cut short
/// at any point can still be uninstalled. A failed write keeps the log this run wrote last;
/// the log of another install is never left to describe this one.
void KeepInstallLogCurrent(InstallContext &install);

/// The earlier install's menu and desktop entries that this install did not make again are
/// removed, then the folders it made that are left empty; whatever stays is still listed.
void RetireEarlierEntries(InstallContext &install);

} // namespace setup
