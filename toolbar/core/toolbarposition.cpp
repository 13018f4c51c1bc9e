#include "toolbar/core/toolbarposition.h"

#include "desktop/shellprocedures.h"

#include <charconv>
#include <cmath>
#include <string>

namespace toolbar {

namespace {
double readTwips(SettingsStore &settings, const char *key)
{
    const std::string text = settings.getSetting(ProgramTitle, ToolbarLocationSection, key, "100");
    double value = 0;
    const char *begin = text.data();
    const char *end = text.data() + text.size();
    const auto [at, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || at != end || !std::isfinite(value))
        return 100;
    return value;
}
} // namespace

ToolbarPosition ReadToolbarPosition(SettingsStore &settings)
{
    return {readTwips(settings, "Top"), readTwips(settings, "Left")};
}

ToolbarPosition KeepOnScreen(ToolbarPosition position, double screenWidth, double screenHeight)
{
    if (position.top < 0 || position.top > screenHeight)
        position.top = 100;
    if (position.left < 0 || position.left > screenWidth)
        position.left = 100;
    return position;
}

std::string TwipsText(double twips)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, twips);
    return std::string(buffer, result.ptr);
}

bool WriteToolbarPosition(SettingsStore &settings, const ToolbarPosition &position)
{
    const bool top = settings.saveSetting(ProgramTitle, ToolbarLocationSection, "Top", TwipsText(position.top));
    const bool left = settings.saveSetting(ProgramTitle, ToolbarLocationSection, "Left", TwipsText(position.left));
    return top && left;
}

} // namespace toolbar
