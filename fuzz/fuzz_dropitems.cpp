// The drop's item extraction on arbitrary MIME data. The input is a list of formats,
// each as: one byte giving the length of the type, the type, two bytes (little-endian)
// giving the length of the data, the data. Any bytes may appear in the data, so UTF-16
// texts and picture bytes are reachable. Every item must name a file or carry content,
// and nothing may be read outside the input.

#include "toolbar/core/dropitems.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace toolbar;

namespace {
MimeFormats parseFormats(const std::uint8_t *data, std::size_t size)
{
    MimeFormats formats;
    std::size_t at = 0;
    while (at < size) {
        const std::size_t typeLength = data[at++];
        if (at + typeLength + 2 > size)
            break;
        std::string type(reinterpret_cast<const char *>(data + at), typeLength);
        at += typeLength;
        std::size_t dataLength = data[at] | (std::size_t(data[at + 1]) << 8);
        at += 2;
        dataLength = std::min(dataLength, size - at);
        formats.emplace_back(std::move(type), std::string(reinterpret_cast<const char *>(data + at), dataLength));
        at += dataLength;
    }
    return formats;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const DropPayload payload = ExtractDropItems(parseFormats(data, size));
    if (payload.status == DropPayload::Status::Files && payload.items.empty())
        std::abort();
    for (const DroppedItem &item : payload.items) {
        if (item.isLocalFile() && item.sourcePath.empty())
            std::abort();
        if (!item.isLocalFile() && !item.data)
            std::abort();
    }
    return 0;
}
