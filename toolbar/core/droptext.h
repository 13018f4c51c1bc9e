#pragma once

#include <string>
#include <vector>

namespace toolbar {

/// Reading the texts a drag source offers. Browsers hand some of them over as UTF-16
/// (with or without a byte-order mark) and others as UTF-8; everything here returns
/// UTF-8 and never trusts a length or an encoding it is given.
namespace DropText {

/// The text as UTF-8. A byte-order mark decides the encoding; without one, utf16 says
/// whether the source is known to send UTF-16 (little-endian unless the text plainly
/// starts big-endian); otherwise UTF-16 is recognised by its zero bytes. The text ends
/// at its first NUL character.
std::string decode(const std::string &bytes, bool utf16 = false);

/// The first line of the text, without its line end and surrounding blanks.
std::string firstLine(const std::string &text);

/// The entries of a text/uri-list: one per line, comments and blank lines skipped.
std::vector<std::string> uriListEntries(const std::string &text);

/// %XX sequences decoded; malformed ones are kept as they stand.
std::string percentDecoded(const std::string &text);

/// The local path of a file:// address ("file:///a", "file://localhost/a", "file:/a"),
/// percent-decoded; empty for any other address or one whose path holds a NUL.
std::string localPath(const std::string &uri);

/// The src address of the first <img> element of an HTML fragment, or empty text.
std::string imageSourceInHtml(const std::string &html);

/// The last segment of a hierarchical address's path (query and fragment dropped),
/// percent-decoded; empty when there is none or the address is not of the form
/// scheme://authority/path (data: and blob: addresses name no file).
std::string fileNameInAddress(const std::string &address);

/// The file name an HTTP Content-Disposition header gives (filename*= before filename=),
/// without any folder part; empty when it gives none.
std::string fileNameInContentDisposition(const std::string &header);

} // namespace DropText

} // namespace toolbar
