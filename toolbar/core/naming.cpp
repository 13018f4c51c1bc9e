#include "toolbar/core/naming.h"

#include "desktop/filecopy.h"
#include "desktop/paths.h"
#include "desktop/shellprocedures.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace toolbar {

namespace {

struct LeadingNumber
{
    bool negative = false;
    std::string digits = "0"; // magnitude without leading zeros
};

LeadingNumber leadingNumber(const std::string &text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    LeadingNumber number;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    std::size_t first = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i;
    while (first < i && text[first] == '0')
        ++first;
    if (first < i) {
        number.digits = text.substr(first, i - first);
        number.negative = negative;
    }
    return number;
}

std::string padded(const LeadingNumber &number)
{
    std::string text = number.negative ? "-" + number.digits : number.digits;
    if (text.size() < 3)
        text.insert(0, 3 - text.size(), '0');
    return text;
}

void increment(std::string &digits)
{
    for (std::size_t i = digits.size(); i > 0; --i) {
        if (digits[i - 1] != '9') {
            ++digits[i - 1];
            return;
        }
        digits[i - 1] = '0';
    }
    digits.insert(digits.begin(), '1');
}

void decrement(std::string &digits)
{
    for (std::size_t i = digits.size(); i > 0; --i) {
        if (digits[i - 1] != '0') {
            --digits[i - 1];
            break;
        }
        digits[i - 1] = '9';
    }
    const auto first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? "0" : digits.substr(first);
}

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

} // namespace

std::string PadNumber(const std::string &text)
{
    return padded(leadingNumber(text));
}

std::string NextNumber(const std::string &text)
{
    LeadingNumber number = leadingNumber(text);
    if (number.negative) {
        decrement(number.digits);
        number.negative = number.digits != "0";
    } else {
        increment(number.digits);
    }
    return padded(number);
}

std::string GetExtension(const std::string &path)
{
    std::size_t nameStart = 0;
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1]) || path[i - 1] == '/') {
            nameStart = i;
            break;
        }
    }
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return {};
    return path.substr(dot + 1);
}

std::string BuildFileName(const std::string &baseName, const std::string &number, const std::string &extension)
{
    return baseName + "-" + number + "." + extension;
}

bool IsSafeBaseName(const std::string &baseName)
{
    if (baseName == "." || baseName == "..")
        return false;
    return std::none_of(baseName.begin(), baseName.end(), [](char c) { return c == '\0' || isSeparator(c); });
}

std::size_t LongestBaseName()
{
    const std::string longestName = BuildFileName("", "999999", "pjpeg");
    const std::size_t whileWritten = Paths::fileName(FileCopy::temporaryNameFor(Paths::join("x", longestName))).size();
    return FileNameLimit - std::max(longestName.size(), whileWritten);
}

std::int32_t FindSpotBySquare(const Globals &globals, std::int32_t square)
{
    for (std::size_t p = 0; p < globals.DropSpots.size(); ++p) {
        if (globals.DropSpots[p].SpotIndex == square)
            return static_cast<std::int32_t>(p);
    }
    return 0;
}

std::string RandomLetter(Globals &globals)
{
    // nearbyint rounds half to even in the default rounding mode.
    const auto k = static_cast<std::size_t>(std::nearbyint(52.0 * globals.random.next()));
    if (k >= 52)
        return {};
    return std::string(1, RandomAlphabet[k]);
}

std::string RandomBaseName(Globals &globals)
{
    // A length below 1 would make an empty base name ("-001.jpg"): the default stands in.
    const std::int32_t wanted = globals.options.MaxRandomLength;
    const std::int32_t maxLength =
        std::min(wanted < 1 ? Options::DefaultMaxRandomLength : wanted, MaxUsableRandomLength);
    auto length = static_cast<std::int64_t>(std::nearbyint(maxLength * globals.random.next())) + 3;
    if (length > maxLength)
        length = maxLength;
    std::string name;
    while (static_cast<std::int64_t>(name.size()) < length)
        name += RandomLetter(globals);
    return name;
}

std::string RequestNewBaseName(AppContext &app, bool randomFallback)
{
    Globals &g = app.globals;
    g.NewBaseName.clear();
    if (g.options.PromptBaseNames) {
        if (app.prompt)
            app.prompt->showModal();
        if (randomFallback && g.NewBaseName.empty())
            g.NewBaseName = RandomBaseName(g);
    } else {
        g.NewBaseName = RandomBaseName(g);
    }
    return g.NewBaseName;
}

void ResetBaseNames(AppContext &app)
{
    const std::string name = app.globals.FirstRun ? RandomBaseName(app.globals) : RequestNewBaseName(app, true);
    for (DropSpot &spot : app.globals.DropSpots) {
        spot.BaseName = name;
        spot.SequenceNumber = "000";
    }
}

void SyncBaseNames(Globals &globals)
{
    if (globals.DropSpots.empty())
        return;
    const DropSpot first = globals.DropSpots.front();
    for (DropSpot &spot : globals.DropSpots) {
        spot.BaseName = first.BaseName;
        spot.SequenceNumber = first.SequenceNumber;
    }
}

void NewBaseNameCommand(AppContext &app, std::int32_t square)
{
    Globals &g = app.globals;
    const std::string name = RequestNewBaseName(app, false);
    if (name.empty())
        return;
    if (g.options.SameBaseName) {
        for (DropSpot &spot : g.DropSpots) {
            spot.BaseName = name;
            spot.SequenceNumber = "000";
        }
    } else {
        DropSpot &spot = g.DropSpots[static_cast<std::size_t>(FindSpotBySquare(g, square))];
        spot.BaseName = name;
        spot.SequenceNumber = "000";
    }
    if (g.options.Sounds)
        PlaySound(app.desktop, g.AppFolder, SoundKind::NewBaseName);
    if (app.toolbar)
        app.toolbar->flashCaption(name);
}

} // namespace toolbar
