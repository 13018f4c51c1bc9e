#include "dropitems.h"

#include <cctype>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string percentDecoded(const std::string &text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

bool startsWithNoCase(const std::string &text, const std::string &prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    }
    return true;
}

// "file:///a/b", "file://localhost/a/b" -> "/a/b"; anything else -> empty.
std::string localPath(const std::string &uri)
{
    if (!startsWithNoCase(uri, "file:"))
        return {};
    std::string rest = uri.substr(5);
    if (rest.rfind("//", 0) == 0) {
        rest = rest.substr(2);
        const auto slash = rest.find('/');
        if (slash == std::string::npos)
            return {};
        const std::string host = rest.substr(0, slash);
        if (!host.empty() && host != "localhost")
            return {};
        rest = rest.substr(slash);
    }
    if (rest.empty() || rest[0] != '/')
        return {};
    const std::string path = percentDecoded(rest);
    // A NUL cannot be part of a path; such an address names no local file.
    if (path.find('\0') != std::string::npos)
        return {};
    return path;
}

} // namespace

std::vector<std::string> LocalFilesFromUriList(const std::string &uriList)
{
    std::vector<std::string> files;
    std::size_t start = 0;
    while (start <= uriList.size()) {
        auto end = uriList.find('\n', start);
        if (end == std::string::npos)
            end = uriList.size();
        std::string line = uriList.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\0'))
            line.pop_back();
        if (!line.empty() && line[0] != '#') {
            const std::string path = localPath(line);
            if (!path.empty())
                files.push_back(path);
        }
        start = end + 1;
    }
    return files;
}

DropPayload ExtractDropItems(const MimeFormats &formats)
{
    DropPayload payload;
    for (const auto &[type, bytes] : formats) {
        if (type != "text/uri-list")
            continue;
        for (const std::string &path : LocalFilesFromUriList(bytes))
            payload.items.push_back(DroppedItem::localFile(path));
        break;
    }
    payload.status = payload.items.empty() ? DropPayload::Status::NoFileList : DropPayload::Status::Files;
    return payload;
}
