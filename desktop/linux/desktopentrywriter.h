#pragma once

#include "desktop/shortcuts.h"

/// Shortcuts as freedesktop desktop entries (".desktop" files), made executable so that
/// file managers trust them.
class DesktopEntryWriter final : public ShortcutWriter
{
public:
    bool writeShortcut(const std::string &linkPath, const ShortcutProperties &properties) override;
    std::string shortcutTarget(const std::string &linkPath) override;

    /// The program of an entry's Exec value as written: its first argument, unescaped and
    /// unquoted.
    static std::string execProgram(const std::string &execValue);

    /// The entry's text for the given link path and properties.
    static std::string entryText(const std::string &linkPath, const ShortcutProperties &properties);
};
