#include "uninstaller/core/installationfolder.h"

#include "desktop/filecopy.h"
#include "desktop/knownfolders.h"
#include "desktop/paths.h"
#include "desktop/platformnames.h"
#include "desktop/textfile.h"
#include "uninstaller/core/installlog.h"
#include "uninstaller/core/protectedfolders.h"

#include <algorithm>
#include <filesystem>

namespace uninstall {

namespace fs = std::filesystem;

namespace {

// The files the toolbar keeps beside its program.
constexpr const char *ToolbarDataFiles[] = {"SpotData.txt", "DropOptions.txt"};

std::string lastName(const std::string &path)
{
    return fs::path(Paths::withoutTrailingSeparator(path)).filename().string();
}

bool isNamedLikeTheProduct(const std::string &path)
{
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(fs::path(path), ec);
    return lastName(path) == UninstallerNames::ProductName && !ec &&
           lastName(resolved.string()) == UninstallerNames::ProductName;
}

bool holdsInstallLog(const std::string &path)
{
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(Paths::join(path, UninstallerNames::InstallLogName), ec));
}

std::string shortcutName(const std::string &name)
{
    return name + PlatformNames::shortcutExtensions().front();
}

bool liesDirectlyInAny(const std::string &path, const std::vector<std::string> &folders)
{
    return std::any_of(folders.begin(), folders.end(),
                       [&](const std::string &folder) { return !folder.empty() && LiesWithin(path, folder, true); });
}

} // namespace

std::string InstallFolderRefusal(const std::string &path, const std::vector<std::string> &keptFolders)
{
    if (!fs::path(path).is_absolute())
        return "that is not a full path";
    if (!isNamedLikeTheProduct(path))
        return std::string("that folder is not named ") + UninstallerNames::ProductName;
    if (IsProtectedFolder(path, keptFolders))
        return "that folder must never be removed";
    if (!holdsInstallLog(path))
        return "that folder holds no install log";
    return {};
}

std::string RefusedInstallFolderMessage(const std::string &path, const std::string &reason)
{
    if (path.empty())
        return "The install log names no installation folder.\rNothing was removed.";
    return "The install log names " + path + " as the installation folder, but " + reason + ".\rNothing was removed.";
}

std::vector<std::string> CheckInstallFolders(UninstallContext &context, const std::vector<std::string> &logLines,
                                             std::string &refusal)
{
    const std::vector<std::string> kept = KeptFolders(context);
    std::vector<std::string> folders;
    for (const std::string &line : logLines) {
        if (!IsInstallPathLine(line))
            continue;
        const std::string folder = InstallFolderOf(line);
        const std::string reason = folder.empty() ? "none" : InstallFolderRefusal(folder, kept);
        if (!reason.empty()) {
            refusal = RefusedInstallFolderMessage(folder, reason);
            return {};
        }
        folders.push_back(folder);
    }
    if (folders.empty())
        refusal = RefusedInstallFolderMessage({}, {});
    return folders;
}

std::vector<std::string> OwnedFileNames(const std::vector<std::string> &logLines, const std::string &installFolder)
{
    std::vector<std::string> names;
    const auto withTemporaries = [&](const std::string &name) {
        names.push_back(name);
        names.push_back(Paths::fileName(TextFile::temporaryNameFor(name)));
        names.push_back(Paths::fileName(FileCopy::temporaryNameFor(name)));
    };
    withTemporaries(UninstallerNames::InstallLogName);
    for (const char *name : ToolbarDataFiles)
        withTemporaries(name);
    for (const std::string &line : logLines) {
        if (!line.empty() && !IsInstallPathLine(line) && LiesWithin(line, installFolder, true))
            withTemporaries(Paths::fileName(line));
    }
    return names;
}

bool IsInstallationEntry(UninstallContext &context, const std::string &path)
{
    for (const std::string &folder : context.globals.InstallFolders) {
        if (LiesWithin(path, folder))
            return true;
    }
    KnownFolders &known = context.desktop.folders;
    const std::string name = Paths::fileName(path);
    const std::string programEntry = shortcutName(UninstallerNames::ProductName);
    const std::string uninstallEntry = shortcutName(std::string("Uninstall ") + UninstallerNames::ProductName);
    if (name == programEntry || name == uninstallEntry) {
        std::vector<std::string> groups;
        for (int csidl : {Csidl::Programs, Csidl::CommonPrograms}) {
            const std::string programs = known.specialFolder(csidl);
            if (!programs.empty())
                groups.push_back(Paths::join(programs, UninstallerNames::ProductName));
        }
        if (liesDirectlyInAny(path, groups))
            return true;
    }
    return name == programEntry &&
           liesDirectlyInAny(path, {known.specialFolder(Csidl::Desktop), known.specialFolder(Csidl::CommonDesktop)});
}

} // namespace uninstall
