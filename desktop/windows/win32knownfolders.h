#pragma once

#include "desktop/knownfolders.h"

/// Known folders by SHGetSpecialFolderLocation and SHGetPathFromIDListA, the temporary
/// folder by GetTempPathA.
class Win32KnownFolders final : public KnownFolders
{
public:
    std::string specialFolder(int csidl) override;
    std::string homeFolder() override;
    std::string tempFolder() override;
};
