#include "installer/core/appfunctions.h"
#include "installer/core/installlog.h"
#include "tests/installer/setupfixture.h"

#include "desktop/textfile.h"
#include <ostream>

#include <filesystem>

using namespace setup;

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

class StartInstallTest : public SetupFixture
{
protected:
    StartInstallTest()
    {
        fs::create_directories(globals.InstallPath);
        AddToInstallList(globals, globals.InstallPath); // made when the options were accepted
        globals.StartMenuThisUser = true;
        globals.DesktopThisUser = true;
    }
    std::string group() const { return in(globals.ProgramsFolder, "Stowlet"); }
};

TEST_F(StartInstallTest, RunsEveryStepWithItsStatusPauseAndPercentInOrder)
{
    window.onMessage = [this] { EXPECT_TRUE(desktop.started.empty()) << "the program starts after the message"; };
    StartInstall(install);

    Lines expected{"busy"};
    const std::pair<const char *, int> rows[] = {{"Creating Folders...", 10},    {"Regestering Dlls...", 15},
                                                 {"Copying Files...", 30},       {"Verifying Files...", 50},
                                                 {"Verifying Files...", 60},     {"Creating Icons...", 75},
                                                 {"Wiriting Install Log...", 85}};
    for (const auto &[status, percent] : rows) {
        expected.push_back(std::string("status ") + status);
        expected.push_back("wait 600");
        expected.push_back("percent " + std::to_string(percent));
    }
    expected.push_back("status Cleaning Up...");
    expected.push_back("status Verifing Installation...");
    for (int percent = 87; percent <= 101; percent += 2) {
        expected.push_back("wait 200");
        expected.push_back("percent " + std::to_string(percent));
    }
    expected.insert(expected.end(),
                    {"percent 100", "status Installation Complete", "hide", "message Installation Complete", "close"});
    EXPECT_EQ(events, expected);

    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].caption, "Complete...");
    EXPECT_TRUE(window.messages[0].complete);
    EXPECT_EQ(window.messages[0].closeAfter, 2000);
    // Seven pauses, the closing animation and the message: about eight seconds.
    EXPECT_EQ(wait.virtualMilliseconds + window.messages[0].closeAfter, 7 * 600 + 8 * 200 + 2000);
    EXPECT_TRUE(wait.open.empty()) << "no timer is left between waits";
}

TEST_F(StartInstallTest, InstallsEveryFileShortcutAndLogLineThenStartsTheProgram)
{
    StartInstall(install);

    for (const std::string &name : ProgramFileNames())
        EXPECT_EQ(readFile(installed(name)), packageContent(name)) << name;
    for (const char *title : {"Stowlet", "StowletUninstaller"})
        EXPECT_NE(fs::status(installed(program(title))).permissions() & fs::perms::owner_exec, fs::perms::none)
            << title << " keeps its run bit";

    const std::string i = globals.InstallPath;
    struct Expected
    {
        std::string link, description, target, icon;
    };
    const Expected shortcuts[] = {
        {in(group(), link("Stowlet")), "Stowlet", installed(program("Stowlet")), installed(icon("Drop"))},
        {in(group(), link("Uninstall Stowlet")), "Uninstaller", installed(program("StowletUninstaller")),
         installed(icon("Skull"))},
        {in(globals.DesktopFolder, link("Stowlet")), "Stowlet", installed(program("Stowlet")),
         installed(icon("Drop"))}};
    ASSERT_EQ(desktop.shortcutsWritten.size(), 3u);
    for (std::size_t n = 0; n < 3; ++n) {
        const auto &written = desktop.shortcutsWritten[n];
        EXPECT_EQ(written.linkPath, shortcuts[n].link);
        EXPECT_EQ(written.properties.description, shortcuts[n].description);
        EXPECT_EQ(written.properties.targetPath, shortcuts[n].target);
        EXPECT_EQ(written.properties.iconLocation, shortcuts[n].icon);
        EXPECT_EQ(written.properties.windowStyle, WindowStyle::Normal);
        EXPECT_EQ(written.properties.workingDirectory, i);
        EXPECT_TRUE(fs::exists(shortcuts[n].link));
    }

    // The log tells kinds apart by the dot alone: the dotted files, then the shortcuts, then
    // the folders with whatever has no dot (the programs, where they have no extension).
    Lines log{"INSTALLPATH=" + i};
    Lines undotted{i};
    for (const std::string &name : ProgramFileNames())
        (name.find('.') == std::string::npos ? undotted : log).push_back(installed(name));
    for (const Expected &shortcut : shortcuts)
        log.push_back(shortcut.link);
    log.insert(log.end(), undotted.begin(), undotted.end());
    log.push_back(group());
    EXPECT_EQ(TextFile::readLines(InstallLogPath(i)), log);

    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].program, installed(program("Stowlet")));
    EXPECT_TRUE(desktop.started[0].arguments.empty());
    EXPECT_EQ(desktop.started[0].style, WindowStyle::Normal);
    EXPECT_EQ(desktop.started[0].workingFolder, i);
    EXPECT_FALSE(desktop.started[0].waited);
    EXPECT_TRUE(desktop.messages.empty()) << "the engine shows no message box";
}

