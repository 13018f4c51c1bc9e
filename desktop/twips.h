#pragma once

#include <cmath>
#include <cstdint>

/// The windows are measured in twips (1/1440 inch), 15 twips a pixel at 96 dots per inch,
/// so that they keep their size on screens of any resolution.
constexpr double TwipsPerInch = 1440.0;

/// Twips to whole pixels at a logical resolution, halves rounded away from zero.
inline std::int32_t TwipsToPixels(double twips, double dotsPerInch)
{
    return static_cast<std::int32_t>(std::lround(twips * dotsPerInch / TwipsPerInch));
}

/// Pixels to twips at a logical resolution.
inline double PixelsToTwips(double pixels, double dotsPerInch)
{
    return pixels * TwipsPerInch / dotsPerInch;
}
