#pragma once

#include "desktop/downloader.h"
#include "toolbar/core/appcontext.h"
#include "toolbar/core/dropitems.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

namespace toolbar {

/// The message shown when a dropped picture's address could not be fetched and the drop
/// holds nothing else to save; the address and the reason follow it.
inline constexpr const char *DownloadFailedMessage = "The picture could not be downloaded.";

/// The caption shown when the download failed and the browser's own copy of the picture
/// was saved instead.
inline constexpr const char *SavedBrowserCopyCaption = "Download failed: saved the browser's copy";

/// How a download introduces itself: many picture hosts refuse requests without a
/// browser's User-Agent.
inline constexpr const char *DownloadUserAgent =
    "Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/126.0 Safari/537.36";

/// Saves drops one after another, in the order they came. A drop whose file the drag
/// source is still writing (a direct save) is saved once the source has finished; a drop
/// that names its picture only by a web address is downloaded first. Neither blocks the
/// toolbar; the drops after it wait their turn, as they do while a question of an
/// earlier drop is open.
class DropQueue
{
public:
    /// downloader: none when the desktop cannot download (the picture data is saved).
    DropQueue(AppContext &app, Downloader *downloader);
    DropQueue(const DropQueue &) = delete;
    DropQueue &operator=(const DropQueue &) = delete;

    /// Saves the drop now, or once the drops before it are done.
    void add(std::int32_t square, std::string folder, DropPayload payload);

    /// True while a drop is being saved, downloaded or written by its source.
    bool busy() const { return m_busy; }

    /// The bounds of each download (tests make them small).
    DownloadRequest limits;

private:
    struct Drop
    {
        std::int32_t square;
        std::string folder;
        DropPayload payload;
    };

    void runNext();
    void save(Drop drop);
    void awaitDirectSave(Drop drop);
    void download(Drop drop);
    void downloaded(Drop &drop, const std::shared_ptr<const TemporaryFile> &file, const DownloadResult &result);
    void showProgress(std::uint64_t received, std::uint64_t total);

    AppContext &m_app;
    Downloader *m_downloader;
    std::deque<Drop> m_waiting;
    std::optional<Drop> m_awaited; ///< the drop whose direct save is under way
    bool m_busy = false;
    std::string m_lastProgress;
    std::shared_ptr<DropQueue *> m_self; ///< lets a download that ends after the queue see it is gone
};

} // namespace toolbar
