#include "desktop/shellprocedures.h"
#include "tests/support/toolbarfixture.h"
#include "toolbar/core/naming.h"
#include "toolbar/core/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace toolbar;

namespace {

class RecordingWindows final : public StartupWindows
{
public:
    explicit RecordingWindows(std::vector<std::string> &log) : m_log(log) {}
    void showHelp() override { m_log.push_back("help"); }
    void showToolbar() override { m_log.push_back("toolbar"); }

private:
    std::vector<std::string> &m_log;
};

class Startup : public ToolbarFixture
{
protected:
    Startup()
    {
        globals = Globals{};
        desktop.onMessage = [this](const std::string &) { log.push_back("message"); };
    }
    std::vector<std::string> log;
    RecordingWindows windows{log};
};

TEST_F(Startup, FirstRunWelcomesShowsHelpAndNeverAsks)
{
    Main(app, windows, temp.str());
    EXPECT_EQ(log, (std::vector<std::string>{"message", "help", "toolbar"}));
    EXPECT_EQ(desktop.messages, std::vector<std::string>{WelcomeMessage});
    EXPECT_EQ(prompt.shown, 0);
    EXPECT_FALSE(globals.DropSpots[0].BaseName.empty());
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "000");
    EXPECT_EQ(globals.DropSpots[0].FolderPath, desktop.folders[39]);
    EXPECT_EQ(globals.options, Options::defaults());
    EXPECT_EQ(readFile(temp / "DropOptions.txt").substr(0, 22), "SAME_BASE_NAME|FALSE\r\n");
}

TEST_F(Startup, LaterRunsAskForTheBaseNameAndShowNoWelcome)
{
    Main(app, windows, temp.str());
    log.clear();
    desktop.messages.clear();

    Globals second;
    ScriptedPrompt secondPrompt(second);
    secondPrompt.answers = {"Tulip"};
    AppContext secondApp{second, desktop.services(), &secondPrompt, &toolbar};
    Main(secondApp, windows, temp.str());
    EXPECT_EQ(log, std::vector<std::string>{"toolbar"});
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(secondPrompt.shown, 1);
    EXPECT_EQ(second.DropSpots[0].BaseName, "Tulip");
}

TEST_F(Startup, TemporaryFilesOfAnEndedRewriteAreRemoved)
{
    temp.writeFile("SpotData.txt.saving", "half a spot li");
    temp.writeFile("DropOptions.txt.saving", "SAME_BA");
    temp.writeFile("Notes.txt.saving", "not ours");
    Main(app, windows, temp.str());
    EXPECT_FALSE(std::filesystem::exists(temp / "SpotData.txt.saving"));
    EXPECT_FALSE(std::filesystem::exists(temp / "DropOptions.txt.saving"));
    EXPECT_TRUE(std::filesystem::exists(temp / "Notes.txt.saving"));
}

TEST_F(Startup, PackagedProgramKeepsDataPerUserEvenWhereItCouldWrite)
{
    const std::string program = temp.makeFolder("usr/lib/stowlet");
    temp.writeFile("usr/lib/stowlet/PackageCommand", "/usr/bin/stowlet\n");
    Main(app, windows, program);
    EXPECT_EQ(globals.PackageCommand, "/usr/bin/stowlet");
    EXPECT_EQ(readFile(desktop.folders[Csidl::AppData] + "/Stowlet/DropOptions.txt").substr(0, 22),
              "SAME_BASE_NAME|FALSE\r\n");
    EXPECT_EQ(folderNames(program), std::vector<std::string>{"PackageCommand"});
}

TEST_F(Startup, WelcomeTextIsExact)
{
    EXPECT_EQ(std::string(WelcomeMessage),
              "Welcome To Stowlet.\r\rThis is your first time using Stowlet, and the Help window will be shown to get "
              "you started.  It will not show automatically in the future, but you can get help again at any time by "
              "Right-Clicking the toolbar, and selecting 'Help' from the menu.");
}

} // namespace
