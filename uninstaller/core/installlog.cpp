#include "uninstaller/core/installlog.h"

#include "desktop/paths.h"

#include <fstream>

namespace uninstall {

namespace {
constexpr const char *InstallPathPrefix = "INSTALLPATH=";
}

bool IsInstallPathLine(const std::string &line)
{
    return line.rfind(InstallPathPrefix, 0) == 0;
}

std::string InstallPathOf(std::string line)
{
    const std::string prefix = InstallPathPrefix;
    for (auto at = line.find(prefix); at != std::string::npos; at = line.find(prefix, at))
        line.erase(at, prefix.size());
    return line;
}

std::string InstallFolderOf(const std::string &line)
{
    const std::string path = InstallPathOf(line);
    const auto first = path.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return path.substr(first, path.find_last_not_of(' ') - first + 1);
}

LogLineKind ClassifyLogLine(const std::string &line)
{
    if (IsInstallPathLine(line))
        return LogLineKind::InstallPath;
    if (line.empty())
        return LogLineKind::Empty;
    if (Paths::folderExists(line))
        return LogLineKind::Folder;
    if (line.find('.') != std::string::npos || Paths::fileExists(line))
        return LogLineKind::File;
    return LogLineKind::Folder;
}

bool ReadInstallLog(const std::string &path, const std::function<void(const std::string &)> &handle)
{
    if (!Paths::fileExists(path))
        return false;
    std::ifstream log(path, std::ios::binary);
    if (!log)
        return false;
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        handle(line);
    }
    return true;
}

std::string InstallFolderFromLog(const std::string &path)
{
    std::string folder;
    ReadInstallLog(path, [&](const std::string &line) {
        if (folder.empty() && IsInstallPathLine(line))
            folder = InstallFolderOf(line);
    });
    return folder;
}

} // namespace uninstall
