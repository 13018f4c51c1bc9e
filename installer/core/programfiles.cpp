#include "installer/core/programfiles.h"

#include "desktop/platformnames.h"
#include "desktop/shellprocedures.h"
#include "installer/core/setupglobals.h"

namespace setup {

const std::vector<std::string> &ProgramFileNames()
{
    static const std::vector<std::string> names{
        PlatformNames::executableName(ProductName),
        PlatformNames::iconFileName("Drop"),
        PlatformNames::executableName("StowletUninstaller"),
        PlatformNames::iconFileName("Skull"),
        SoundFileName(static_cast<int>(SoundKind::Warning)),
        SoundFileName(static_cast<int>(SoundKind::CopyFailed)),
        SoundFileName(static_cast<int>(SoundKind::CopySuccess)),
        SoundFileName(static_cast<int>(SoundKind::NewBaseName)),
    };
    return names;
}

std::string ProgramExecutableName()
{
    return PlatformNames::executableName(ProductName);
}

ShortcutToMake ProgramShortcut()
{
    return {ShortcutLinkPath(ProductName), ProgramExecutableName(), ProductName, PlatformNames::iconFileName("Drop")};
}

ShortcutToMake UninstallerShortcut()
{
    return {ShortcutLinkPath(std::string("Uninstall ") + ProductName),
            PlatformNames::executableName("StowletUninstaller"), "Uninstaller", PlatformNames::iconFileName("Skull")};
}

} // namespace setup
