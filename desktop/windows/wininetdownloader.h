#pragma once

#include "desktop/downloader.h"

/// Downloads through WinINet. The transfer runs to its end inside start (WinINet's own
/// timeouts bound each wait), so the callbacks have been called when start returns.
class WinInetDownloader final : public Downloader
{
public:
    void start(const DownloadRequest &request, Progress progress, Finished finished) override;
};
