#include "uninstallsupport.h"

#include "knownfolders.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace fs = std::filesystem;

Installation::Installation(const TempFolder &root)
    : home(root / "home"), desktop(home + "/Desktop"), pictures(home + "/Pictures"),
      programs(home + "/.local/share/applications"), startup(home + "/.config/autostart"),
      programFiles(home + "/.local/share"), temp(root / "tmp folder"), createdParent(home + "/My Apps"),
      installFolder(createdParent + "/Stowlet"), groupFolder(programs + "/Stowlet")
{
    for (const char *name : {"Stowlet", "Drop.png", "StowletUninstaller", "Skull.png", "Warning.wav", "CopyFailed.wav",
                             "CopySuccess.wav", "NewBaseName.wav"})
        installedFiles.push_back(installFolder + "/" + name);
    shortcuts = {groupFolder + "/Stowlet.desktop", groupFolder + "/Uninstall Stowlet.desktop",
                 desktop + "/Stowlet.desktop"};
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
    // The log's three groups, told apart by a "." alone: on this desktop that puts program
    // files without extension among the folders and anything under ".local" among the files.
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
    fs::copy_file(programInInstallFolder(), programInTemp(), fs::copy_options::overwrite_existing);
    fs::copy_file(logInInstallFolder(), logInTemp(), fs::copy_options::overwrite_existing);
}

void Installation::describeTo(FakeDesktop &fake) const
{
    fake.home = home;
    fake.temp = temp + "/";
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
    return installFolder + "/STOWLET-InstallLog.txt";
}

std::string Installation::logInTemp() const
{
    return temp + "/STOWLET-InstallLog.txt";
}

std::string Installation::programInInstallFolder() const
{
    return installFolder + "/StowletUninstaller";
}

std::string Installation::programInTemp() const
{
    return temp + "/StowletUninstaller";
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
