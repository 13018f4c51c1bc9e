#include "installer/core/installlog.h"

#include "desktop/paths.h"
#include "desktop/platformnames.h"
#include "desktop/shellprocedures.h"
#include "desktop/textfile.h"

#include <algorithm>
#include <cctype>

namespace setup {

namespace {

bool hasDot(const std::string &entry)
{
    return entry.find('.') != std::string::npos;
}

// The uninstaller tells a shortcut from an installed file by the shortcut extension
// anywhere in the path, whatever its letter case.
bool isShortcut(const std::string &entry)
{
    std::string lower = entry;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find(PlatformNames::shortcutExtensions().front()) != std::string::npos;
}

} // namespace

std::string InstallLogName()
{
    return "STOWLET" + std::string("-InstallLog.txt");
}

std::string InstallLogPath(const std::string &installPath)
{
    return Paths::join(installPath, InstallLogName());
}

void AddToInstallList(Globals &globals, const std::string &entry)
{
    auto &list = globals.InstallList;
    if (!list.empty() && list.front().empty())
        list.front() = entry;
    else
        list.push_back(entry);
}

std::vector<std::string> InstallLogLines(const std::string &installPath, const std::vector<std::string> &installList)
{
    std::vector<std::string> lines{"INSTALLPATH=" + installPath};
    for (const std::string &entry : installList) {
        if (hasDot(entry) && !isShortcut(entry))
            lines.push_back(entry);
    }
    for (const std::string &entry : installList) {
        if (hasDot(entry) && isShortcut(entry))
            lines.push_back(entry);
    }
    for (const std::string &entry : installList) {
        if (!entry.empty() && !hasDot(entry))
            lines.push_back(entry);
    }
    return lines;
}

bool SaveInstallLog(const std::string &installPath, const std::vector<std::string> &entries, std::string *error)
{
    if (installPath.empty())
        return false;
    return TextFile::writeLinesAtomically(InstallLogPath(installPath), InstallLogLines(installPath, entries), error);
}

void WriteInstallLog(const Globals &globals)
{
    if (!SaveInstallLog(globals.InstallPath, globals.InstallList, nullptr) && !globals.InstallPath.empty())
        DeleteFileQuietly(InstallLogPath(globals.InstallPath));
}

} // namespace setup
