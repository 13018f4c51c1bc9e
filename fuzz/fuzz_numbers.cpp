// PadNumber and NextNumber on arbitrary text: at least three characters, idempotent
// padding, and advancing never depends on anything after the leading number. (A negative
// number pads to text like "0-5", which no longer reads as that number; such text never
// becomes a sequence number, since the name details dialog turns it into "000".)

#include "toolbar/core/conversions.h"
#include "toolbar/core/naming.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace toolbar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string padded = PadNumber(text);
    const std::string next = NextNumber(text);
    if (padded.size() < 3 || next.size() < 3)
        std::abort();
    const bool negative = padded.find('-') != std::string::npos;
    if (!negative && (PadNumber(padded) != padded || NextNumber(padded) != next))
        std::abort();
    if (padded.find_first_not_of("0123456789-") != std::string::npos)
        std::abort();
    (void)TextToLong(text);
    (void)IsNumericText(text);
    return 0;
}
