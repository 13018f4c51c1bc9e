#include "toolbar/core/droptext.h"

#include <cctype>
#include <cstdint>

namespace toolbar {

namespace DropText {

namespace {

void appendUtf8(std::string &out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 from offset on, to the first NUL; an unpaired surrogate becomes U+FFFD and an
// odd last byte is dropped.
std::string fromUtf16(const std::string &bytes, std::size_t offset, bool bigEndian)
{
    const auto unitAt = [&](std::size_t i) -> std::uint32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = offset; i + 1 < bytes.size(); i += 2) {
        std::uint32_t unit = unitAt(i);
        if (unit == 0)
            break;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const std::uint32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000)
            unit = 0xFFFD;
        appendUtf8(out, unit);
    }
    return out;
}

bool startsWith(const std::string &text, const char *prefix)
{
    return text.rfind(prefix, 0) == 0;
}

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

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool startsWithNoCase(const std::string &text, std::size_t at, const char *prefix)
{
    for (std::size_t i = 0; prefix[i]; ++i) {
        if (at + i >= text.size() || lower(text[at + i]) != prefix[i])
            return false;
    }
    return true;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

std::string trimmed(const std::string &text)
{
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && (isBlank(text[start]) || text[start] == '\0'))
        ++start;
    while (end > start && (isBlank(text[end - 1]) || text[end - 1] == '\0'))
        --end;
    return text.substr(start, end - start);
}

// Reads one attribute of a tag from pos on; false at the tag's end.
bool nextAttribute(const std::string &html, std::size_t &pos, std::string &name, std::string &value)
{
    while (pos < html.size() && (isBlank(html[pos]) || html[pos] == '/'))
        ++pos;
    if (pos >= html.size() || html[pos] == '>')
        return false;
    const std::size_t nameStart = pos;
    while (pos < html.size() && !isBlank(html[pos]) && html[pos] != '=' && html[pos] != '>' && html[pos] != '/')
        ++pos;
    name = html.substr(nameStart, pos - nameStart);
    value.clear();
    std::size_t after = pos;
    while (after < html.size() && isBlank(html[after]))
        ++after;
    if (after >= html.size() || html[after] != '=')
        return true;
    pos = after + 1;
    while (pos < html.size() && isBlank(html[pos]))
        ++pos;
    if (pos < html.size() && (html[pos] == '"' || html[pos] == '\'')) {
        const auto end = html.find(html[pos], pos + 1);
        const std::size_t stop = end == std::string::npos ? html.size() : end;
        value = html.substr(pos + 1, stop - pos - 1);
        pos = stop + 1;
        return true;
    }
    const std::size_t valueStart = pos;
    while (pos < html.size() && !isBlank(html[pos]) && html[pos] != '>')
        ++pos;
    value = html.substr(valueStart, pos - valueStart);
    return true;
}

// Addresses in HTML attributes escape "&"; that is the one entity an address needs.
std::string withAmpersands(std::string text)
{
    for (std::size_t at = text.find("&amp;"); at != std::string::npos; at = text.find("&amp;", at + 1))
        text.erase(at + 1, 4);
    return text;
}

} // namespace

std::string decode(const std::string &bytes, bool utf16)
{
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        return fromUtf16(bytes, 2, false);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
        static_cast<unsigned char>(bytes[1]) == 0xFF)
        return fromUtf16(bytes, 2, true);
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return bytes.substr(3, bytes.find('\0', 3) - 3);
    const bool bigEndianStart = bytes.size() >= 2 && bytes[0] == '\0' && bytes[1] != '\0';
    const bool littleEndianStart = bytes.size() >= 2 && bytes[0] != '\0' && bytes[1] == '\0';
    if (bigEndianStart)
        return fromUtf16(bytes, 0, true);
    if (utf16 || littleEndianStart)
        return fromUtf16(bytes, 0, false);
    return bytes.substr(0, bytes.find('\0'));
}

std::string firstLine(const std::string &text)
{
    return trimmed(text.substr(0, text.find_first_of("\r\n")));
}

std::vector<std::string> uriListEntries(const std::string &text)
{
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        if (!line.empty() && line[0] != '#')
            entries.push_back(line);
        start = end + 1;
    }
    return entries;
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

std::string localPath(const std::string &uri)
{
    if (!startsWithNoCase(uri, 0, "file:"))
        return {};
    std::string rest = uri.substr(5);
    if (startsWith(rest, "//")) {
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

std::string imageSourceInHtml(const std::string &html)
{
    for (std::size_t tag = html.find('<'); tag != std::string::npos; tag = html.find('<', tag + 1)) {
        if (!startsWithNoCase(html, tag + 1, "img") || tag + 4 >= html.size() ||
            !(isBlank(html[tag + 4]) || html[tag + 4] == '/'))
            continue;
        std::size_t pos = tag + 4;
        std::string name;
        std::string value;
        while (nextAttribute(html, pos, name, value)) {
            if (name.size() == 3 && startsWithNoCase(name, 0, "src"))
                return trimmed(withAmpersands(value));
        }
    }
    return {};
}

std::string fileNameInAddress(const std::string &address)
{
    const auto schemeEnd = address.find("://");
    if (schemeEnd == std::string::npos || schemeEnd == 0)
        return {};
    for (std::size_t i = 0; i < schemeEnd; ++i) {
        const char c = address[i];
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return {};
    }
    std::string rest = address.substr(schemeEnd + 3);
    rest = rest.substr(0, rest.find_first_of("?#"));
    const auto pathStart = rest.find('/');
    if (pathStart == std::string::npos)
        return {};
    const std::string segment = percentDecoded(rest.substr(rest.rfind('/') + 1));
    if (segment.find_first_of(std::string("/\\\0", 3)) != std::string::npos || segment == "." || segment == "..")
        return {};
    return segment;
}

std::string fileNameInContentDisposition(const std::string &header)
{
    std::string plain;
    std::size_t at = 0;
    while ((at = header.find(';', at)) != std::string::npos) {
        ++at;
        const auto equals = header.find('=', at);
        if (equals == std::string::npos)
            break;
        std::string key = firstLine(header.substr(at, equals - at));
        for (char &c : key)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::string value = header.substr(equals + 1, header.find(';', equals) - equals - 1);
        value = firstLine(value);
        if (key == "filename*") {
            // RFC 5987: charset'language'percent-encoded; this build's text is UTF-8.
            const auto quote = value.find('\'', value.find('\'') + 1);
            if (quote != std::string::npos)
                plain = percentDecoded(value.substr(quote + 1));
            break;
        }
        if (key == "filename" && plain.empty()) {
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            plain = value;
        }
    }
    const auto slash = plain.find_last_of("/\\");
    plain = slash == std::string::npos ? plain : plain.substr(slash + 1);
    if (plain.find('\0') != std::string::npos || plain == "." || plain == "..")
        return {};
    return plain;
}

} // namespace DropText

} // namespace toolbar
