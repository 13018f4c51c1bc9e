#include "installer/core/appfunctions.h"

#include "desktop/filecopy.h"
#include "desktop/paths.h"
#include "installer/core/installlog.h"

#include <filesystem>
#include <fstream>

namespace setup {

namespace fs = std::filesystem;

namespace {

bool isSeparator(char c)
{
    return c == '/' || c == Paths::separator();
}

// The path's pieces between separators: for "/opt/Stowlet" the empty root piece, "opt"
// and "Stowlet"; for "C:\Programs" the drive and "Programs".
std::vector<std::string> splitPath(const std::string &path)
{
    std::vector<std::string> pieces(1);
    for (char c : path) {
        if (isSeparator(c))
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

} // namespace

void CreateFolderPath(Globals &globals, const std::string &path)
{
    if (path.empty())
        return;
    const std::vector<std::string> pieces = splitPath(path);
    // The first piece is the drive (or, for a rooted path here, the empty root).
    std::string running = pieces.front();
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        running += Paths::separator() + pieces[i];
        if (Paths::folderExists(running))
            continue;
        std::error_code ec;
        if (!fs::create_directory(fs::path(running), ec) || ec)
            return;
        AddToInstallList(globals, running);
    }
}

bool RegisterComponent(Desktop &desktop, SharedComponents &components, const std::string &componentPath)
{
    const CommandLine command = components.registrationCommand(componentPath);
    if (command.program.empty())
        return false;
    const int exitCode = desktop.shell.runAndWait(command.program, command.arguments, WindowStyle::Minimized);
    desktop.pump.yieldTimes(12);
    return exitCode != -1;
}

bool PlaceSharedComponent(Globals &globals, Desktop &desktop, SharedComponents &components, const std::string &name)
{
    if (globals.SystemFolder.empty())
        return false;
    const std::string target = Paths::join(globals.SystemFolder, name);
    if (Paths::fileExists(target))
        return true;
    std::string error;
    if (!FileCopy::copyReplacing(Paths::join(globals.SupportFolder, name), target, error))
        return false;
    RegisterComponent(desktop, components, target);
    return true;
}

std::string InvalidInstallationMessage()
{
    return "Invalid Installation Scenerio.\r\r"
           "If you are attempting to perform this installation from a CD or other "
           "write-protected drive, please move the installation package to the root folder "
           "of the computer.  This is usually the C:\\\r\r"
           "If the package is already on the local drive, make sure your computer administrator "
           "has given you rights to create, edit, and delete files, as well as install programs "
           "and register .dll and .ocx files";
}

bool TestWriteRights(Desktop &desktop, const std::string &installerFolder)
{
    const fs::path testFile(Paths::join(installerFolder, "testrights.txt"));
    bool failed = false;
    {
        std::ofstream file(testFile, std::ios::binary | std::ios::trunc);
        failed |= !file.is_open();
        desktop.pump.yieldTimes(4);
        file << "TESTING\r\n";
        failed |= !file.good();
        desktop.pump.yieldTimes(4);
        file.close();
        failed |= file.fail();
    }
    std::error_code ec;
    if (fs::is_regular_file(testFile, ec)) {
        if (!fs::remove(testFile, ec) || ec)
            failed = true;
    } else {
        failed = true;
    }
    if (failed)
        desktop.messages.showMessage(InvalidInstallationMessage());
    return !failed;
}

} // namespace setup
