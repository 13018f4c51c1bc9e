#include "desktop/directsavetransfer.h"

#include <utility>

DirectSaveTransfer::DirectSaveTransfer(std::string path, std::string suggestedName)
    : m_path(std::move(path)), m_suggestedName(std::move(suggestedName))
{}

void DirectSaveTransfer::onFinished(std::function<void()> finished)
{
    m_finished = std::move(finished);
}

void DirectSaveTransfer::finish(State state)
{
    if (m_state != State::Writing || state == State::Writing)
        return;
    m_state = state;
    // Whoever waits may let go of this transfer from inside the call.
    const std::function<void()> finished = std::move(m_finished);
    m_finished = nullptr;
    if (finished)
        finished();
}
