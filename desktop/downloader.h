#pragma once

#include "desktop/installable.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

/// One file to fetch from the web, and the bounds a careful fetch keeps to.
struct DownloadRequest
{
    std::string address;   ///< an http or https address
    std::string referer;   ///< the page the address came from (empty: none sent)
    std::string userAgent; ///< many picture hosts refuse requests that do not look like a browser's
    std::string path;      ///< where the body goes; the caller owns (and removes) the file
    int maxRedirects = 5;
    std::chrono::milliseconds stallTimeout{30000}; ///< give up after this long without progress
    std::uint64_t maxBytes = 512ull * 1024 * 1024;
};

/// How a download ended.
struct DownloadResult
{
    bool ok = false;
    std::string reason;             ///< when not ok, for the user: "HTTP 404 Not Found", "Host not found", "Timed out"
    std::string contentType;        ///< the server's Content-Type
    std::string contentDisposition; ///< the server's Content-Disposition
    std::string finalAddress;       ///< the address after redirects
};

/// Fetches files over http and https without blocking the user interface: start returns at
/// once and the callbacks come later, on the user-interface thread.
class Downloader : public Installable<Downloader>
{
public:
    using Progress = std::function<void(std::uint64_t received, std::uint64_t total)>; ///< total 0: not known
    using Finished = std::function<void(const DownloadResult &result)>;

    virtual ~Downloader() = default;

    /// Starts fetching request.address into request.path. finished is called exactly once.
    virtual void start(const DownloadRequest &request, Progress progress, Finished finished) = 0;
};
