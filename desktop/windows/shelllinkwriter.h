#pragma once

#include "desktop/shortcuts.h"

#include <optional>

/// Shortcuts as shell links (".lnk"), written through the shell's IShellLink object.
class ShellLinkWriter final : public ShortcutWriter
{
public:
    bool writeShortcut(const std::string &linkPath, const ShortcutProperties &properties) override;
    std::string shortcutTarget(const std::string &linkPath) override;

    /// The properties of an existing shell link, as the shell reads it; nothing when the
    /// file is not one. (Wine's shell reads every show command back as normal; the file
    /// itself holds the right one, see showCommandInFile.)
    static std::optional<ShortcutProperties> readShortcut(const std::string &linkPath);

    /// The show command stored in a shell link file's header, or -1 when it is not one.
    static int showCommandInFile(const std::string &linkPath);

    /// "C:\x\Drop.ico" or "C:\x\Stowlet.exe,1": the icon file and the icon's index (0
    /// when none is given).
    static std::pair<std::string, int> splitIconLocation(const std::string &iconLocation);
};
