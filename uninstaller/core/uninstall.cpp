#include "uninstaller/core/appfunctions.h"

#include "desktop/paths.h"
#include "desktop/shellprocedures.h"
#include "uninstaller/core/installationfolder.h"
#include "uninstaller/core/installlog.h"
#include "uninstaller/core/protectedfolders.h"

#include <filesystem>

namespace uninstall {

namespace fs = std::filesystem;

namespace {

constexpr int FolderPasses = 10;

void addToFolderList(Globals &globals, const std::string &folder)
{
    if (globals.FolderList.front().empty())
        globals.FolderList.front() = folder;
    else
        globals.FolderList.push_back(folder);
}

void handleLogLine(UninstallContext &context, const std::string &line)
{
    switch (ClassifyLogLine(line)) {
    case LogLineKind::InstallPath:
        context.globals.InstallPath = InstallPathOf(line);
        RemoveInstallFolder(context, line);
        break;
    case LogLineKind::Empty:
        break;
    case LogLineKind::File:
        if (IsInstallationEntry(context, line))
            RemoveFile(context, line);
        else if (Paths::entryExists(line))
            context.globals.Report.skipped(line);
        break;
    case LogLineKind::Folder:
        addToFolderList(context.globals, line);
        break;
    }
}

// The toolbar's log-on entry is not the install's, but left behind it would start a removed
// program at every log-on. It goes when it starts a program of this installation, and its
// folder with it when nothing else is left there.
void removeAutoStartEntry(UninstallContext &context)
{
    const std::string entry = AutoStartShortcutPath(context.desktop);
    if (entry.empty() || !Paths::entryExists(entry))
        return;
    const std::string target = context.desktop.shortcuts.shortcutTarget(entry);
    for (const std::string &folder : context.globals.InstallFolders) {
        if (!target.empty() && LiesWithin(target, folder)) {
            RemoveFile(context, entry);
            std::error_code ignored;
            fs::remove(fs::path(Paths::parentFolder(entry)), ignored); // only when empty
            return;
        }
    }
}

// A folder the install had to make for the desktop (the menu folder of a new account, say)
// is a known folder, which a forced removal must never take. Once empty it may go all the
// same: removing an empty folder cannot take anything with it. The user's own folders and
// those that hold them stay in any case.
void removeEmptyFolder(UninstallContext &context, const std::string &folder, const std::vector<std::string> &kept)
{
    if (!IsProtectedFolder(folder, kept)) {
        RemoveFolder(context, folder);
        return;
    }
    if (IsProtectedFolder(folder, UserFolders(context)))
        return;
    std::error_code failed;
    fs::remove(fs::path(folder), failed);
    if (Paths::entryExists(folder))
        context.globals.Report.couldNotRemove(folder, failed ? failed.message() : "it is still there");
}

// An emptied child lets its parent count as empty in a later pass, so nested folders go
// whatever order the log lists them in, up to as many levels as there are passes. A folder
// still there afterwards holds something that is not the installation's, unless its removal
// failed (already recorded).
void removeEmptyFolders(UninstallContext &context)
{
    Globals &globals = context.globals;
    const std::vector<std::string> kept = KeptFolders(context);
    for (int pass = 0; pass < FolderPasses; ++pass) {
        for (const std::string &folder : globals.FolderList) {
            if (!folder.empty() && IsFolderEmpty(context, folder))
                removeEmptyFolder(context, folder, kept);
        }
        Pause(context, 100);
    }
    for (const std::string &folder : globals.FolderList) {
        if (!folder.empty() && Paths::entryExists(folder) && !globals.Report.mentions(folder))
            globals.Report.kept(folder);
    }
}

std::string successMessage()
{
    return std::string(UninstallerNames::ProductName) +
           " was successfully uninstalled.\r\rYou may need to restart your computer before all changes take effect.";
}

} // namespace

void ConfirmUninstall(UninstallContext &context)
{
    if (!context.desktop.messages.askYesNo(std::string("Are you sure you want to uninstall ") +
                                           UninstallerNames::ProductName + "?")) {
        AbandonUninstall(context);
        return;
    }
    context.host.showWorking();
    context.host.setScreenBusy(true);
    context.desktop.pump.yield();
    Uninstall(context);
}

void Uninstall(UninstallContext &context)
{
    Globals &globals = context.globals;
    EventPump &pump = context.desktop.pump;
    globals.FolderList.assign(1, std::string());
    globals.LogLines.clear();
    globals.Report = RemovalReport();

    // Every installation folder the log names is checked before anything goes: a log that
    // names a folder it must not, or none, removes nothing at all.
    std::string refusal;
    if (!ReadInstallLog(globals.InstallLogPath, [&](const std::string &line) { globals.LogLines.push_back(line); }))
        refusal = "The install log " + globals.InstallLogPath + " could not be read.\rNothing was removed.";
    else
        globals.InstallFolders = CheckInstallFolders(context, globals.LogLines, refusal);
    if (refusal.empty()) {
        removeAutoStartEntry(context); // while the installation folder is there to compare with
        for (const std::string &line : globals.LogLines)
            handleLogLine(context, line);
    }
    RemoveFile(context, globals.InstallLogPath);

    pump.yield();
    Pause(context, 1000);
    pump.yield();
    Pause(context, 1000);
    pump.yield();

    if (refusal.empty())
        removeEmptyFolders(context);

    Pause(context, 1000);
    pump.yield();
    if (IsFormLoaded(context, UninstallerNames::MainFormName))
        context.host.hideForm();
    pump.yield();
    context.host.setScreenBusy(false);
    if (!refusal.empty())
        context.desktop.messages.showMessage(refusal);
    else
        context.desktop.messages.showMessage(globals.Report.isComplete() ? successMessage() : globals.Report.message());
    pump.yield();
    // Once more, in case the folder could only go now; never a folder that still holds something.
    if (refusal.empty() && IsFolderEmpty(context, globals.InstallPath))
        RemoveFolder(context, globals.InstallPath);
    RemoveSelf(context);
}

} // namespace uninstall
