// The work of the install's steps: shared components, program files and shortcuts.

#include "installer/core/installengine.h"

#include "desktop/filecopy.h"
#include "desktop/paths.h"
#include "desktop/shellprocedures.h"
#include "installer/core/appfunctions.h"
#include "installer/core/installlog.h"
#include "installer/core/programfiles.h"

#include <algorithm>
#include <filesystem>

namespace setup {

namespace fs = std::filesystem;

namespace {

// A fresh copy is made with default permissions; the package's own (the run bit of the
// programs above all) are what the installed file should have.
void keepPermissions(const std::string &source, const std::string &destination)
{
    std::error_code ec;
    const fs::perms perms = fs::status(fs::path(source), ec).permissions();
    if (!ec)
        fs::permissions(fs::path(destination), perms, fs::perm_options::replace, ec);
}

bool copyProgramFile(InstallContext &install, const std::string &name)
{
    const Globals &globals = install.globals;
    if (globals.InstallPath.empty())
        return false;
    const std::string source = Paths::join(globals.SupportFolder, name);
    const std::string destination = Paths::join(globals.InstallPath, name);
    std::string error;
    if (!FileCopy::copyReplacing(source, destination, error)) {
        NoteFailure(install, error);
        return false;
    }
    keepPermissions(source, destination);
    return true;
}

bool isInstalled(const InstallContext &install, const std::string &name)
{
    const auto &failed = install.failedCopies;
    return std::find(failed.begin(), failed.end(), name) == failed.end() && !install.globals.InstallPath.empty() &&
           Paths::fileExists(Paths::join(install.globals.InstallPath, name));
}

void createShortcut(InstallContext &install, const std::string &targetFolder, const ShortcutToMake &shortcut)
{
    if (!isInstalled(install, shortcut.SourceFileName))
        return;
    FormatAndCreateIcon(install, targetFolder, shortcut.LinkName, shortcut.SourceFileName, shortcut.Description,
                        shortcut.IconName);
}

} // namespace

void RegisterDlls(InstallContext &install)
{
    for (const std::string &name : install.components.engineComponents()) {
        if (!PlaceSharedComponent(install.globals, install.desktop, install.components, name))
            return;
    }
}

void CopyFiles(InstallContext &install)
{
    Globals &globals = install.globals;
    for (const std::string &name : ProgramFileNames()) {
        // Listed before it is made, so that the log covers the copy whenever the install stops.
        AddToInstallList(globals, Paths::join(globals.InstallPath, name));
        KeepInstallLogCurrent(install);
        if (!copyProgramFile(install, name))
            install.failedCopies.push_back(name);
    }
}

void CreateIcons(InstallContext &install)
{
    const Globals &globals = install.globals;
    // A flag whose known folder the desktop lacks is never offered; should one be set
    // anyway, the shortcut is skipped rather than made in whatever the current folder is.
    const auto programGroup = [](const std::string &programs) {
        return programs.empty() ? std::string() : Paths::join(programs, ProductName);
    };
    struct Choice
    {
        bool chosen;
        std::string folder;
        bool withUninstaller;
    };
    const Choice choices[] = {
        {globals.StartMenuAllUsers, programGroup(globals.CommonProgramsFolder), true},
        {globals.StartMenuThisUser, programGroup(globals.ProgramsFolder), true},
        {globals.DesktopAllUsers, globals.CommonDesktopFolder, false},
        {globals.DesktopThisUser, globals.DesktopFolder, false},
    };
    for (const Choice &choice : choices) {
        if (!choice.chosen || choice.folder.empty())
            continue;
        createShortcut(install, choice.folder, ProgramShortcut());
        if (choice.withUninstaller)
            createShortcut(install, choice.folder, UninstallerShortcut());
    }
}

void FormatAndCreateIcon(InstallContext &install, const std::string &m_TargetFolder, const std::string &m_LinkName,
                         const std::string &m_SourceFileName, const std::string &m_Description,
                         const std::string &m_IconName)
{
    Globals &globals = install.globals;
    CreateFolderPath(globals, m_TargetFolder);
    const std::string linkPath = Paths::join(m_TargetFolder, m_LinkName);
    AddToInstallList(globals, linkPath);
    KeepInstallLogCurrent(install);
    MakeShortcut(install.desktop, linkPath, m_Description, Paths::join(globals.InstallPath, m_SourceFileName),
                 WindowStyle::Normal, Paths::join(globals.InstallPath, m_IconName), globals.InstallPath);
}

std::vector<std::string> FilesNotInstalled(const InstallContext &install)
{
    std::vector<std::string> missing;
    for (const std::string &name : ProgramFileNames()) {
        if (!isInstalled(install, name))
            missing.push_back(name);
    }
    return missing;
}

} // namespace setup
