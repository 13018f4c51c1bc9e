#include "desktop/linux/canberrasoundplayer.h"

#include <canberra.h>

#include <system_error>

namespace {
// One id for every sound, so that a new one cancels the one still playing.
constexpr uint32_t kSoundId = 1;
} // namespace

CanberraSoundPlayer::CanberraSoundPlayer() = default;

CanberraSoundPlayer::~CanberraSoundPlayer()
{
    if (m_context)
        ca_context_destroy(m_context);
}

void CanberraSoundPlayer::play(const std::filesystem::path &file)
{
    // The context connects to the sound server lazily: a toolbar with sounds off never does.
    if (!m_context && ca_context_create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        return;
    }
    ca_context_cancel(m_context, kSoundId);
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec)) {
        const int result = ca_context_play(m_context, kSoundId, CA_PROP_MEDIA_FILENAME, file.c_str(),
                                           CA_PROP_MEDIA_ROLE, "event", nullptr);
        if (result == CA_SUCCESS)
            return;
    }
    // A missing or unplayable file falls back to the theme's default sound.
    ca_context_play(m_context, kSoundId, CA_PROP_EVENT_ID, "bell", CA_PROP_MEDIA_ROLE, "event", nullptr);
}
