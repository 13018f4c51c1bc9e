#include "toolbar/core/userdatafolder.h"

#include "desktop/paths.h"
#include "desktop/shellprocedures.h"
#include "desktop/textfile.h"

#include <filesystem>

namespace toolbar {

namespace fs = std::filesystem;

namespace {

// The user's file, once there, is theirs: the shared copy never replaces it.
void startFromSharedCopy(const std::string &shared, const std::string &own)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(fs::path(own), ec)) || !Paths::fileExists(shared))
        return;
    // A copy that can not be made leaves the defaults, as for a user without one.
    if (const auto lines = TextFile::readLines(shared))
        TextFile::writeLinesAtomically(own, *lines);
}

std::string packageCommand(const std::string &programFolder)
{
    const auto lines = TextFile::readLines(Paths::join(programFolder, PackageCommandFile));
    return lines && !lines->empty() ? lines->front() : std::string();
}

} // namespace

std::string UserDataFolder(Desktop &desktop)
{
    const std::string config = GetSpecialFolder(desktop, Csidl::AppData);
    return config.empty() ? std::string() : Paths::join(config, ProgramTitle);
}

void UseUserDataFolderWhenShared(AppContext &app)
{
    Globals &g = app.globals;
    g.PackageCommand = packageCommand(g.AppFolder);
    if (g.PackageCommand.empty() && Paths::canCreateIn(g.AppFolder))
        return;
    const std::string folder = UserDataFolder(app.desktop);
    if (folder.empty())
        return;
    std::error_code ec;
    fs::create_directories(fs::path(folder), ec);
    const std::string spotData = Paths::join(folder, Paths::fileName(g.SpotDataPath));
    const std::string options = Paths::join(folder, Paths::fileName(g.OptionsPath));
    startFromSharedCopy(g.SpotDataPath, spotData);
    startFromSharedCopy(g.OptionsPath, options);
    g.SpotDataPath = spotData;
    g.OptionsPath = options;
}

} // namespace toolbar
