#pragma once

#include "desktop/directsave.h"

#include <memory>
#include <string>
#include <vector>

/// A direct save whose source writes nothing by itself: every request the drop answers
/// with "S" becomes a transfer that the test finishes or abandons, oldest first.
class FakeDirectSave final : public DirectSave
{
public:
    std::shared_ptr<DirectSaveTransfer> saveInto(const std::string &folder,
                                                 const std::function<std::string()> &requestWrite) override;

    /// The source writes bytes into the oldest open transfer's file and finishes it.
    void finishNext(const std::string &bytes);
    /// The source gives the oldest open transfer up: its file is gone.
    void abandonNext();

    std::string suggestedName = "kitten.jpg"; ///< what the source proposes
    std::vector<std::string> folders;         ///< every folder asked for, in order
    std::size_t open() const { return m_open.size(); }

private:
    std::shared_ptr<DirectSaveTransfer> takeNext();

    std::vector<std::weak_ptr<DirectSaveTransfer>> m_open;
};
