#include "installer/core/wizardsteps.h"

#include "desktop/filecopy.h"
#include "desktop/paths.h"
#include "desktop/shellprocedures.h"
#include "desktop/textfile.h"
#include "installer/core/appfunctions.h"
#include "installer/core/installlog.h"
#include "installer/core/programfiles.h"

#include <algorithm>
#include <filesystem>

namespace setup {

namespace fs = std::filesystem;

namespace {

bool isAbsolute(const std::string &path)
{
    return fs::path(path).is_absolute();
}

// Number of path components of root that path starts with, or -1 when root does not hold path.
int heldDepth(const fs::path &root, const fs::path &path)
{
    auto r = root.begin();
    auto p = path.begin();
    int depth = 0;
    for (; r != root.end(); ++r, ++p, ++depth) {
        if (p == path.end() || *r != *p)
            return -1;
    }
    return depth;
}

// A folder the install can put something in: one that is there, or one it can make because
// the nearest folder above it that is there is a folder (a new account has no menu folder yet).
bool canBeMade(const std::string &folder)
{
    if (folder.empty() || !isAbsolute(folder))
        return false;
    fs::path path(folder);
    std::error_code ec;
    while (!fs::exists(path, ec) && path.has_relative_path())
        path = path.parent_path();
    return fs::is_directory(path, ec);
}

ShortcutFrame frameFor(const std::string &allUsersFolder, const std::string &thisUserFolder,
                       bool (*usable)(const std::string &))
{
    ShortcutFrame frame;
    frame.allUsersEnabled = usable(allUsersFolder);
    frame.thisUserEnabled = usable(thisUserFolder);
    if (frame.allUsersEnabled)
        frame.preselected = ShortcutChoice::AllUsers;
    else if (frame.thisUserEnabled)
        frame.preselected = ShortcutChoice::ThisUser;
    return frame;
}

// The files an installation and the programs it installs keep in the installation folder.
bool isAnInstallationsOwn(const std::string &name)
{
    std::vector<std::string> own = ProgramFileNames();
    own.insert(own.end(), {InstallLogName(), "SpotData.txt", "DropOptions.txt", "Thumbs.db"});
    return std::any_of(own.begin(), own.end(), [&name](const std::string &file) {
        return name == file || name == Paths::fileName(TextFile::temporaryNameFor(file)) ||
               name == Paths::fileName(FileCopy::temporaryNameFor(file));
    });
}

} // namespace

std::vector<std::string> ForeignEntries(const std::string &folder)
{
    std::vector<std::string> foreign;
    std::error_code ec;
    for (fs::directory_iterator entry(fs::path(folder), ec), end; !ec && entry != end; entry.increment(ec)) {
        std::error_code kind;
        const std::string name = entry->path().filename().string();
        if (!isAnInstallationsOwn(name) || fs::is_directory(entry->symlink_status(kind)))
            foreign.push_back(name);
    }
    std::sort(foreign.begin(), foreign.end());
    return foreign;
}

std::string ForeignFilesQuestion(const std::string &folder)
{
    return "The folder " + folder + " already holds files that are not part of " + ProductName +
           ".\rThey will stay where they are: neither the install nor a later uninstall removes them." +
           "\r\rInstall " + ProductName + " into this folder?";
}

std::string UnableToRegisterMessage(const std::string &componentPath)
{
    return "Unable to register required file.\r(" + componentPath + ")";
}

std::string FolderNotCreatedMessage(const std::string &path)
{
    return "The folder " + path + " could not be created.\rPlease select another folder";
}

void LoadSystemFolders(Globals &globals, Desktop &desktop)
{
    const auto folder = [&desktop](int csidl) {
        return Paths::withoutTrailingSeparator(GetSpecialFolder(desktop, csidl));
    };
    globals.SystemFolder = folder(Csidl::System);
    globals.ProgramFilesFolder = folder(Csidl::ProgramFiles);
    globals.DesktopFolder = folder(Csidl::Desktop);
    globals.ProgramsFolder = folder(Csidl::Programs);
    globals.CommonDesktopFolder = folder(Csidl::CommonDesktop);
    globals.CommonProgramsFolder = folder(Csidl::CommonPrograms);
}

bool EnsureFileSystemObject(Globals &globals, Desktop &desktop, SharedComponents &components)
{
    if (components.fileSystemAvailable())
        return true;
    // The service is missing, so its component is copied by a plain copy that needs no service.
    const std::string component = Paths::join(globals.SystemFolder, components.fileSystemComponent());
    std::string error;
    FileCopy::copyReplacing(Paths::join(globals.SupportFolder, components.fileSystemComponent()), component, error);
    desktop.pump.yieldTimes(6);
    if (!RegisterComponent(desktop, components, component)) {
        desktop.pump.yieldTimes(6);
        RegisterComponent(desktop, components, component);
    }
    desktop.pump.yieldTimes(6);
    if (components.fileSystemAvailable())
        return true;
    desktop.messages.showMessage(UnableToRegisterMessage(component));
    return false;
}

void EnsureInstallerRequirements(Globals &globals, Desktop &desktop, SharedComponents &components)
{
    for (const std::string &name : components.installerComponents())
        PlaceSharedComponent(globals, desktop, components, name);
}

std::string ExistingInstallation(const Globals &globals, Desktop &desktop)
{
    std::vector<std::string> programs;
    for (const std::string &menu : {globals.CommonProgramsFolder, globals.ProgramsFolder}) {
        if (!menu.empty())
            programs.push_back(Paths::join(Paths::join(menu, ProductName), ProgramShortcut().LinkName));
    }
    for (const std::string &desk : {globals.CommonDesktopFolder, globals.DesktopFolder}) {
        if (!desk.empty())
            programs.push_back(Paths::join(desk, ProgramShortcut().LinkName));
    }
    const std::string autoStart = AutoStartShortcutPath(desktop);
    if (!autoStart.empty())
        programs.push_back(autoStart);
    for (const std::string &entry : programs) {
        const std::string target = Paths::fileExists(entry) ? desktop.shortcuts.shortcutTarget(entry) : std::string();
        const std::string folder = target.empty() ? std::string() : Paths::parentFolder(target);
        if (!folder.empty() && Paths::fileExists(InstallLogPath(folder)))
            return folder;
    }
    const std::string usual =
        globals.ProgramFilesFolder.empty() ? std::string() : Paths::join(globals.ProgramFilesFolder, ProductName);
    return !usual.empty() && Paths::fileExists(InstallLogPath(usual)) ? usual : std::string();
}

std::string DefaultInstallPath(const Globals &globals, const std::string &installerFolder, Desktop &desktop)
{
    const std::string existing = ExistingInstallation(globals, desktop);
    if (!existing.empty())
        return existing;
    // The program-files folder of a new account may not be there yet; the install makes it.
    if (canBeMade(globals.ProgramFilesFolder))
        return Paths::join(globals.ProgramFilesFolder, ProductName);
    return Paths::join(installerFolder, ProductName);
}

ShortcutFrame StartMenuOptions(const Globals &globals)
{
    return frameFor(globals.CommonProgramsFolder, globals.ProgramsFolder, canBeMade);
}

ShortcutFrame DesktopOptions(const Globals &globals)
{
    return frameFor(globals.CommonDesktopFolder, globals.DesktopFolder, Paths::folderExists);
}

void SaveShortcutChoices(Globals &globals, ShortcutChoice startMenu, ShortcutChoice desktop)
{
    globals.StartMenuAllUsers = startMenu == ShortcutChoice::AllUsers;
    globals.StartMenuThisUser = startMenu == ShortcutChoice::ThisUser;
    globals.DesktopAllUsers = desktop == ShortcutChoice::AllUsers;
    globals.DesktopThisUser = desktop == ShortcutChoice::ThisUser;
}

std::string InstallPathAfterChange(const std::string &text)
{
    const std::string name = ProductName;
    if (text.empty() || text.ends_with(name))
        return text;
    if (Paths::endsWithSeparator(text))
        return text + name;
    return text + Paths::separator() + name;
}

std::string ExpandHome(const std::string &text, const std::string &homeFolder)
{
    if (text.empty() || text.front() != '~' || homeFolder.empty())
        return text;
    if (text.size() == 1)
        return homeFolder;
    if (text[1] != '/' && text[1] != Paths::separator())
        return text; // another user's home: left as typed
    return Paths::join(homeFolder, text.substr(2));
}

std::string TrimSpaces(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool AcceptInstallPath(Globals &globals, Desktop &desktop, const std::string &typed)
{
    std::string path = TrimSpaces(typed);
    if (path.empty()) {
        desktop.messages.showMessage(SelectFolderMessage);
        return false;
    }
    path = Paths::withoutTrailingSeparator(path);
    if (isAbsolute(path) && !ForeignEntries(path).empty() && !desktop.messages.askYesNo(ForeignFilesQuestion(path)))
        return false;
    if (isAbsolute(path))
        CreateFolderPath(globals, path);
    desktop.pump.yieldTimes(4);
    if (!isAbsolute(path) || !Paths::folderExists(path)) {
        desktop.messages.showMessage(FolderNotCreatedMessage(path));
        return false;
    }
    globals.InstallPath = path;
    return true;
}

std::string DriveOfPath(const std::string &path, const std::vector<std::string> &driveRoots)
{
    if (!isAbsolute(path))
        return {};
    std::string drive;
    int deepest = -1;
    for (const std::string &root : driveRoots) {
        const int depth = heldDepth(fs::path(Paths::withoutTrailingSeparator(root)), fs::path(path));
        if (depth > deepest) {
            deepest = depth;
            drive = root;
        }
    }
    return drive;
}

} // namespace setup
