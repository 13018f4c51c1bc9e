#include "tests/uninstaller/uninstallsupport.h"

#include "desktop/knownfolders.h"
#include "desktop/paths.h"
#include "desktop/platformnames.h"
#include "desktop/privatefolder.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace uninstall {

namespace fs = std::filesystem;

namespace {
std::string shortcutName(const std::string &name)
{
    return name + PlatformNames::shortcutExtensions().front();
}
} // namespace

Installation::Installation(const TempFolder &root)
{
    using Paths::join;
    using PlatformNames::executableName;
    using PlatformNames::iconFileName;
    home = root / "home";
    desktop = join(home, "Desktop");
    pictures = join(home, "Pictures");
    programFiles = join(join(home, ".local"), "share");
    programs = join(programFiles, "applications");
    startup = join(join(home, ".config"), "autostart");
    temp = root / "tmp folder";
    createdParent = join(home, "My Apps");
    installFolder = join(createdParent, "Stowlet");
    groupFolder = join(programs, "Stowlet");
    for (const std::string &name :
         {executableName("Stowlet"), iconFileName("Drop"), executableName("StowletUninstaller"), iconFileName("Skull"),
          std::string("Warning.wav"), std::string("CopyFailed.wav"), std::string("CopySuccess.wav"),
          std::string("NewBaseName.wav")})
        installedFiles.push_back(join(installFolder, name));
    shortcuts = {join(groupFolder, shortcutName("Stowlet")), join(groupFolder, shortcutName("Uninstall Stowlet")),
                 join(desktop, shortcutName("Stowlet"))};
    // What an install records, in its order: the folders made for the installation folder,
    // the program files, then the menu's group folder with its entries, then the desktop entry.
    std::vector<std::string> recorded{createdParent, installFolder};
    recorded.insert(recorded.end(), installedFiles.begin(), installedFiles.end());
    recorded.push_back(groupFolder);
    recorded.insert(recorded.end(), shortcuts.begin(), shortcuts.end());
    logLines = logGroupsOf(installFolder, recorded);
}

std::vector<std::string> Installation::logGroupsOf(const std::string &installPath,
                                                   const std::vector<std::string> &recorded)
{
    // The log's three groups, told apart by a "." alone: on Linux that puts program files
    // without extension among the folders and anything under ".local" among the files.
    const auto hasDot = [](const std::string &entry) { return entry.find('.') != std::string::npos; };
    const auto isLink = [](std::string entry) {
        std::transform(entry.begin(), entry.end(), entry.begin(), [](unsigned char c) { return std::tolower(c); });
        return entry.find(".lnk") != std::string::npos;
    };
    std::vector<std::string> lines{"INSTALLPATH=" + installPath};
    for (const std::string &entry : recorded)
        if (hasDot(entry) && !isLink(entry))
            lines.push_back(entry);
    for (const std::string &entry : recorded)
        if (hasDot(entry) && isLink(entry))
            lines.push_back(entry);
    for (const std::string &entry : recorded)
        if (!entry.empty() && !hasDot(entry))
            lines.push_back(entry);
    return lines;
}

void Installation::layOut() const
{
    for (const std::string &folder : {desktop, pictures, programs, startup, temp, installFolder, groupFolder})
        fs::create_directories(folder);
    for (const std::string &file : installedFiles)
        std::ofstream(file, std::ios::binary) << "installed " << fs::path(file).filename().string();
    fs::permissions(programInInstallFolder(), fs::perms::owner_exec | fs::perms::group_exec, fs::perm_options::add);
    for (const std::string &entry : shortcuts)
        std::ofstream(entry, std::ios::binary) << "[Desktop Entry]\nType=Application\n";
    writeLog(logInInstallFolder(), logLines);
}

void Installation::copyToTemp() const
{
    std::string error;
    if (!fs::exists(handOverFolder()))
        PrivateFolder::create(temp, "StowletUninstaller-", error);
    replaceFile(programInInstallFolder(), programInTemp());
    replaceFile(logInInstallFolder(), logInTemp());
}

std::string Installation::handOverFolder() const
{
    std::vector<std::string> found;
    std::error_code ec;
    for (const fs::directory_entry &entry : fs::directory_iterator(temp, ec))
        if (entry.path().filename().string().starts_with("StowletUninstaller-") && !entry.is_symlink())
            found.push_back(entry.path().string());
    std::sort(found.begin(), found.end());
    return found.empty() ? Paths::join(temp, "no hand-over folder") : found.front();
}

void Installation::describeTo(FakeDesktop &fake) const
{
    fake.home = home;
    fake.temp = temp + Paths::separator();
    fake.folders = {{Csidl::Desktop, desktop},
                    {Csidl::Programs, programs},
                    {Csidl::Startup, startup},
                    {Csidl::ProgramFiles, programFiles},
                    {Csidl::MyPictures, pictures}};
}

void Installation::writeLog(const std::string &path, const std::vector<std::string> &lines)
{
    std::ofstream log(path, std::ios::binary);
    for (const std::string &line : lines)
        log << line << "\r\n";
}

std::string Installation::logInInstallFolder() const
{
    return Paths::join(installFolder, "STOWLET-InstallLog.txt");
}

std::string Installation::logInTemp() const
{
    return Paths::join(handOverFolder(), "STOWLET-InstallLog.txt");
}

std::string Installation::programInInstallFolder() const
{
    return Paths::join(installFolder, PlatformNames::executableName("StowletUninstaller"));
}

std::string Installation::programInTemp() const
{
    return Paths::join(handOverFolder(), PlatformNames::executableName("StowletUninstaller"));
}

std::string Installation::scriptInTemp() const
{
    return Paths::join(handOverFolder(), PlatformNames::selfRemovalScriptName());
}

void replaceFile(const std::string &source, const std::string &target)
{
    // Removed first: some runtimes will not copy over an existing file.
    std::error_code ignored;
    fs::remove(target, ignored);
    fs::copy_file(source, target);
}

std::vector<std::string> treeOf(const std::string &folder)
{
    std::vector<std::string> entries;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = fs::relative(it->path(), folder).generic_string();
        if (it->is_directory() && !it->is_symlink())
            name += "/";
        entries.push_back(name);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace uninstall
