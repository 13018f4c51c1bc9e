#pragma once

#include "appcontext.h"
#include "dialoghost.h"
#include "fakedesktop.h"
#include "frmdrop.h"
#include "spotsquare.h"
#include "tempfolder.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

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

/// A base-name prompt answering from a script (empty text = cancelled).
class ScriptedNamePrompt final : public BaseNamePrompt
{
public:
    explicit ScriptedNamePrompt(Globals &globals) : m_globals(globals) {}
    void showModal() override
    {
        m_globals.NewBaseName = answers.empty() ? std::string() : answers.front();
        if (!answers.empty())
            answers.pop_front();
    }
    std::deque<std::string> answers;

private:
    Globals &m_globals;
};

/// A toolbar program over a fake desktop, with spots in real temporary folders.
struct ToolbarHarness
{
    ToolbarHarness() { globals.options = Options::defaults(); }

    /// Gives DropSpots one spot per folder name (folders created), named Flower-000.
    void setSpots(const std::vector<std::string> &folders, const std::vector<std::string> &colors = {})
    {
        globals.DropSpots.clear();
        for (std::size_t i = 0; i < folders.size(); ++i) {
            DropSpot spot;
            spot.FolderPath = temp.makeFolder(folders[i]);
            spot.Color = i < colors.size() ? colors[i] : "255";
            spot.BaseName = "Flower";
            spot.SequenceNumber = "000";
            globals.DropSpots.push_back(spot);
        }
    }

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
        toolbar = std::make_unique<frmDrop>(app, host);
        app.toolbar = toolbar.get();
        toolbar->show();
        return *toolbar;
    }

    /// The squares, by their index.
    std::vector<SpotSquare *> squares() const
    {
        auto found = toolbar->findChildren<SpotSquare *>(QStringLiteral("picSpot"));
        std::vector<SpotSquare *> sorted(found.begin(), found.end());
        std::sort(sorted.begin(), sorted.end(), [](const SpotSquare *a, const SpotSquare *b) {
            return a->property("index").toInt() < b->property("index").toInt();
        });
        return sorted;
    }

    TempFolder temp;
    FakeDesktop desktop;
    Globals globals;
    ScriptedNamePrompt prompt{globals};
    RecordingHost host;
    AppContext app{globals, desktop.services(), &prompt, nullptr};
    std::unique_ptr<frmDrop> toolbar;
};

/// The top-level windows still shown.
inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names << widget->objectName() + QLatin1Char('/') + QLatin1String(widget->metaObject()->className());
    }
    return names;
}
