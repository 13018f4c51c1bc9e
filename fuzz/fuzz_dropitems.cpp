// The drop's item extraction on arbitrary MIME data: the input is split into formats
// ("type\0bytes\0type\0bytes..."). Every item must name a file or carry content.

#include "dropitems.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    MimeFormats formats;
    std::size_t start = 0;
    while (start < input.size()) {
        const auto typeEnd = input.find('\0', start);
        if (typeEnd == std::string::npos)
            break;
        auto dataEnd = input.find('\0', typeEnd + 1);
        if (dataEnd == std::string::npos)
            dataEnd = input.size();
        formats.emplace_back(input.substr(start, typeEnd - start), input.substr(typeEnd + 1, dataEnd - typeEnd - 1));
        start = dataEnd + 1;
    }
    const DropPayload payload = ExtractDropItems(formats);
    if (payload.status == DropPayload::Status::Files && payload.items.empty())
        std::abort();
    for (const DroppedItem &item : payload.items) {
        if (item.isLocalFile() && item.sourcePath.empty())
            std::abort();
    }
    return 0;
}
