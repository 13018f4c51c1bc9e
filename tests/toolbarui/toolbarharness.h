#pragma once

#include "tests/support/toolbarbed.h"
#include "tests/support/windowprobe.h"
#include "toolbar/ui/dialoghost.h"
#include "toolbar/ui/frmdrop.h"
#include "toolbar/ui/spotsquare.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace toolbar {

/// Records which window the toolbar asked for; hands out a Name Details stand-in.
class RecordingHost final : public DialogHost
{
public:
    QWidget *nameDetails(int spotPosition) override
    {
        opened.push_back("nameDetails " + std::to_string(spotPosition));
        return details;
    }
    void openConfigureDropSpots() override { opened.push_back("configureDropSpots"); }
    void openOptions() override { opened.push_back("options"); }
    void openHelp() override { opened.push_back("help"); }
    void openAbout() override { opened.push_back("about"); }

    std::vector<std::string> opened;
    QWidget *details = nullptr;
};

/// The toolbar bed with the real toolbar window on top, before it is loaded.
struct ToolbarHarness : ToolbarBed
{
    ToolbarHarness() { app.toolbar = nullptr; }

    void setStoredPosition(const std::string &top, const std::string &left)
    {
        desktop.settings[FakeDesktop::settingKey("Stowlet", "Toolbar Location", "Top")] = top;
        desktop.settings[FakeDesktop::settingKey("Stowlet", "Toolbar Location", "Left")] = left;
    }

    std::string storedPosition(const char *key)
    {
        const auto found = desktop.settings.find(FakeDesktop::settingKey("Stowlet", "Toolbar Location", key));
        return found == desktop.settings.end() ? "<none>" : found->second;
    }

    /// Loads the toolbar (position and squares) and shows it.
    frmDrop &open()
    {
        window = std::make_unique<frmDrop>(app, host);
        app.toolbar = window.get();
        window->show();
        return *window;
    }

    /// The squares, by their index.
    std::vector<SpotSquare *> squares() const
    {
        auto found = window->findChildren<SpotSquare *>(QStringLiteral("picSpot"));
        std::vector<SpotSquare *> sorted(found.begin(), found.end());
        std::sort(sorted.begin(), sorted.end(), [](const SpotSquare *a, const SpotSquare *b) {
            return a->property("index").toInt() < b->property("index").toInt();
        });
        return sorted;
    }

    RecordingHost host;
    std::unique_ptr<frmDrop> window;
};

} // namespace toolbar
