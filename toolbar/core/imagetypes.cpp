#include "toolbar/core/imagetypes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <fstream>

namespace toolbar {

namespace ImageTypes {

namespace {

struct MimeExtension
{
    std::string_view mimeType;
    std::string_view extension;
};

constexpr std::array<MimeExtension, 21> MimeTable{{
    {"image/png", "png"},
    {"image/apng", "png"},
    {"image/jpeg", "jpg"},
    {"image/jpg", "jpg"},
    {"image/pjpeg", "jpg"},
    {"image/gif", "gif"},
    {"image/webp", "webp"},
    {"image/bmp", "bmp"},
    {"image/x-bmp", "bmp"},
    {"image/x-ms-bmp", "bmp"},
    {"image/tiff", "tif"},
    {"image/x-icon", "ico"},
    {"image/vnd.microsoft.icon", "ico"},
    {"image/avif", "avif"},
    {"image/heic", "heic"},
    {"image/heif", "heif"},
    {"image/jxl", "jxl"},
    {"image/svg+xml", "svg"},
    {"image/x-portable-pixmap", "ppm"},
    {"image/x-xpixmap", "xpm"},
    // Qt's name for "an image": it hands such data over as PNG.
    {"application/x-qt-image", "png"},
}};

struct Alias
{
    std::string_view typeExtension;
    std::string_view otherName;
};

// Other names in use for a type, besides its usual extension.
constexpr std::array<Alias, 10> ExtensionAliases{{
    {"jpg", "jpeg"},
    {"jpg", "jpe"},
    {"jpg", "jfif"},
    {"jpg", "pjpeg"},
    {"jpg", "pjp"},
    {"png", "apng"},
    {"tif", "tiff"},
    {"bmp", "dib"},
    {"heic", "heif"},
    {"ico", "cur"},
}};

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool startsWith(std::string_view head, std::string_view magic, std::size_t at = 0)
{
    return head.size() >= at + magic.size() && head.substr(at, magic.size()) == magic;
}

std::uint32_t littleEndian32(std::string_view head, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(head[at + i]);
    return value;
}

std::uint32_t bigEndian32(std::string_view head, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(head[at + i]);
    return value;
}

// A BMP file header is followed by a DIB header of one of a few known sizes; "BM" alone
// starts too many other files.
bool isBmp(std::string_view head)
{
    if (!startsWith(head, "BM") || head.size() < 18)
        return false;
    const std::uint32_t dibSize = littleEndian32(head, 14);
    return dibSize == 12 || dibSize == 40 || dibSize == 52 || dibSize == 56 || dibSize == 64 || dibSize == 108 ||
           dibSize == 124;
}

// ISO base media files (AVIF, HEIC) name their kind in the "ftyp" box: a major brand,
// then compatible brands.
std::string isoMediaKind(std::string_view head)
{
    if (head.size() < 16 || !startsWith(head, "ftyp", 4))
        return {};
    const std::size_t boxEnd = std::min<std::size_t>(bigEndian32(head, 0), head.size());
    std::string kind;
    for (std::size_t at = 8; at + 4 <= boxEnd; at += at == 8 ? 8 : 4) {
        const std::string_view brand = head.substr(at, 4);
        if (brand == "avif" || brand == "avis")
            return "avif";
        if (kind.empty() && (brand == "heic" || brand == "heix" || brand == "heim" || brand == "heis" ||
                             brand == "hevc" || brand == "hevx" || brand == "mif1" || brand == "msf1"))
            kind = "heic";
    }
    return kind;
}

} // namespace

std::string sniff(std::string_view head)
{
    if (startsWith(head, "\x89PNG\r\n\x1A\n"))
        return "png";
    if (startsWith(head, "\xFF\xD8\xFF"))
        return "jpg";
    if (startsWith(head, "GIF87a") || startsWith(head, "GIF89a"))
        return "gif";
    if (startsWith(head, "RIFF") && startsWith(head, "WEBP", 8))
        return "webp";
    if (isBmp(head))
        return "bmp";
    if (startsWith(head, std::string_view("II*\0", 4)) || startsWith(head, std::string_view("MM\0*", 4)))
        return "tif";
    if (startsWith(head, "\xFF\x0A") || startsWith(head, std::string_view("\0\0\0\x0CJXL \r\n\x87\n", 12)))
        return "jxl";
    if (std::string kind = isoMediaKind(head); !kind.empty())
        return kind;
    // An icon directory: reserved 0, type 1, then a count of images that is not 0.
    if (startsWith(head, std::string_view("\0\0\1\0", 4)) && head.size() >= 6 && (head[4] != 0 || head[5] != 0))
        return "ico";
    return {};
}

std::string extensionForMimeType(std::string_view mimeType)
{
    std::string_view type = mimeType.substr(0, mimeType.find(';'));
    while (!type.empty() && (type.back() == ' ' || type.back() == '\t'))
        type.remove_suffix(1);
    while (!type.empty() && (type.front() == ' ' || type.front() == '\t'))
        type.remove_prefix(1);
    for (const MimeExtension &entry : MimeTable) {
        if (equalNoCase(entry.mimeType, type))
            return std::string(entry.extension);
    }
    return {};
}

bool extensionFits(std::string_view extension, std::string_view typeExtension)
{
    if (equalNoCase(extension, typeExtension))
        return true;
    for (const Alias &alias : ExtensionAliases) {
        if (alias.typeExtension == typeExtension && equalNoCase(extension, alias.otherName))
            return true;
    }
    return false;
}

std::string fileHead(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(SniffLength, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace ImageTypes

} // namespace toolbar
