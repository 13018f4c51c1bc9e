#pragma once

#include "desktop/fake/fakedesktop.h"
#include "tests/support/tempfolder.h"
#include "toolbar/core/appcontext.h"
#include "toolbar/core/datafiles.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace toolbar {

/// A base-name prompt that answers from a script and counts how often it was shown.
class ScriptedPrompt final : public BaseNamePrompt
{
public:
    explicit ScriptedPrompt(Globals &globals) : m_globals(globals) {}
    void showModal() override
    {
        ++shown;
        m_globals.NewBaseName = answers.empty() ? std::string() : answers.front();
        if (!answers.empty())
            answers.pop_front();
    }
    std::deque<std::string> answers; ///< empty text = cancelled
    int shown = 0;

private:
    Globals &m_globals;
};

/// Records what the logic asked of the toolbar.
class RecordingToolbar final : public ToolbarHooks
{
public:
    void refreshAlwaysOnTop() override { ++raised; }
    void flashCaption(const std::string &message) override { captions.push_back(message); }
    void showProgress(int done, int total) override { progress.emplace_back(done, total); }
    void LoadSpotsFromArray() override { ++rebuilds; }
    bool IsCurrentlyVertical() const override { return vertical; }
    int CurrentlySpotSize() const override { return spotSize; }

    int raised = 0;
    int rebuilds = 0;
    bool vertical = false;
    int spotSize = 500;
    std::vector<std::string> captions;
    std::vector<std::pair<int, int>> progress;
};

/// A toolbar program for one test: its data files in a real temporary folder, a fake
/// desktop whose home, pictures and settings folders are there too, the default options,
/// a scripted base-name prompt and a toolbar that records what the logic asks of it.
struct ToolbarBed
{
    /// With `shortcuts`, the program writes its shortcuts through that writer instead of the fake.
    explicit ToolbarBed(std::unique_ptr<ShortcutWriter> shortcuts = nullptr) : m_shortcuts(std::move(shortcuts))
    {
        ComputeDataPaths(globals, temp.str());
        desktop.folders[Csidl::MyPictures] = temp.makeFolder("Pictures");
        desktop.home = temp.makeFolder("home");
        desktop.folders[Csidl::AppData] = temp.makeFolder("home/.config");
        globals.options = Options::defaults();
    }
    ToolbarBed(const ToolbarBed &) = delete;
    ToolbarBed &operator=(const ToolbarBed &) = delete;

    /// Gives the spot list one spot per folder (each made in the temporary folder), in
    /// toolbar order, all with the base name and number; red unless colours are given.
    void setSpots(const std::vector<std::string> &folders, const std::string &baseName = "Flower",
                  const std::string &number = "000", const std::vector<std::int32_t> &colours = {})
    {
        globals.DropSpots.clear();
        for (std::size_t i = 0; i < folders.size(); ++i) {
            DropSpot spot;
            spot.FolderPath = temp.makeFolder(folders[i]);
            spot.Color = std::to_string(i < colours.size() ? colours[i] : 255);
            spot.SpotIndex = static_cast<std::int32_t>(i);
            spot.BaseName = baseName;
            spot.SequenceNumber = number;
            globals.DropSpots.push_back(spot);
        }
    }

private:
    std::unique_ptr<ShortcutWriter> m_shortcuts;

public:
    TempFolder temp;
    FakeDesktop desktop;
    Desktop services{
        desktop, desktop, desktop, desktop, m_shortcuts ? *m_shortcuts : static_cast<ShortcutWriter &>(desktop),
        desktop, desktop};
    Globals globals;
    ScriptedPrompt prompt{globals};
    RecordingToolbar toolbar;
    AppContext app{globals, services, &prompt, &toolbar};
};

} // namespace toolbar
