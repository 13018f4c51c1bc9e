#pragma once

#include "desktop/directsave.h"
#include "toolbar/core/temporaryfile.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace toolbar {

/// One dropped thing that can be saved as a file: a local file to copy, a file the drag
/// source wrote for this drop (moved into place), or content the drag source handed over
/// (a browser's picture bytes).
struct DroppedItem
{
    std::string sourcePath;                       ///< a local file, when the item is one
    std::shared_ptr<const std::string> data;      ///< the content, when the source handed it over
    std::string fileName;                         ///< the name whose extension the saved file takes
    std::shared_ptr<const TemporaryFile> written; ///< when sourcePath was written for this drop

    bool isLocalFile() const { return !data; }
    /// True when the source file belongs to the drop and goes to its place by a move.
    bool movesSource() const { return written != nullptr; }

    static DroppedItem localFile(const std::string &path) { return DroppedItem{path, nullptr, path, nullptr}; }
    static DroppedItem content(std::string bytes, std::string name)
    {
        return DroppedItem{{}, std::make_shared<const std::string>(std::move(bytes)), std::move(name), nullptr};
    }
    static DroppedItem writtenFile(std::shared_ptr<const TemporaryFile> file, std::string name)
    {
        std::string path = file->path();
        return DroppedItem{std::move(path), nullptr, std::move(name), std::move(file)};
    }
};

/// What a drop held, as far as saving files goes.
struct DropPayload
{
    enum class Status {
        Files,      ///< items holds at least one file
        NoFileList, ///< the data holds nothing that can be saved as a file
        Error,      ///< reading the data failed; errorDescription says why
    };
    Status status = Status::NoFileList;
    std::vector<DroppedItem> items;
    std::string errorDescription;

    /// A picture the drop names only by its web address: it is fetched, and saved once
    /// it has arrived. items is then empty; fallback holds the picture as the source
    /// encoded it, if it did, for when the fetch fails.
    struct WebPicture
    {
        std::string address;
        std::string referer; ///< the page the picture was dragged from, when the drop names it
    };
    std::optional<WebPicture> download;
    std::vector<DroppedItem> fallback;

    /// A file the drag source is still writing by direct save: saved once complete. items
    /// is empty meanwhile; should the source abandon it, the drop goes on with download,
    /// when set, as though there had been no direct save.
    struct PendingDirectSave
    {
        std::shared_ptr<DirectSaveTransfer> transfer;
        std::shared_ptr<const TemporaryFile> file; ///< the transfer's file, whatever becomes of it
        std::string fileName;                      ///< the name it is saved by, for its extension
    };
    std::optional<PendingDirectSave> directSave;
};

/// The data formats of a drop, by MIME type, in the order the source offered them.
using MimeFormats = std::vector<std::pair<std::string, std::string>>;

/// A drop's formats as a drag source offers them: their names in its order, and a way
/// to read one format, which a source may only produce when asked (a browser encodes a
/// picture on request). Each format is read at most once, and only if it is needed.
struct DropFormats
{
    std::vector<std::string> names;
    std::function<std::string(const std::string &name)> read;
};

/// The direct-save exchange of the drop being read (see DirectSave); asked only when
/// nothing ahead of it in the order yields a file.
using DirectSaveStep = std::function<std::shared_ptr<DirectSaveTransfer>()>;

/// The format through which a drag source offers a direct save.
inline constexpr const char *DirectSaveFormat = "XdndDirectSave0";

/// The local files of a text/uri-list (file:// addresses, percent-decoded; comments
/// and other schemes skipped). The list may be UTF-16.
std::vector<std::string> LocalFilesFromUriList(const std::string &uriList);

/// The items a drop's formats yield, in the order that keeps the original bytes:
/// local files (text/uri-list); else the file a browser hands over as
/// application/octet-stream; else the file the source writes by direct save (pending,
/// with the picture's address to download should the source abandon it); else
/// the picture's http or https address, for download (with the picture data as
/// fallback); else picture data (image/png, image/jpeg, other image types,
/// application/x-qt-image), as the source encoded it. Every text format that names the
/// picture is read first: a source may abandon the drag while it fails to hand over a
/// large file, and its other formats go with it. A handed-over item is named, for its extension, after the direct
/// save's suggestion, the browser's file name, the last segment of the picture's
/// address, or else its content type; where the bytes' own type disagrees with that
/// name's extension, the extension of the bytes' type is used.
DropPayload ReadDropItems(const DropFormats &formats, const DirectSaveStep &directSave = {});

/// The item a completed direct save yields: its file, named for its extension after
/// fileName, corrected by the type its first bytes show.
DroppedItem DirectSavedItem(const DropPayload::PendingDirectSave &directSave);

/// The name a downloaded picture is saved by, for its extension: the server's
/// Content-Disposition file name, else the last segment of the address, else the
/// content type; corrected by the type the bytes (head) show.
std::string DownloadedFileName(const std::string &address, const std::string &contentDisposition,
                               const std::string &contentType, const std::string &head);

/// ReadDropItems over formats already read (no direct save).
DropPayload ExtractDropItems(const MimeFormats &formats);

} // namespace toolbar
