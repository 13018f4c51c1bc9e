#pragma once

#include <string>
#include <string_view>

namespace toolbar {

/// Picture file types: recognising them by their first bytes, and the extensions and
/// MIME types that go with them. A browser's idea of a picture's name is often wrong
/// (a WebP served as ".jpg", an address without a name); the bytes are not.
namespace ImageTypes {

/// How many leading bytes sniff() looks at.
inline constexpr std::size_t SniffLength = 64;

/// The usual extension of the picture type the bytes start with ("png", "jpg", "gif",
/// "webp", "bmp", "tif", "ico", "avif", "heic", "jxl"), or empty text when unknown.
std::string sniff(std::string_view head);

/// The first SniffLength bytes of the file at path (fewer when it is shorter or unreadable).
std::string fileHead(const std::string &path);

/// The usual extension for a MIME type ("image/jpeg" -> "jpg"); parameters and case are
/// ignored. Empty text for types not in the table.
std::string extensionForMimeType(std::string_view mimeType);

/// True when extension (any case) is one of the names in use for the type whose usual
/// extension is typeExtension: "JPEG" and "jfif" fit "jpg", "tiff" fits "tif".
bool extensionFits(std::string_view extension, std::string_view typeExtension);

} // namespace ImageTypes

} // namespace toolbar
