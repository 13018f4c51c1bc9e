#include "desktop/windows/wininetdownloader.h"

#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

struct InternetHandleCloser
{
    void operator()(void *handle) const { InternetCloseHandle(static_cast<HINTERNET>(handle)); }
};
using InternetHandle = std::unique_ptr<void, InternetHandleCloser>;

std::string queryText(HINTERNET request, DWORD what)
{
    char buffer[2048];
    DWORD size = sizeof buffer;
    DWORD index = 0;
    if (!HttpQueryInfoA(request, what, buffer, &size, &index))
        return {};
    return std::string(buffer, size);
}

std::string lastErrorReason()
{
    switch (GetLastError()) {
    case ERROR_INTERNET_NAME_NOT_RESOLVED:
        return "Host not found";
    case ERROR_INTERNET_TIMEOUT:
        return "Timed out";
    case ERROR_INTERNET_CANNOT_CONNECT:
        return "Cannot connect";
    default:
        return "Network error " + std::to_string(GetLastError());
    }
}

DownloadResult fetch(const DownloadRequest &request, const Downloader::Progress &progress)
{
    DownloadResult result;
    const InternetHandle session(
        InternetOpenA(request.userAgent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        result.reason = lastErrorReason();
        return result;
    }
    DWORD timeout = static_cast<DWORD>(request.stallTimeout.count());
    for (const DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT})
        InternetSetOptionA(session.get(), option, &timeout, sizeof timeout);
    const std::string headers = request.referer.empty() ? std::string() : "Referer: " + request.referer + "\r\n";
    // WinINet follows redirects itself (its own bound is below ten) but never from https to http.
    const InternetHandle url(InternetOpenUrlA(
        session.get(), request.address.c_str(), headers.c_str(), static_cast<DWORD>(headers.size()),
        INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI, 0));
    if (!url) {
        result.reason = lastErrorReason();
        return result;
    }
    const std::string status = queryText(url.get(), HTTP_QUERY_STATUS_CODE);
    if (status.empty() || status[0] != '2') {
        const std::string phrase = queryText(url.get(), HTTP_QUERY_STATUS_TEXT);
        result.reason = "HTTP " + status + (phrase.empty() ? "" : " " + phrase);
        return result;
    }
    const std::uint64_t length = std::strtoull(queryText(url.get(), HTTP_QUERY_CONTENT_LENGTH).c_str(), nullptr, 10);
    if (length > request.maxBytes) {
        result.reason = "Too large";
        return result;
    }
    std::ofstream out(request.path, std::ios::binary | std::ios::trunc);
    std::uint64_t received = 0;
    char buffer[64 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(url.get(), buffer, sizeof buffer, &read)) {
            result.reason = lastErrorReason();
            return result;
        }
        if (read == 0)
            break;
        received += read;
        if (received > request.maxBytes) {
            result.reason = "Too large";
            return result;
        }
        out.write(buffer, read);
        if (progress)
            progress(received, length);
    }
    out.close();
    if (!out) {
        result.reason = "The file could not be written";
        return result;
    }
    result.ok = true;
    result.contentType = queryText(url.get(), HTTP_QUERY_CONTENT_TYPE);
    result.contentDisposition = queryText(url.get(), HTTP_QUERY_CONTENT_DISPOSITION);
    result.finalAddress = request.address;
    return result;
}

} // namespace

void WinInetDownloader::start(const DownloadRequest &request, Progress progress, Finished finished)
{
    finished(fetch(request, progress));
}
