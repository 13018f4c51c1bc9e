#pragma once

#include "desktop/shell.h"

#include <string>

/// What a shell shortcut points at.
struct ShortcutProperties
{
    std::string description;
    std::string iconLocation;
    std::string targetPath;
    WindowStyle windowStyle = WindowStyle::Maximized;
    std::string workingDirectory;
};

/// Writes shell shortcuts in the desktop's own format.
class ShortcutWriter
{
public:
    virtual ~ShortcutWriter() = default;

    /// Writes (or overwrites) the shortcut file at linkPath, which already carries the
    /// platform's shortcut extension; false when it could not be written.
    virtual bool writeShortcut(const std::string &linkPath, const ShortcutProperties &properties) = 0;

    /// The program an existing shortcut starts, or empty text when there is no shortcut at
    /// linkPath or it cannot be read.
    virtual std::string shortcutTarget(const std::string &linkPath) = 0;
};
