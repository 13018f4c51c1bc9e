#include "desktop/platformnames.h"

namespace PlatformNames {

std::string executableName(const std::string &title)
{
    return title;
}

std::string iconFileName(const std::string &baseName)
{
    return baseName + ".png";
}

std::string programIconLocation(const std::string &, const std::string &appFolder)
{
    return appFolder + "/" + iconFileName("Drop");
}

const std::vector<std::string> &shortcutExtensions()
{
    static const std::vector<std::string> extensions{".desktop"};
    return extensions;
}

std::string selfRemovalScriptName()
{
    return "killmyself.sh";
}

} // namespace PlatformNames
