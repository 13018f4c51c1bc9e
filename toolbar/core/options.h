#pragma once

#include <cstdint>

namespace toolbar {

/// The eight program options, kept in DropOptions.txt. A default-constructed record
/// holds the program's start values (false and 0), which a DropOptions.txt that lacks a
/// key leaves in place; the defaults proper are set by RestoreDefaultOptions.
struct Options
{
    bool SameBaseName = false;
    bool VerticalToolbar = false;
    bool RememberLocation = false;
    bool PromptBaseNames = false;
    bool AutoStart = false;
    bool Sounds = false;
    std::int32_t MaxRandomLength = 0;
    std::int32_t SpotSize = 0;

    static Options defaults()
    {
        Options o;
        o.RememberLocation = true;
        o.PromptBaseNames = true;
        o.Sounds = true;
        o.MaxRandomLength = DefaultMaxRandomLength;
        o.SpotSize = DefaultSpotSize;
        return o;
    }

    static constexpr std::int32_t DefaultMaxRandomLength = 6;
    static constexpr std::int32_t DefaultSpotSize = 500;

    bool operator==(const Options &) const = default;
};

} // namespace toolbar
