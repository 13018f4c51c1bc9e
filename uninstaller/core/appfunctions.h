#pragma once

#include "appcontext.h"

#include <cstdint>
#include <string>

/// The uninstaller's procedures. Every file and folder operation in them ignores its own
/// failure and goes on with the next step: removal never stops half-way to report.

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

/// Copies the install log and the program into TempFolder and starts the copy.
void RelaunchFromTemp(UninstallContext &context);

/// Continue: asks for confirmation and, on Yes, runs the whole removal. Either way the
/// program ends afterwards.
void ConfirmUninstall(UninstallContext &context);

/// The whole removal, from reading the install log to starting the self-removal script.
void Uninstall(UninstallContext &context);

/// Removes the installation folder named by an "INSTALLPATH=" line, unless it is a folder
/// that must never go (see IsProtectedFolder).
void RemoveInstallFolder(UninstallContext &context, const std::string &line);

/// Forced removal of one file, read-only ones included; nothing if no file is there.
void RemoveFile(UninstallContext &context, const std::string &path);

/// Forced removal of one folder with everything in it; nothing if no folder is there or
/// the folder must never go.
void RemoveFolder(UninstallContext &context, const std::string &path);

/// True when the folder exists and, once a "Thumbs.db" in it is gone, holds nothing.
/// A folder that cannot be inspected counts as not empty.
bool IsFolderEmpty(UninstallContext &context, const std::string &path);

/// True when a window of that name is loaded, compared without regard to case.
bool IsFormLoaded(UninstallContext &context, const std::string &name);

/// Unloads the window, writes the self-removal script into TempFolder and starts it hidden.
/// The program must end right after this returns.
void RemoveSelf(UninstallContext &context);

/// A message-pumping pause through the run's WaitTimer; nothing once it is released.
void Pause(UninstallContext &context, std::int32_t milliSeconds);
