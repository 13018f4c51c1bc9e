#include "toolbar/options/optionssave.h"

#include "desktop/shellprocedures.h"
#include "toolbar/core/conversions.h"
#include "toolbar/core/datafiles.h"
#include "toolbar/core/naming.h"

namespace toolbar {

namespace {
constexpr std::int32_t FallbackMaxLength = 7;
constexpr std::int32_t ShortestMaxLength = 3;
} // namespace

std::int32_t MaxLengthFromText(const std::string &text)
{
    const auto value = TextToLong(text);
    if (!value || *value < ShortestMaxLength)
        return FallbackMaxLength;
    return *value;
}

bool SaveOptionsEntry(AppContext &app, const OptionsEntry &entry)
{
    Globals &g = app.globals;
    const Options previous = g.options;
    const std::int32_t maxLength = MaxLengthFromText(entry.maxLengthText);

    Options &o = g.options;
    o.SameBaseName = CheckValueToBool(entry.chkSameBaseNames);
    o.VerticalToolbar = CheckValueToBool(entry.chkAlignVertically);
    o.RememberLocation = CheckValueToBool(entry.chkRememberLocation);
    o.PromptBaseNames = CheckValueToBool(entry.chkPromptNewBaseName);
    o.AutoStart = CheckValueToBool(entry.chkAutoStart);
    o.Sounds = CheckValueToBool(entry.chkPlaySounds);
    o.MaxRandomLength = maxLength;
    // Without a chosen size the squares would shrink to nothing: keep the stored one.
    if (entry.chosenSpotSize > 0)
        o.SpotSize = entry.chosenSpotSize;

    if (!SaveOptions(app)) {
        g.options = previous;
        return false;
    }
    if (o.AutoStart)
        CreateAutoStartShortcut(app.desktop, g.AppFolder, g.PackageCommand);
    else
        RemoveAutoStartShortcut(app.desktop);
    if (app.toolbar &&
        (app.toolbar->CurrentlySpotSize() != o.SpotSize || app.toolbar->IsCurrentlyVertical() != o.VerticalToolbar))
        app.toolbar->LoadSpotsFromArray();
    if (o.SameBaseName)
        SyncBaseNames(g);
    app.desktop.messages.showMessage("Options Saved");
    return true;
}

bool RestoreDefaultsAndRelayout(AppContext &app)
{
    const Options previous = app.globals.options;
    if (!RestoreDefaultOptions(app)) {
        app.globals.options = previous;
        return false;
    }
    // Only the orientation is compared: the square size follows at the next rebuild.
    if (app.toolbar && app.toolbar->IsCurrentlyVertical() != app.globals.options.VerticalToolbar)
        app.toolbar->LoadSpotsFromArray();
    return true;
}

} // namespace toolbar
