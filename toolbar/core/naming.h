#pragma once

#include "toolbar/core/appcontext.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace toolbar {

/// The letters of random base names; letters are picked by position.
inline constexpr const char *RandomAlphabet = "mnbvcxzasdfghjklpoiuytrewqPOIUYTREWQLKJHGFDSAMNBVCXZ";

/// Random base names are capped at this length whatever MaxRandomLength says, so that
/// every generated name stays a valid file name.
inline constexpr std::int32_t MaxUsableRandomLength = 200;

/// The value of the text's leading decimal number (blanks before it skipped, 0 when there
/// is none) as the shortest decimal text, padded on the left with "0" to three
/// characters. Numbers of any length are kept whole: 7 -> "007", 1000 -> "1000".
std::string PadNumber(const std::string &text);

/// PadNumber of the text's value plus one: "000" -> "001", "999" -> "1000".
std::string NextNumber(const std::string &text);

/// The extension of the path's file name (after its last "."), or empty text when the
/// file name has no ".". Folders above the file never contribute.
std::string GetExtension(const std::string &path);

/// base + "-" + number + "." + extension; the "." is there even without an extension.
std::string BuildFileName(const std::string &baseName, const std::string &number, const std::string &extension);

/// True when a base name can be part of a file name in the spot's own folder: no path
/// separator ("/" or "\"), no NUL, and not "." or "..".
bool IsSafeBaseName(const std::string &baseName);

/// The longest file name the usual file systems take, in bytes.
inline constexpr std::size_t FileNameLimit = 255;

/// The longest base name whose files stay within FileNameLimit, also while one is written
/// under its temporary name: base name, "-", a number of up to six digits, "." and an
/// extension of up to five letters.
std::size_t LongestBaseName();

/// The first position in DropSpots whose SpotIndex is the square, or 0.
std::int32_t FindSpotBySquare(const Globals &globals, std::int32_t square);

/// One letter of RandomAlphabet chosen by the generator, or empty text (k = 52).
std::string RandomLetter(Globals &globals);

/// A random name of 3 to MaxRandomLength letters (exactly MaxRandomLength below 3; a
/// MaxRandomLength below 1 counts as the default).
std::string RandomBaseName(Globals &globals);

/// Asks for (or makes up) a new base name; see the prompt. Leaves it in NewBaseName too.
std::string RequestNewBaseName(AppContext &app, bool randomFallback);

/// Gives every spot one new base name and the number "000".
void ResetBaseNames(AppContext &app);

/// Copies base name and number of the first spot into every other spot.
void SyncBaseNames(Globals &globals);

/// The toolbar's new-base-name command for a square: asks for a name and, unless the
/// user gave none, gives it to that spot (or all spots when they share one name).
void NewBaseNameCommand(AppContext &app, std::int32_t square);

} // namespace toolbar
