#include "appfunctions.h"

#include "filecopy.h"
#include "paths.h"
#include "platformnames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

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

// Copies a file over any earlier one, keeping its permissions, so that a copied program
// can still be started. Failures are left for the caller's existence check to find.
void copyOverwriting(const std::string &source, const std::string &target)
{
    std::string ignored;
    if (!FileCopy::copyReplacing(source, target, ignored))
        return;
    std::error_code ec;
    const fs::perms mode = fs::status(fs::path(source), ec).permissions();
    if (!ec)
        fs::permissions(fs::path(target), mode, fs::perm_options::replace, ec);
}

std::string programFileName()
{
    return PlatformNames::executableName(UninstallerNames::ProgramTitle);
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

    if (IsSameFolder(globals.AppFolder, globals.TempFolder))
        return LoadOutcome::WaitForUser;
    RelaunchFromTemp(context);
    return LoadOutcome::EndProgram;
}

void RelaunchFromTemp(UninstallContext &context)
{
    Globals &globals = context.globals;
    const std::string logCopy = Paths::join(globals.TempFolder, UninstallerNames::InstallLogName);
    copyOverwriting(Paths::join(globals.AppFolder, UninstallerNames::InstallLogName), logCopy);
    Pause(context, 300);
    if (!Paths::fileExists(logCopy)) {
        context.desktop.messages.showMessage("Unable to copy log to temp folder.\r" + logCopy);
        return;
    }

    const std::string programCopy = Paths::join(globals.TempFolder, programFileName());
    copyOverwriting(Paths::join(globals.AppFolder, programFileName()), programCopy);
    Pause(context, 1000);
    if (!Paths::fileExists(programCopy)) {
        context.desktop.messages.showMessage("Unable to copy uninstaller to temp folder.\r" + programCopy);
        return;
    }

    // The copy starts in the temporary folder so that it holds nothing open in the
    // installation folder it is about to remove.
    context.desktop.shell.startProgram(programCopy, {}, WindowStyle::Normal, globals.TempFolder);
}
