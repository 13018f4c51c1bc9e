#include "toolbar/spots/spotcolor.h"

#include "toolbar/core/conversions.h"

namespace toolbar {

QColor colorFromValue(std::int32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::int32_t valueFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

QColor colorFromText(const std::string &text, std::int32_t fallback)
{
    return colorFromValue(TextToLong(text).value_or(fallback));
}

} // namespace toolbar
