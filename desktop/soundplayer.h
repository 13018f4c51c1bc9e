#pragma once

#include <filesystem>

/// Asynchronous notification sounds.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    /// Starts playing a WAV file and returns at once. A new sound cuts off one still
    /// playing; a missing or unreadable file plays the desktop's default sound instead.
    /// Never reports an error.
    virtual void play(const std::filesystem::path &file) = 0;
};
