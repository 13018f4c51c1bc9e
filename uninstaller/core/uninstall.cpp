#include "appfunctions.h"

#include "installlog.h"

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
        RemoveFile(context, line);
        break;
    case LogLineKind::Folder:
        addToFolderList(context.globals, line);
        break;
    }
}

// An emptied child lets its parent count as empty in a later pass, so nested folders go
// whatever order the log lists them in, up to as many levels as there are passes.
void removeEmptyFolders(UninstallContext &context)
{
    for (int pass = 0; pass < FolderPasses; ++pass) {
        for (const std::string &folder : context.globals.FolderList) {
            if (!folder.empty() && IsFolderEmpty(context, folder))
                RemoveFolder(context, folder);
        }
        Pause(context, 100);
    }
}

} // namespace

void ConfirmUninstall(UninstallContext &context)
{
    if (!context.desktop.messages.askYesNo(std::string("Are you sure you want to uninstall ") +
                                           UninstallerNames::ProductName + "?"))
        return;
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

    // A log that cannot be read now (it was there at load) removes nothing more; the rest
    // of the run still tidies up and reports as usual.
    ReadInstallLog(globals.InstallLogPath, [&](const std::string &line) { handleLogLine(context, line); });
    RemoveFile(context, globals.InstallLogPath);

    pump.yield();
    Pause(context, 1000);
    pump.yield();
    Pause(context, 1000);
    pump.yield();

    removeEmptyFolders(context);

    Pause(context, 1000);
    pump.yield();
    if (IsFormLoaded(context, UninstallerNames::MainFormName))
        context.host.hideForm();
    pump.yield();
    context.host.setScreenBusy(false);
    context.desktop.messages.showMessage(std::string(UninstallerNames::ProductName) +
                                         " was successfully uninstalled.\r\rYou may need to restart your computer "
                                         "before all changes take effect.");
    pump.yield();
    RemoveFolder(context, globals.InstallPath);
    RemoveSelf(context);
}
