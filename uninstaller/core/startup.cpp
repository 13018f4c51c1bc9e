#include "uninstaller/core/appfunctions.h"

#include "desktop/paths.h"
#include "desktop/platformnames.h"
#include "desktop/privatefolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace uninstall {

namespace fs = std::filesystem;

namespace {

std::string withoutTrailingSeparators(std::string path)
{
    while (Paths::endsWithSeparator(path))
        path.pop_back();
    return path;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string programFileName()
{
    return PlatformNames::executableName(UninstallerNames::ProgramTitle);
}

// Takes back a hand-over that could not be completed: nothing of it stays in the temporary folder.
void discardHandOver(const std::string &folder)
{
    std::error_code ignored;
    for (const std::string &name : {std::string(UninstallerNames::InstallLogName), programFileName()})
        fs::remove(fs::path(Paths::join(folder, name)), ignored);
    fs::remove(fs::path(folder), ignored);
}

} // namespace

void Pause(UninstallContext &context, std::int32_t milliSeconds)
{
    if (context.globals.WaitTimer)
        context.globals.WaitTimer->Wait(milliSeconds);
}

bool IsFormLoaded(UninstallContext &context, const std::string &name)
{
    return context.host.isFormLoaded(name);
}

std::string GetTempFolder(UninstallContext &context)
{
    return context.desktop.folders.tempFolder();
}

std::string SettleTempFolder(const std::string &reported, const std::string &appFolder)
{
    if (Paths::folderExists(reported))
        return Paths::withoutTrailingSeparator(reported);
    return Paths::withoutTrailingSeparator(fs::path(appFolder).root_path().string());
}

bool IsSameFolder(const std::string &first, const std::string &second)
{
    if (lowerCase(withoutTrailingSeparators(first)) == lowerCase(withoutTrailingSeparators(second)))
        return true;
    // A temporary folder reached through a link is still the temporary folder; without this
    // the copy there would take itself for the installed program and relaunch forever.
    std::error_code ec;
    return !first.empty() && !second.empty() && fs::equivalent(fs::path(first), fs::path(second), ec) && !ec;
}

LoadOutcome LoadUninstaller(UninstallContext &context)
{
    Globals &globals = context.globals;
    globals.WaitTimer = std::make_unique<clsWaitableTimer>(context.waitPlatform);
    globals.AppFolder = Paths::parentFolder(context.desktop.shell.executablePath());
    globals.InstallLogPath = Paths::join(globals.AppFolder, UninstallerNames::InstallLogName);

    if (!Paths::fileExists(globals.InstallLogPath)) {
        context.desktop.messages.showMessage("No Install Log Found.\rExpected location: " + globals.InstallLogPath +
                                             "\rThe uninstallation can not continue.");
        return LoadOutcome::EndProgram;
    }

    globals.TempFolder = SettleTempFolder(GetTempFolder(context), globals.AppFolder);

    if (IsHandOverFolder(globals.AppFolder, globals.TempFolder)) {
        globals.HandOverFolder = globals.AppFolder;
        return LoadOutcome::WaitForUser;
    }
    RelaunchFromTemp(context);
    return LoadOutcome::EndProgram;
}

bool IsHandOverFolder(const std::string &folder, const std::string &tempFolder)
{
    return Paths::fileName(folder).rfind(UninstallerNames::HandOverPrefix, 0) == 0 &&
           IsSameFolder(Paths::parentFolder(folder), tempFolder) && PrivateFolder::isPrivate(folder);
}

void RelaunchFromTemp(UninstallContext &context)
{
    Globals &globals = context.globals;
    std::string error;
    const std::string folder = PrivateFolder::create(globals.TempFolder, UninstallerNames::HandOverPrefix, error);
    const std::string logCopy =
        Paths::join(folder.empty() ? globals.TempFolder : folder, UninstallerNames::InstallLogName);
    const bool logCopied =
        !folder.empty() &&
        PrivateFolder::copyInto(Paths::join(globals.AppFolder, UninstallerNames::InstallLogName), logCopy, error);
    Pause(context, 300);
    if (!logCopied) {
        context.desktop.messages.showMessage("Unable to copy log to temp folder.\r" + logCopy);
        if (!folder.empty())
            discardHandOver(folder);
        return;
    }

    const std::string programCopy = Paths::join(folder, programFileName());
    const bool programCopied =
        PrivateFolder::copyInto(Paths::join(globals.AppFolder, programFileName()), programCopy, error);
    Pause(context, 1000);
    if (!programCopied) {
        context.desktop.messages.showMessage("Unable to copy uninstaller to temp folder.\r" + programCopy);
        discardHandOver(folder);
        return;
    }

    // The copy starts in its own folder so that it holds nothing open in the installation
    // folder it is about to remove.
    context.desktop.shell.startProgram(programCopy, {}, WindowStyle::Normal, folder);
}

} // namespace uninstall
