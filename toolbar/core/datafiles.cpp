#include "toolbar/core/datafiles.h"

#include "desktop/paths.h"
#include "desktop/textfile.h"
#include "toolbar/core/conversions.h"
#include "toolbar/core/naming.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

namespace toolbar {

namespace {

std::vector<std::string> split(const std::string &line, char separator)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const auto at = line.find(separator, start);
        pieces.push_back(line.substr(start, at - start));
        if (at == std::string::npos)
            return pieces;
        start = at + 1;
    }
}

std::string upperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

void applyOption(Options &o, const std::string &key, const std::string &value)
{
    if (key == "SAME_BASE_NAME")
        o.SameBaseName = TextToBool(value);
    else if (key == "VERTICAL_TOOLBAR")
        o.VerticalToolbar = TextToBool(value);
    else if (key == "REMEMBER_LOCATION")
        o.RememberLocation = TextToBool(value);
    else if (key == "PROMPT_BASE_NAMES")
        o.PromptBaseNames = TextToBool(value);
    else if (key == "AUTO_START")
        o.AutoStart = TextToBool(value);
    else if (key == "SOUNDS")
        o.Sounds = TextToBool(value);
}

// A number option as the file gives it: the text of its last line, or nothing.
struct NumberOption
{
    const char *key;
    std::int32_t Options::*field;
    std::int32_t fallback;
    bool (*usable)(std::int32_t);
    std::optional<std::string> text;
};

// Takes each number that reads and can be used; puts the default in place of the others
// and returns one line per replaced value for the user.
std::vector<std::string> takeNumbers(Options &o, std::vector<NumberOption> &numbers)
{
    std::vector<std::string> replaced;
    for (NumberOption &number : numbers) {
        const auto value = number.text ? TextToLong(*number.text) : std::nullopt;
        if (value && number.usable(*value)) {
            o.*number.field = *value;
            continue;
        }
        o.*number.field = number.fallback;
        replaced.push_back(std::string(number.key) + ": " +
                           (number.text ? "\"" + *number.text + "\"" : std::string("missing")) + ", now " +
                           std::to_string(number.fallback));
    }
    return replaced;
}

void reportSaveFailure(AppContext &app, const std::string &what, const std::string &path, const std::string &reason)
{
    app.desktop.messages.showMessage("ERROR: Can Not Save " + what + "\r" + path + "\r" + reason +
                                     "\rThe previous file was kept.");
}

std::string defaultSpotFolder(AppContext &app)
{
    const std::string pictures = app.desktop.folders.specialFolder(Csidl::MyPictures);
    return Paths::folderExists(pictures) ? pictures : app.desktop.folders.homeFolder();
}

} // namespace

std::vector<std::string> OptionsFileLines(const Options &o)
{
    return {
        "SAME_BASE_NAME|" + BoolToText(o.SameBaseName),
        "VERTICAL_TOOLBAR|" + BoolToText(o.VerticalToolbar),
        "REMEMBER_LOCATION|" + BoolToText(o.RememberLocation),
        "PROMPT_BASE_NAMES|" + BoolToText(o.PromptBaseNames),
        "AUTO_START|" + BoolToText(o.AutoStart),
        "SOUNDS|" + BoolToText(o.Sounds),
        "MAX_RANDOM_LENGTH|" + std::to_string(o.MaxRandomLength),
        "SPOT_SIZE|" + std::to_string(o.SpotSize),
    };
}

void LoadOptions(AppContext &app)
{
    Globals &g = app.globals;
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::path(g.OptionsPath), ec) && !ec) {
        RestoreDefaultOptions(app);
        return;
    }
    // Something in the file's place that is no readable file is left to the user.
    const auto lines = Paths::fileExists(g.OptionsPath) ? TextFile::readLines(g.OptionsPath) : std::nullopt;
    if (!lines) {
        g.options = Options::defaults();
        app.desktop.messages.showMessage(OptionsUnreadableMessage(g.OptionsPath));
        return;
    }
    std::vector<NumberOption> numbers{
        {"MAX_RANDOM_LENGTH", &Options::MaxRandomLength, Options::DefaultMaxRandomLength, IsUsableMaxRandomLength, {}},
        {"SPOT_SIZE", &Options::SpotSize, Options::DefaultSpotSize, IsUsableSpotSize, {}},
    };
    for (const std::string &line : *lines) {
        if (line.find('|') == std::string::npos)
            continue;
        const auto pieces = split(line, '|');
        const std::string key = upperCase(pieces[0]);
        applyOption(g.options, key, pieces[1]);
        for (NumberOption &number : numbers) {
            if (key == number.key)
                number.text = pieces[1];
        }
    }
    const auto replaced = takeNumbers(g.options, numbers);
    if (!replaced.empty())
        app.desktop.messages.showMessage(OptionsReplacedMessage(replaced));
}