TEST_F(StartInstallTest, AMissingPackageFileIsNamedAndStillLogged)
{
    fs::remove(temp / ("package/Support/" + icon("Skull")));
    StartInstall(install);

    EXPECT_EQ(events.back(), "close") << "the install runs to its end";
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].caption, "Incomplete...");
    EXPECT_EQ(window.messages[0].text,
              "Installation Incomplete\rNot installed: " + icon("Skull") + "\rNo such file or directory");
    EXPECT_FALSE(window.messages[0].complete);
    EXPECT_EQ(window.messages[0].closeAfter, 0) << "stays until OK";
    const auto log = TextFile::readLines(InstallLogPath(globals.InstallPath));
    ASSERT_TRUE(log);
    EXPECT_NE(std::find(log->begin(), log->end(), installed(icon("Skull"))), log->end());
    EXPECT_EQ(log->size(), 14u);
    ASSERT_EQ(desktop.started.size(), 1u) << "the program is there, so it starts";
}

TEST_F(StartInstallTest, WithoutItsProgramTheToolbarIsNotStarted)
{
    fs::remove(temp / ("package/Support/" + program("Stowlet")));
    fs::remove(temp / "package/Support/Warning.wav");
    StartInstall(install);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "Installation Incomplete\rNot installed: " + program("Stowlet") +
                                           ", Warning.wav\rNo such file or directory");
    EXPECT_TRUE(desktop.started.empty());
    ASSERT_EQ(desktop.shortcutsWritten.size(), 1u) << "no entry starts a program that is not there";
    EXPECT_EQ(desktop.shortcutsWritten[0].linkPath, in(group(), link("Uninstall Stowlet")));
}

TEST_F(StartInstallTest, AFailedCopyOverAnOlderFileCountsAsNotInstalled)
{
    temp.writeFile("programs/Stowlet/" + icon("Drop"), "older icon");
    fs::remove(temp / ("package/Support/" + icon("Drop")));
    temp.makeFolder("package/Support/" + icon("Drop")); // cannot be copied as a file
    StartInstall(install);
    EXPECT_EQ(readFile(installed(icon("Drop"))), "older icon");
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text,
              "Installation Incomplete\rNot installed: " + icon("Drop") + "\rIt is a folder, not a file.");
}

