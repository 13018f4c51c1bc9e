#pragma once

#include "desktop/downloader.h"

#include <string>
#include <vector>

/// A downloader that fetches nothing: it records each request and finishes it when the
/// test says so, with the body and result the test gives.
class FakeDownloader final : public Downloader
{
public:
    void start(const DownloadRequest &request, Progress progress, Finished finished) override;

    /// Finishes the oldest open request: writes body to its path when result.ok.
    void finishNext(const std::string &body, const DownloadResult &result);

    std::vector<DownloadRequest> requests; ///< every request, in order
    std::size_t open() const { return m_open.size(); }

private:
    struct Open
    {
        DownloadRequest request;
        Progress progress;
        Finished finished;
    };
    std::vector<Open> m_open;
};
