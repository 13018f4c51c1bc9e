#include "installer/core/progresswindow.h"

#include <cmath>

namespace setup {

std::int32_t CoverLeft(std::int32_t trackWidth, std::int32_t percent)
{
    if (percent <= 0)
        return 0;
    // std::nearbyint rounds in the default mode: to nearest, halves to even.
    return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(trackWidth) / 100.0 * percent));
}

} // namespace setup
