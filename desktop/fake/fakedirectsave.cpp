#include "desktop/fake/fakedirectsave.h"

#include "desktop/filecopy.h"

#include <cstdio>
#include <fstream>

std::shared_ptr<DirectSaveTransfer> FakeDirectSave::saveInto(const std::string &folder,
                                                             const std::function<std::string()> &requestWrite)
{
    folders.push_back(folder);
    if (requestWrite() != "S")
        return nullptr;
    // Like a browser: the file exists, empty, as soon as the source has answered.
    const std::string path = FileCopy::transferPath(folder, FileCopy::Transfer::DirectSave);
    std::ofstream(path, std::ios::binary).flush();
    auto transfer = std::make_shared<DirectSaveTransfer>(path, suggestedName);
    m_open.push_back(transfer);
    return transfer;
}

std::shared_ptr<DirectSaveTransfer> FakeDirectSave::takeNext()
{
    if (m_open.empty())
        return nullptr;
    std::shared_ptr<DirectSaveTransfer> transfer = m_open.front().lock();
    m_open.erase(m_open.begin());
    return transfer;
}

void FakeDirectSave::finishNext(const std::string &bytes)
{
    if (const auto transfer = takeNext()) {
        std::ofstream(transfer->path(), std::ios::binary) << bytes;
        transfer->finish(DirectSaveTransfer::State::Written);
    }
}

void FakeDirectSave::abandonNext()
{
    if (const auto transfer = takeNext()) {
        std::remove(transfer->path().c_str());
        transfer->finish(DirectSaveTransfer::State::Abandoned);
    }
}