bool IsUsableSpotSize(std::int32_t twips)
{
    return twips >= SmallestSpotSize && twips <= LargestSpotSize;
}

bool IsUsableMaxRandomLength(std::int32_t length)
{
    return length >= 1;
}

std::string OptionsReplacedMessage(const std::vector<std::string> &replaced)
{
    std::string text = "Some options in DropOptions.txt can not be used, so they take their default values:";
    for (const std::string &line : replaced)
        text += "\r" + line;
    return text + "\r\rDropOptions.txt is left as it is until you save the options.";
}

std::string OptionsUnreadableMessage(const std::string &path)
{
    return "DropOptions.txt can not be read, so every option takes its default value.\r" + path +
           "\r\rThe file is left as it is until you save the options.";
}

bool SaveOptions(AppContext &app)
{
    app.desktop.pump.yieldTimes(6);
    std::string error;
    const bool saved =
        TextFile::writeLinesAtomically(app.globals.OptionsPath, OptionsFileLines(app.globals.options), &error);
    app.desktop.pump.yieldTimes(6);
    if (!saved)
        reportSaveFailure(app, "Options", app.globals.OptionsPath, error);
    return saved;
}

bool RestoreDefaultOptions(AppContext &app)
{
    app.globals.options = Options::defaults();
    return SaveOptions(app);
}

void LoadSpotData(AppContext &app)
{
    Globals &g = app.globals;
    g.DropSpots.assign(1, DropSpot{});
    bool filled = false;
    const auto lines = Paths::fileExists(g.SpotDataPath) ? TextFile::readLines(g.SpotDataPath) : std::nullopt;
    for (const std::string &line : lines.value_or(std::vector<std::string>{})) {
        if (line.find('|') == std::string::npos)
            continue;
        const auto pieces = split(line, '|');
        std::string folder = pieces[0];
        if (Paths::endsWithSeparator(folder))
            folder = Paths::withoutTrailingSeparator(folder);
        if (!Paths::folderExists(folder)) {
            app.desktop.messages.showMessage("Unable to access folder " + folder +
                                             ".\rYou will not have a drop spot for this folder.");
            continue;
        }
        DropSpot spot;
        spot.FolderPath = folder;
        spot.Color = std::to_string(TextToLong(pieces[1]).value_or(255));
        if (filled)
            g.DropSpots.push_back(spot);
        else
            g.DropSpots[0] = spot;
        filled = true;
    }
    if (g.DropSpots[0].FolderPath.empty()) {
        g.DropSpots[0].Color = "255";
        g.DropSpots[0].FolderPath = defaultSpotFolder(app);
    }
}

bool SaveSpotRows(AppContext &app, const std::vector<SpotRow> &rows)
{
    app.desktop.pump.yieldTimes(6);
    std::vector<std::string> lines;
    for (const SpotRow &row : rows) {
        if (row.folder.empty())
            continue;
        std::string folder = row.folder;
        if (folder.back() == Paths::separator())
            folder = Paths::withoutTrailingSeparator(folder);
        if (folder.find_first_of("|\r\n") != std::string::npos) {
            // The line would read back as another folder (or none): never write it.
            app.desktop.messages.showMessage("ERROR: Can Not Save Drop Spot for folder:\r" + folder +
                                             "\rIts name holds \"|\" or a line break, which the spot list "
                                             "can not keep");
        } else if (Paths::folderExists(folder)) {
            lines.push_back(folder + "|" + std::to_string(row.color));
        } else {
            app.desktop.messages.showMessage("ERROR: Can Not Save Drop Spot for folder:\r" + folder +
                                             "\rThe folder is unavailable");
        }
    }
    std::string error;
    const bool saved = TextFile::writeLinesAtomically(app.globals.SpotDataPath, lines, &error);
    app.desktop.pump.yieldTimes(6);
    if (!saved) {
        reportSaveFailure(app, "Drop Spots", app.globals.SpotDataPath, error);
        return false;
    }
    LoadSpotData(app);
    ResetBaseNames(app);
    return true;
}

void ComputeDataPaths(Globals &g, const std::string &programFolder)
{
    if (Paths::endsWithSeparator(programFolder)) {
        g.SpotDataPath = programFolder + "SpotData.txt";
        g.OptionsPath = programFolder + "DropOptions.txt";
        // The root folder keeps its separator: it is the only way to name it.
        g.AppFolder = programFolder.size() == 1 ? programFolder : programFolder.substr(0, programFolder.size() - 1);
    } else {
        g.SpotDataPath = Paths::join(programFolder, "SpotData.txt");
        g.OptionsPath = Paths::join(programFolder, "DropOptions.txt");
        g.AppFolder = programFolder;
    }
}

} // namespace toolbar
