#pragma once

#include <functional>
#include <string>

/// A file a drag source has agreed to write for a drop (see DirectSave). A browser
/// answers as soon as it has created the file and writes the picture into it later,
/// whenever its server answers; the drop goes on meanwhile and the file is taken once
/// the source has finished with it.
class DirectSaveTransfer
{
public:
    enum class State {
        Writing,   ///< the source is still writing the file
        Written,   ///< the file is complete, with the mode of a file the user creates
        Abandoned, ///< the source failed or took too long; the file is gone
    };

    DirectSaveTransfer(std::string path, std::string suggestedName);
    DirectSaveTransfer(const DirectSaveTransfer &) = delete;
    DirectSaveTransfer &operator=(const DirectSaveTransfer &) = delete;

    /// Where the source writes, in the folder the drop target named.
    const std::string &path() const { return m_path; }
    /// The name the source proposed for the file (may be empty).
    const std::string &suggestedName() const { return m_suggestedName; }
    State state() const { return m_state; }

    /// finished is called once, on the user-interface thread, when the state leaves
    /// Writing; it replaces any earlier one. Never called from inside this call.
    void onFinished(std::function<void()> finished);

    /// For the desktop's direct save: the source has finished the file, or it is given up.
    void finish(State state);

private:
    std::string m_path;
    std::string m_suggestedName;
    State m_state = State::Writing;
    std::function<void()> m_finished;
};
