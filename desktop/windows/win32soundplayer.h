#pragma once

#include "desktop/soundplayer.h"

/// Sounds by sndPlaySoundA with SND_ASYNC alone: a new sound cuts off the one playing,
/// and a missing file plays the system's default sound, since SND_NODEFAULT is not given.
class Win32SoundPlayer final : public SoundPlayer
{
public:
    void play(const std::filesystem::path &file) override;
};
