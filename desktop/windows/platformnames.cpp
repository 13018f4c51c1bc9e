#include "desktop/platformnames.h"

namespace PlatformNames {

std::string executableName(const std::string &title)
{
    return title + ".exe";
}

std::string iconFileName(const std::string &baseName)
{
    return baseName + ".ico";
}

std::string programIconLocation(const std::string &executablePath, const std::string &)
{
    return executablePath + ",1";
}

const std::vector<std::string> &shortcutExtensions()
{
    // Internet shortcuts are shortcuts too: a link path ending in ".url" is kept as it is.
    static const std::vector<std::string> extensions{".lnk", ".url"};
    return extensions;
}

std::string selfRemovalScriptName()
{
    return "killmyself.bat";
}

} // namespace PlatformNames
