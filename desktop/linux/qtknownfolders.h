#pragma once

#include "desktop/knownfolders.h"

/// Known folders of a freedesktop session (XDG base and user folders).
class QtKnownFolders final : public KnownFolders
{
public:
    std::string specialFolder(int csidl) override;
    std::string homeFolder() override;
    std::string tempFolder() override;
};
