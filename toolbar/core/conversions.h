#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace toolbar {

/// Conversions between option values and their text or check-box forms.

/// "TRUE" or "FALSE".
std::string BoolToText(bool value);

/// True exactly when the text, upper-cased, is "TRUE".
bool TextToBool(const std::string &text);

/// True exactly when a check-box value is 1 (ticked).
bool CheckValueToBool(int value);

/// 1 for true, 0 for false.
std::int32_t BoolToCheckValue(bool value);

/// "TINY", "SMALL", "MEDIUM", "LARGE" or "JUMBO" for 300, 500, 700, 1000 or 1300 twips,
/// else empty text.
std::string SpotSizeName(std::int64_t twips);

/// The twips of one of the five size names (exact, case-sensitive), else 0.
std::int32_t SpotSizeValue(const std::string &name);

/// Reads the whole text (blanks around it allowed) as a decimal number, optionally signed
/// and with a fraction, rounded half to even to a 32-bit integer. Nothing when the text
/// is not such a number or the value does not fit in 32 bits.
std::optional<std::int32_t> TextToLong(const std::string &text);

/// True when the whole text (blanks around it allowed) reads as a decimal number.
bool IsNumericText(const std::string &text);

} // namespace toolbar
