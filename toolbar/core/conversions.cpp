#include "toolbar/core/conversions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace toolbar {

std::string BoolToText(bool value)
{
    return value ? "TRUE" : "FALSE";
}

bool TextToBool(const std::string &text)
{
    if (text.size() != 4)
        return false;
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper == "TRUE";
}

bool CheckValueToBool(int value)
{
    return value == 1;
}

std::int32_t BoolToCheckValue(bool value)
{
    return value ? 1 : 0;
}

namespace {
constexpr std::array<std::pair<const char *, std::int32_t>, 5> kSpotSizes{{
    {"TINY", 300},
    {"SMALL", 500},
    {"MEDIUM", 700},
    {"LARGE", 1000},
    {"JUMBO", 1300},
}};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

struct DecimalText
{
    bool negative = false;
    std::string whole;    // digits before the point
    std::string fraction; // digits after it
};

std::optional<DecimalText> parseDecimal(const std::string &text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    DecimalText number;
    std::size_t i = begin;
    if (i < end && (text[i] == '-' || text[i] == '+'))
        number.negative = text[i++] == '-';
    for (; i < end && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        number.whole += text[i];
    if (i < end && text[i] == '.') {
        for (++i; i < end && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            number.fraction += text[i];
    }
    if (i != end || (number.whole.empty() && number.fraction.empty()))
        return std::nullopt;
    return number;
}
} // namespace

std::string SpotSizeName(std::int64_t twips)
{
    for (const auto &[name, value] : kSpotSizes) {
        if (value == twips)
            return name;
    }
    return {};
}

std::int32_t SpotSizeValue(const std::string &name)
{
    for (const auto &[sizeName, value] : kSpotSizes) {
        if (name == sizeName)
            return value;
    }
    return 0;
}

std::optional<std::int32_t> TextToLong(const std::string &text)
{
    const auto number = parseDecimal(text);
    if (!number)
        return std::nullopt;
    const auto firstDigit = number->whole.find_first_not_of('0');
    const std::string whole = firstDigit == std::string::npos ? std::string() : number->whole.substr(firstDigit);
    if (whole.size() > 10)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : whole)
        value = value * 10 + (c - '0');
    // Round half to even on the fraction's digits.
    const std::string &fraction = number->fraction;
    if (!fraction.empty() && fraction[0] >= '5') {
        const bool exactlyHalf = fraction[0] == '5' && fraction.find_first_not_of('0', 1) == std::string::npos;
        if (!exactlyHalf || value % 2 == 1)
            ++value;
    }
    if (number->negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool IsNumericText(const std::string &text)
{
    return parseDecimal(text).has_value();
}

} // namespace toolbar
