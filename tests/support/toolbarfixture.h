#pragma once

#include "appcontext.h"
#include "datafiles.h"
#include "fakedesktop.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

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

/// A toolbar program in a real temporary folder, with a fake desktop.
class ToolbarFixture : public ::testing::Test
{
protected:
    ToolbarFixture()
    {
        ComputeDataPaths(globals, temp.str());
        desktop.folders[39] = temp.makeFolder("Pictures");
        desktop.home = temp.makeFolder("home");
        desktop.folders[Csidl::AppData] = temp.makeFolder("home/.config");
        globals.options = Options::defaults();
    }

    /// Gives the spot list the given folders (all created), base name and number.
    void setSpots(const std::vector<std::string> &folders, const std::string &baseName = "Flower",
                  const std::string &number = "000")
    {
        globals.DropSpots.clear();
        int index = 0;
        for (const std::string &folder : folders) {
            DropSpot spot;
            spot.FolderPath = temp.makeFolder(folder);
            spot.Color = "255";
            spot.SpotIndex = index++;
            spot.BaseName = baseName;
            spot.SequenceNumber = number;
            globals.DropSpots.push_back(spot);
        }
    }

    TempFolder temp;
    FakeDesktop desktop;
    Globals globals;
    ScriptedPrompt prompt{globals};
    RecordingToolbar toolbar;
    AppContext app{globals, desktop.services(), &prompt, &toolbar};
};
