#pragma once

#include "desktop/soundplayer.h"

struct ca_context;

/// Sounds through libcanberra, the library desktop environments use for event sounds.
class CanberraSoundPlayer final : public SoundPlayer
{
public:
    CanberraSoundPlayer();
    ~CanberraSoundPlayer() override;
    CanberraSoundPlayer(const CanberraSoundPlayer &) = delete;
    CanberraSoundPlayer &operator=(const CanberraSoundPlayer &) = delete;

    void play(const std::filesystem::path &file) override;

private:
    ca_context *m_context = nullptr;
};
