#include "toolbar/core/dropitems.h"

#include "toolbar/core/droptext.h"
#include "toolbar/core/imagetypes.h"

#include <cctype>
#include <map>

namespace toolbar {

namespace {

std::string trimmedLower(const std::string &text)
{
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && std::isspace(static_cast<unsigned char>(text[start])))
        ++start;
    while (end > start && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    std::string lower = text.substr(start, end - start);
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// "application/octet-stream;name=x" -> "application/octet-stream"
std::string baseType(const std::string &format)
{
    return trimmedLower(format.substr(0, format.find(';')));
}

// A parameter of a format name, e.g. the name="kitten.jpg" a Wayland source appends to
// application/octet-stream; quotes and backslash escapes removed.
std::string formatParameter(const std::string &format, const std::string &key)
{
    for (std::size_t at = format.find(';'); at != std::string::npos; at = format.find(';', at + 1)) {
        const auto equals = format.find('=', at);
        if (equals == std::string::npos)
            return {};
        if (trimmedLower(format.substr(at + 1, equals - at - 1)) != key)
            continue;
        std::size_t pos = equals + 1;
        while (pos < format.size() && format[pos] == ' ')
            ++pos;
        if (pos >= format.size() || format[pos] != '"')
            return format.substr(pos, format.find(';', pos) - pos);
        std::string value;
        for (++pos; pos < format.size() && format[pos] != '"'; ++pos) {
            if (format[pos] == '\\' && pos + 1 < format.size())
                ++pos;
            value += format[pos];
        }
        return value;
    }
    return {};
}

// The drop's formats, each read at most once and only when asked for.
class FormatCache
{
public:
    explicit FormatCache(const DropFormats &formats) : m_formats(formats) {}

    const std::vector<std::string> &names() const { return m_formats.names; }

    bool offers(const std::string &type) const
    {
        for (const std::string &name : m_formats.names) {
            if (baseType(name) == type)
                return true;
        }
        return false;
    }

    const std::string &read(const std::string &name)
    {
        auto found = m_read.find(name);
        if (found == m_read.end()) {
            // Reading the direct-save format is a step of that exchange, never a plain read.
            const bool readable = m_formats.read && baseType(name) != baseType(DirectSaveFormat);
            found = m_read.emplace(name, readable ? m_formats.read(name) : std::string()).first;
        }
        return found->second;
    }

    /// The data of the first format of that type, or empty text.
    std::string readType(const std::string &type)
    {
        for (const std::string &name : m_formats.names) {
            if (baseType(name) == type)
                return read(name);
        }
        return {};
    }

private:
    const DropFormats &m_formats;
    std::map<std::string, std::string> m_read;
};

// The picture's own address. For a picture inside a link the uri-list and URL formats
// name the link's target, so the formats that name the picture come first.
std::string pictureAddress(FormatCache &cache)
{
    const std::string promised =
        DropText::firstLine(DropText::decode(cache.readType("application/x-moz-file-promise-url"), true));
    if (!promised.empty())
        return promised;
    const std::string image = DropText::imageSourceInHtml(DropText::decode(cache.readType("text/html")));
    if (!image.empty())
        return image;
    for (const char *type : {"text/x-moz-url", "_netscape_url"}) {
        const std::string line = DropText::firstLine(DropText::decode(cache.readType(type)));
        if (!line.empty())
            return line;
    }
    const auto entries = DropText::uriListEntries(DropText::decode(cache.readType("text/uri-list")));
    return entries.empty() ? std::string() : entries.front();
}

std::string lastSegment(const std::string &name)
{
    const auto slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// The name the browser gives the dropped picture.
std::string browserFileName(FormatCache &cache)
{
    const std::string promised = lastSegment(
        DropText::firstLine(DropText::decode(cache.readType("application/x-moz-file-promise-dest-filename"), true)));
    if (!promised.empty())
        return promised;
    return DropText::fileNameInAddress(pictureAddress(cache));
}

// The extension of a name when it is a plain one (letters, digits, "_", "-", "+");
// anything else could not safely end a file name and counts as none.
std::string plainExtension(const std::string &name)
{
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || name.size() - dot - 1 > 16)
        return {};
    const std::string extension = name.substr(dot + 1);
    for (const char c : extension) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '+')
            return {};
    }
    return extension;
}

// The name a handed-over item is saved by: the given name's extension, unless the bytes'
// own type (or, when the bytes do not tell, the content type) says otherwise. The rest
// of the name loses dots and separators, so that only this extension can be read off it.
std::string itemFileName(const std::string &givenName, const std::string &head, const std::string &contentType)
{
    const std::string name = lastSegment(givenName);
    std::string extension = plainExtension(name);
    std::string realType = ImageTypes::sniff(head);
    if (realType.empty())
        realType = ImageTypes::extensionForMimeType(contentType);
    if (!realType.empty() && !ImageTypes::extensionFits(extension, realType))
        extension = realType;
    std::string stem = name.substr(0, name.rfind('.'));
    for (char &c : stem) {
        if (c == '.' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    }
    return extension.empty() ? stem : stem + "." + extension;
}

std::string head(const std::string &bytes)
{
    return bytes.substr(0, ImageTypes::SniffLength);
}

bool isWebAddress(const std::string &address)
{
    const std::string lower = trimmedLower(address.substr(0, 8));
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

// The page a browser names as the drag's origin ("http://host:port"), as a Referer.
std::string refererOf(FormatCache &cache)
{
    const std::string origin = DropText::firstLine(DropText::decode(cache.readType("chromium/x-renderer-taint")));
    if (!isWebAddress(origin))
        return {};
    const auto authority = origin.find("//") + 2;
    return origin.find('/', authority) == std::string::npos ? origin + "/" : origin;
}

// Everything that names the picture or its page, read before any file is asked for.
void readNames(FormatCache &cache)
{
    for (const char *type :
         {"text/uri-list", "text/html", "chromium/x-renderer-taint", "text/x-moz-url", "_netscape_url",
          "application/x-moz-file-promise-url", "application/x-moz-file-promise-dest-filename"})
        cache.readType(type);
}

bool addLocalFiles(FormatCache &cache, std::vector<DroppedItem> &items)
{
    for (const std::string &path : LocalFilesFromUriList(cache.readType("text/uri-list")))
        items.push_back(DroppedItem::localFile(path));
    return !items.empty();
}

// Chromium hands the original file over as application/octet-stream.
bool addHandedOverFile(FormatCache &cache, std::vector<DroppedItem> &items)
{
    for (const std::string &format : cache.names()) {
        if (baseType(format) != "application/octet-stream")
            continue;
        std::string bytes = cache.read(format);
        if (bytes.empty())
            continue;
        std::string name = formatParameter(format, "name");
        if (name.empty())
            name = browserFileName(cache);
        std::string fileName = itemFileName(name, head(bytes), {});
        items.push_back(DroppedItem::content(std::move(bytes), std::move(fileName)));
        return true;
    }
    return false;
}

bool addDirectSave(FormatCache &cache, const DirectSaveStep &directSave, DropPayload &payload)
{
    if (!directSave || !cache.offers(baseType(DirectSaveFormat)))
        return false;
    std::shared_ptr<DirectSaveTransfer> transfer = directSave();
    if (!transfer)
        return false;
    auto file = std::make_shared<const TemporaryFile>(transfer->path());
    std::string name = transfer->suggestedName().empty() ? browserFileName(cache) : transfer->suggestedName();
    payload.directSave = DropPayload::PendingDirectSave{std::move(transfer), std::move(file), std::move(name)};
    // Reading the picture data now would have the source encode a picture for nothing.
    const std::string address = pictureAddress(cache);
    if (isWebAddress(address))
        payload.download = DropPayload::WebPicture{address, refererOf(cache)};
    return true;
}

// Picture data as the source encoded it: PNG first (no loss on top of the browser's
// decoding), then JPEG, then any other picture type, then Qt's own image format.
bool addPictureData(FormatCache &cache, std::vector<DroppedItem> &items)
{
    std::vector<std::string> candidates;
    for (const char *type : {"image/png", "image/jpeg"}) {
        for (const std::string &format : cache.names()) {
            if (baseType(format) == type)
                candidates.push_back(format);
        }
    }
    for (const std::string &format : cache.names()) {
        const std::string type = baseType(format);
        if (type.rfind("image/", 0) == 0 && type != "image/png" && type != "image/jpeg")
            candidates.push_back(format);
    }
    for (const std::string &format : cache.names()) {
        if (baseType(format) == "application/x-qt-image")
            candidates.push_back(format);
    }
    for (const std::string &format : candidates) {
        std::string bytes = cache.read(format);
        if (bytes.empty())
            continue;
        std::string fileName = itemFileName(browserFileName(cache), head(bytes), baseType(format));
        items.push_back(DroppedItem::content(std::move(bytes), std::move(fileName)));
        return true;
    }
    return false;
}

} // namespace

std::vector<std::string> LocalFilesFromUriList(const std::string &uriList)
{
    std::vector<std::string> files;
    for (const std::string &entry : DropText::uriListEntries(DropText::decode(uriList))) {
        std::string path = DropText::localPath(entry);
        if (!path.empty())
            files.push_back(std::move(path));
    }
    return files;
}

DropPayload ReadDropItems(const DropFormats &formats, const DirectSaveStep &directSave)
{
    FormatCache cache(formats);
    readNames(cache);
    DropPayload payload;
    if (!addLocalFiles(cache, payload.items) && !addHandedOverFile(cache, payload.items) &&
        !addDirectSave(cache, directSave, payload)) {
        const std::string address = pictureAddress(cache);
        if (isWebAddress(address)) {
            payload.download = DropPayload::WebPicture{address, refererOf(cache)};
            addPictureData(cache, payload.fallback);
        } else {
            addPictureData(cache, payload.items);
        }
    }
    payload.status = payload.items.empty() ? DropPayload::Status::NoFileList : DropPayload::Status::Files;
    return payload;
}

DroppedItem DirectSavedItem(const DropPayload::PendingDirectSave &directSave)
{
    const std::string &path = directSave.file->path();
    return DroppedItem::writtenFile(directSave.file, itemFileName(directSave.fileName, ImageTypes::fileHead(path), {}));
}

std::string DownloadedFileName(const std::string &address, const std::string &contentDisposition,
                               const std::string &contentType, const std::string &head)
{
    std::string name = DropText::fileNameInContentDisposition(contentDisposition);
    if (name.empty())
        name = DropText::fileNameInAddress(address);
    if (name.empty())
        name = "picture";
    return itemFileName(name, head, baseType(contentType));
}

DropPayload ExtractDropItems(const MimeFormats &formats)
{
    DropFormats view;
    for (const auto &format : formats)
        view.names.push_back(format.first);
    view.read = [&formats](const std::string &name) {
        for (const auto &[type, bytes] : formats) {
            if (type == name)
                return bytes;
        }
        return std::string();
    };
    return ReadDropItems(view);
}

} // namespace toolbar
