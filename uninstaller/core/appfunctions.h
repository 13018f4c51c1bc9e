#pragma once

#include "uninstaller/core/appcontext.h"

#include <cstdint>
#include <string>

namespace uninstall {

/// The uninstaller's procedures. Every file and folder operation in them goes on past its own
/// failure with the next step (removal never stops half-way), and records what stays in the
/// run's RemovalReport, so that the closing message can say so.

/// What the program does once its window has loaded.
enum class LoadOutcome {
    WaitForUser, ///< this is the copy in the temporary folder: Continue may start the removal
    EndProgram   ///< nothing (more) to do here: the program ends
};

/// The load sequence after the window is shown: creates the wait timer, finds the install
/// log beside the program, settles the temporary folder and decides the role by comparing
/// the program's folder with it. The instance in the installation folder relaunches itself
/// from the temporary folder before it returns EndProgram.
LoadOutcome LoadUninstaller(UninstallContext &context);

/// The system's temporary folder as the desktop reports it (usually with a trailing separator).
std::string GetTempFolder(UninstallContext &context);

/// The temporary folder to use: the reported one without its trailing separator, or, when no
/// folder of that name exists, the root of appFolder's drive.
std::string SettleTempFolder(const std::string &reported, const std::string &appFolder);

/// True when both texts name the same folder, ignoring letter case and trailing separators,
/// or when both name one existing folder by different paths (links).
bool IsSameFolder(const std::string &first, const std::string &second);

/// True when folder is a hand-over folder: a private folder (see PrivateFolder) directly in
/// tempFolder whose name begins with the hand-over prefix. The copy runs from such a folder.
bool IsHandOverFolder(const std::string &folder, const std::string &tempFolder);

/// Copies the install log and the program into a new private folder in TempFolder and starts
/// the copy there. A copy that fails is reported and takes the folder back with it.
void RelaunchFromTemp(UninstallContext &context);

/// Cancel, the close box or No in the copy: nothing of the installation is touched, and the
/// hand-over folder goes (the log copy at once, the program copy and the folder by the
/// self-removal script). Nothing outside the copy.
void AbandonUninstall(UninstallContext &context);

/// Continue: asks for confirmation and, on Yes, runs the whole removal; on No, abandons it.
/// Either way the program ends afterwards.
void ConfirmUninstall(UninstallContext &context);

/// The whole removal, from reading the install log to starting the self-removal script.
/// Nothing is removed when the log cannot be read or names an installation folder that is
/// refused (see InstallFolderRefusal); file lines outside the installation are left alone.
/// The closing message claims success only when everything the log lists is gone.
void Uninstall(UninstallContext &context);

/// Empties the installation folder named by an "INSTALLPATH=" line of what the install and
/// the programs made there (see OwnedFileNames), then removes it if nothing else is left.
/// Anything else in it is kept and recorded. A refused folder is not touched.
void RemoveInstallFolder(UninstallContext &context, const std::string &line);

/// Forced removal of one file (or link), read-only ones included; nothing if no file is
/// there. A file that stays is recorded with the system's reason.
void RemoveFile(UninstallContext &context, const std::string &path);

/// Forced removal of one folder with everything in it; nothing if no folder is there. A
/// folder that must never go is recorded as skipped; one that stays, with the reason.
void RemoveFolder(UninstallContext &context, const std::string &path);

/// True when the folder exists and, once a "Thumbs.db" in it is gone, holds nothing.
/// A folder that cannot be inspected counts as not empty.
bool IsFolderEmpty(UninstallContext &context, const std::string &path);

/// True when a window of that name is loaded, compared without regard to case.
bool IsFormLoaded(UninstallContext &context, const std::string &name);

/// Unloads the window, writes the self-removal script into the hand-over folder and starts it
/// hidden; the script removes the program copy, itself and then that folder.
/// The program must end right after this returns.
void RemoveSelf(UninstallContext &context);

/// A message-pumping pause through the run's WaitTimer; nothing once it is released.
void Pause(UninstallContext &context, std::int32_t milliSeconds);

} // namespace uninstall
