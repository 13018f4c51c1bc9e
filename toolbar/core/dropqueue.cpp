#include "toolbar/core/dropqueue.h"

#include "desktop/filecopy.h"
#include "desktop/paths.h"
#include "toolbar/core/dropflow.h"
#include "toolbar/core/imagetypes.h"

#include <cctype>

namespace toolbar {

namespace {

// A picture by its first bytes, or failing that by the server's word.
bool isPicture(const std::string &head, const std::string &contentType)
{
    if (!ImageTypes::sniff(head).empty())
        return true;
    std::string type = contentType.substr(0, contentType.find(';'));
    for (char &c : type)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return type.find("image/") != std::string::npos && !head.empty();
}

} // namespace

DropQueue::DropQueue(AppContext &app, Downloader *downloader)
    : m_app(app), m_downloader(downloader), m_self(std::make_shared<DropQueue *>(this))
{
    limits.userAgent = DownloadUserAgent;
}

void DropQueue::add(std::int32_t square, std::string folder, DropPayload payload)
{
    m_waiting.push_back({square, std::move(folder), std::move(payload)});
    runNext();
}

void DropQueue::runNext()
{
    // A question asked while saving runs the event loop, where the next drop may arrive:
    // it waits here until the one before it is done.
    while (!m_busy && !m_waiting.empty()) {
        m_busy = true;
        Drop drop = std::move(m_waiting.front());
        m_waiting.pop_front();
        save(std::move(drop));
    }
}

void DropQueue::save(Drop drop)
{
    if (drop.payload.directSave) {
        if (drop.payload.directSave->transfer->state() == DirectSaveTransfer::State::Writing)
            return awaitDirectSave(std::move(drop));
        if (drop.payload.directSave->transfer->state() == DirectSaveTransfer::State::Written)
            drop.payload.items = {DirectSavedItem(*drop.payload.directSave)};
        drop.payload.directSave.reset();
    }
    if (drop.payload.items.empty() && drop.payload.download && m_downloader)
        return download(std::move(drop));
    if (drop.payload.items.empty() && drop.payload.download)
        drop.payload.items = std::move(drop.payload.fallback);
    drop.payload.status = drop.payload.items.empty() ? drop.payload.status : DropPayload::Status::Files;
    HandleDrop(m_app, drop.square, drop.folder, drop.payload);
    m_busy = false;
}

void DropQueue::awaitDirectSave(Drop drop)
{
    // The queue holds the drop, so that a transfer that never ends keeps nothing alive.
    m_awaited = std::move(drop);
    std::weak_ptr<DropQueue *> self = m_self;
    m_awaited->payload.directSave->transfer->onFinished([self] {
        if (const auto queue = self.lock()) {
            Drop finished = std::move(*(*queue)->m_awaited);
            (*queue)->m_awaited.reset();
            (*queue)->save(std::move(finished));
            (*queue)->runNext();
        }
    });
}

void DropQueue::download(Drop drop)
{
    DownloadRequest request = limits;
    request.address = drop.payload.download->address;
    request.referer = drop.payload.download->referer;
    request.path = FileCopy::transferPath(drop.folder, FileCopy::Transfer::Download);
    auto file = std::make_shared<const TemporaryFile>(request.path);
    auto held = std::make_shared<Drop>(std::move(drop));
    std::weak_ptr<DropQueue *> self = m_self;
    m_lastProgress.clear();
    m_downloader->start(
        request,
        [self](std::uint64_t received, std::uint64_t total) {
            if (const auto queue = self.lock())
                (*queue)->showProgress(received, total);
        },
        [self, held, file](const DownloadResult &result) {
            if (const auto queue = self.lock()) {
                (*queue)->downloaded(*held, file, result);
                (*queue)->m_busy = false;
                (*queue)->runNext();
            }
        });
}

void DropQueue::showProgress(std::uint64_t received, std::uint64_t total)
{
    if (!m_app.toolbar)
        return;
    const std::string text = total > 0 ? "Downloading " + std::to_string(received * 100 / total) + "%"
                                       : "Downloading " + std::to_string(received / (1024 * 1024)) + " MB";
    if (text == m_lastProgress)
        return;
    m_lastProgress = text;
    m_app.toolbar->flashCaption(text);
}

void DropQueue::downloaded(Drop &drop, const std::shared_ptr<const TemporaryFile> &file, const DownloadResult &result)
{
    DropPayload &payload = drop.payload;
    std::string reason = result.reason;
    if (result.ok) {
        const std::string head = ImageTypes::fileHead(file->path());
        if (isPicture(head, result.contentType)) {
            const std::string &address = result.finalAddress.empty() ? payload.download->address : result.finalAddress;
            payload.items = {DroppedItem::writtenFile(
                file, DownloadedFileName(address, result.contentDisposition, result.contentType, head))};
            payload.status = DropPayload::Status::Files;
            return HandleDrop(m_app, drop.square, drop.folder, payload);
        }
        reason = "Not a picture";
    }
    if (!payload.fallback.empty()) {
        payload.items = std::move(payload.fallback);
        payload.status = DropPayload::Status::Files;
        HandleDrop(m_app, drop.square, drop.folder, payload);
        if (m_app.toolbar)
            m_app.toolbar->flashCaption(SavedBrowserCopyCaption);
        return;
    }
    if (m_app.toolbar)
        m_app.toolbar->refreshAlwaysOnTop();
    m_app.desktop.pump.yieldTimes(4);
    m_app.desktop.messages.showMessage(std::string(DownloadFailedMessage) + "\r" + payload.download->address + "\r" +
                                       reason);
}

} // namespace toolbar