TEST_F(StartInstallTest, AReinstallWithoutShortcutsOverwritesAndLogsNineLines)
{
    temp.writeFile("programs/Stowlet/" + program("Stowlet"), "older program");
    globals.InstallList = {""}; // the folder existed: nothing was created
    globals.StartMenuThisUser = false;
    globals.DesktopThisUser = false;
    temp.writeFile("programs/Stowlet/STOWLET-InstallLog.txt", "INSTALLPATH=old\r\n/old/thing\r\n");
    StartInstall(install);

    EXPECT_EQ(readFile(installed(program("Stowlet"))), packageContent(program("Stowlet")));
    const auto log = TextFile::readLines(InstallLogPath(globals.InstallPath));
    ASSERT_TRUE(log);
    ASSERT_EQ(log->size(), 9u);
    EXPECT_EQ(log->front(), "INSTALLPATH=" + globals.InstallPath);
    EXPECT_TRUE(desktop.shortcutsWritten.empty());
    EXPECT_FALSE(fs::exists(group()));
}

TEST_F(StartInstallTest, AReinstallWithFewerShortcutsTakesTheEarlierOnesAway)
{
    const std::string applications = globals.ProgramsFolder;
    fs::remove(applications);
    CreateFolderPath(globals, group()); // the first install made the menu folder too
    StartInstall(install);
    ASSERT_TRUE(fs::exists(in(group(), link("Stowlet"))));

    Globals again;
    again.InstallPath = globals.InstallPath;
    again.SupportFolder = globals.SupportFolder;
    again.ProgramsFolder = globals.ProgramsFolder;
    again.DesktopFolder = globals.DesktopFolder;
    again.DesktopThisUser = true;
    InstallContext second{again, desktop.services(), components, window};
    StartInstall(second);

    EXPECT_FALSE(fs::exists(applications)) << "the menu folder the first install made is empty now";
    const auto log = TextFile::readLines(InstallLogPath(globals.InstallPath));
    ASSERT_TRUE(log);
    const auto listed = [&log](const std::string &entry) {
        return std::find(log->begin(), log->end(), entry) != log->end();
    };
    EXPECT_TRUE(listed(in(globals.DesktopFolder, link("Stowlet"))));
    EXPECT_TRUE(listed(globals.InstallPath)) << "the installation folder the first install made stays listed";
    EXPECT_FALSE(listed(applications) || listed(group()) || listed(in(group(), link("Stowlet"))));
    EXPECT_EQ(log->size(), 11u) << "the install path, eight files, the desktop entry, the folder";
}

TEST_F(StartInstallTest, AMissingInstallationFolderStillEndsNormally)
{
    fs::remove_all(globals.InstallPath);
    globals.StartMenuThisUser = false;
    StartInstall(install);
    EXPECT_EQ(events.back(), "close");
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_FALSE(window.messages[0].complete);
    EXPECT_TRUE(desktop.started.empty());
    EXPECT_FALSE(fs::exists(InstallLogPath(globals.InstallPath)));
}

struct FinishCase
{
    std::int32_t start;
    Lines moves; // percentages set, in order
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FinishCase &c, std::ostream *out)
{
    *out << "from " << c.start;
}

class FinishScrolling : public SetupFixture, public ::testing::WithParamInterface<FinishCase>
{
};

TEST_P(FinishScrolling, MovesInStepsOfTwoUntilAtLeastAHundred)
{
    const FinishCase &c = GetParam();
    window.ScrollBarPercent(c.start);
    events.clear();
    FinishScrollingProgressBar(install);
    Lines expected{"status Verifing Installation..."};
    for (const std::string &percent : c.moves)
        expected.insert(expected.end(), {"wait 200", "percent " + percent});
    EXPECT_EQ(events, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FinishScrolling,
                         ::testing::Values(FinishCase{85, {"87", "89", "91", "93", "95", "97", "99", "101"}},
                                           FinishCase{96, {"98", "100"}}, FinishCase{99, {"101"}}, FinishCase{100, {}},
                                           FinishCase{101, {}}));

TEST(CoverLeft, TrackWidthOverAHundredTimesPercentRoundedHalvesToEven)
{
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {-5, 0}, {0, 0}, {1, 47}, {10, 470}, {15, 704}, {30, 1408}, {50, 2348}, {85, 3991}, {100, 4695}, {101, 4742}};
    for (const auto &[percent, left] : cases)
        EXPECT_EQ(CoverLeft(TrackWidth, percent), left) << percent;
}

} // namespace
