#pragma once

#include "desktop/downloader.h"

#include <QNetworkAccessManager>

/// Downloads on Qt Network, driven by the event loop.
class QtDownloader final : public Downloader
{
public:
    QtDownloader();

    void start(const DownloadRequest &request, Progress progress, Finished finished) override;

private:
    QNetworkAccessManager m_network;
};
