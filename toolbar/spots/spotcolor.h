#pragma once

#include <QColor>

#include <cstdint>
#include <string>

namespace toolbar {

/// Spot colours are 24-bit values laid out 0x00BBGGRR (255 is red), as SpotData.txt keeps them.
QColor colorFromValue(std::int32_t value);
std::int32_t valueFromColor(const QColor &color);

/// The colour of a spot as its data holds it (the value as decimal text); the fallback
/// value stands in for text that is not a number.
QColor colorFromText(const std::string &text, std::int32_t fallback);

} // namespace toolbar
