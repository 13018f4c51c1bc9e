#pragma once

#include "shortcuts.h"

/// Shortcuts as freedesktop desktop entries (".desktop" files), made executable so that
/// file managers trust them.
class DesktopEntryWriter final : public ShortcutWriter
{
public:
    bool writeShortcut(const std::string &linkPath, const ShortcutProperties &properties) override;

    /// The entry's text for the given link path and properties.
    static std::string entryText(const std::string &linkPath, const ShortcutProperties &properties);
};
