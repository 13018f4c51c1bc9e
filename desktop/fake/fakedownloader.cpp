#include "desktop/fake/fakedownloader.h"

#include <fstream>

void FakeDownloader::start(const DownloadRequest &request, Progress progress, Finished finished)
{
    requests.push_back(request);
    m_open.push_back({request, std::move(progress), std::move(finished)});
}

void FakeDownloader::finishNext(const std::string &body, const DownloadResult &result)
{
    if (m_open.empty())
        return;
    const Open open = std::move(m_open.front());
    m_open.erase(m_open.begin());
    if (result.ok) {
        std::ofstream(open.request.path, std::ios::binary) << body;
        if (open.progress)
            open.progress(body.size(), body.size());
    }
    open.finished(result);
}
