#include "desktop/paths.h"
#include "desktop/shellprocedures.h"
#include "tests/uninstaller/uninstallfixture.h"
#include "uninstaller/core/selfremovalscript.h"

#include <filesystem>
#include <fstream>

using namespace uninstall;

namespace fs = std::filesystem;

namespace {

using UninstallFlowTest = UninstallTest;

TEST_F(UninstallFlowTest, YesRemovesEverythingTheLogListsAndNothingElse)
{
    std::ofstream(install.desktop + "/holiday.jpg") << "mine";
    std::ofstream(install.programs + "/editor.desktop") << "theirs";
    const std::string logOn = ShortcutLinkPath(install.startup + "/Stowlet");
    std::ofstream(logOn) << "shortcut to /opt/another/Stowlet\n"; // of another installation
    const auto homeBefore = [&] {
        auto tree = treeOf(install.home);
        std::vector<std::string> kept;
        for (const std::string &entry : tree)
            if ((entry.find("Stowlet") == std::string::npos || entry.find("autostart") != std::string::npos) &&
                entry.find("My Apps") == std::string::npos)
                kept.push_back(entry);
        return kept;
    }();

    uninstallAnswering(true);

    EXPECT_EQ(treeOf(install.home), homeBefore);
    EXPECT_EQ(fake.dialogs, (std::vector<std::string>{ConfirmationText, SuccessText}));
    EXPECT_FALSE(exists(install.logInTemp())) << "the log copy goes once it is read";
    EXPECT_EQ(host.calls, (std::vector<std::string>{"showWorking", "screenBusy", "hide", "screenNormal", "unload"}));
    EXPECT_TRUE(exists(logOn));
}

TEST_F(UninstallFlowTest, TheLogOnEntryOfThisInstallationAndTheMenuFolderTheInstallMadeGo)
{
    std::vector<std::string> lines = install.logLines;
    lines.push_back(install.programs); // the menu folder of a new account, made by the install
    std::ofstream(ShortcutLinkPath(install.startup + "/Stowlet"))
        << "shortcut to " << install.installFolder << "/Stowlet\n";
    runFromTemp();
    writeLogInTemp(lines);
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    fake.answers = {true};
    ConfirmUninstall(context);

    EXPECT_EQ(fake.dialogs.back(), SuccessText);
    EXPECT_FALSE(exists(install.startup)) << "the log-on entry went, and its folder held nothing else";
    EXPECT_FALSE(exists(install.programs));
    EXPECT_TRUE(exists(install.desktop)) << "the user's own folders stay, empty or not";
}

TEST_F(UninstallFlowTest, NoRemovesNothing)
{
    runFromTemp();
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    const auto before = treeOf(install.home);

    fake.answers = {false};
    ConfirmUninstall(context);

    EXPECT_EQ(treeOf(install.home), before);
    EXPECT_EQ(fake.dialogs, std::vector<std::string>{ConfirmationText});
    EXPECT_FALSE(exists(install.logInTemp()));
    ASSERT_EQ(fake.started.size(), 1u) << "the script takes the program copy and the hand-over folder";
    EXPECT_EQ(fake.started[0].arguments.back(), install.scriptInTemp());
    EXPECT_EQ(host.calls, std::vector<std::string>{"unload"});
}

TEST_F(UninstallFlowTest, PacesTheRemovalWithTheWaits)
{
    uninstallAnswering(true);

    // Two settling pauses; one pause in each of the two folder removals (the program group
    // and the created parent, both in the first pass) and one after each of the ten passes;
    // a last settling pause; the pause before the script starts.
    std::vector<std::int32_t> expected{1000, 1000};
    expected.insert(expected.end(), 2 + 10, 100);
    expected.insert(expected.end(), {1000, 200});
    EXPECT_EQ(wait.waits, expected);
    EXPECT_EQ(globals.WaitTimer, nullptr) << "released before the script starts";
}

TEST_F(UninstallFlowTest, InstallPathLineWithSpacesRemovesTheFolderBeforeTheNextLine)
{
    const std::string entry = install.shortcuts[2];
    std::vector<std::string> lines = install.logLines;
    lines.front() = "INSTALLPATH=  " + install.installFolder + "   ";
    runFromTemp();
    writeLogInTemp(lines);
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    bool folderWentFirst = false;
    fake.onYield = [&] {
        if (exists(entry) && !exists(install.installFolder))
            folderWentFirst = true;
    };

    fake.answers = {true};
    ConfirmUninstall(context);

    EXPECT_TRUE(folderWentFirst);
    EXPECT_FALSE(exists(install.installFolder));
    EXPECT_FALSE(exists(entry));
    EXPECT_EQ(globals.InstallPath, "  " + install.installFolder + "   ") << "kept as the log has it";
}

TEST_F(UninstallFlowTest, NestedFoldersGoInAnyOrderUpToTenLevels)
{
    struct Case
    {
        const char *name;
        int levels;
        bool outermostFirst;
        int levelsLeft;
    };
    const Case cases[] = {
        {"outermost first", 3, true, 0},
        {"innermost first", 3, false, 0},
        {"ten levels", 10, true, 0},
        {"eleven levels, outermost first", 11, true, 1},
        {"eleven levels, innermost first", 11, false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string top = root / c.name;
        std::vector<std::string> lines{"INSTALLPATH=" + install.installFolder};
        std::string folder = top;
        for (int level = 0; level < c.levels; ++level, folder += "/level")
            lines.push_back(folder);
        fs::create_directories(lines.back());
        if (!c.outermostFirst)
            std::reverse(lines.begin() + 1, lines.end());
        install.layOut();
        runFromTemp();
        writeLogInTemp(lines);
        ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);

        fake.answers = {true};
        ConfirmUninstall(context);

        int left = 0;
        for (std::string path = top; exists(path); path += "/level")
            ++left;
        EXPECT_EQ(left, c.levelsLeft);
        host.loaded = true;
    }
}

TEST_F(UninstallFlowTest, WhatTheInstallDidNotMakeStaysAndIsNamed)
{
    // The user's own files: in the installation folder (from before the install and added
    // later), in the program group; and log lines naming files outside the installation.
    const std::string notes = root.writeFile("home/My Apps/Stowlet/my notes.txt", "mine");
    root.writeFile("home/My Apps/Stowlet/album/a.jpg", "mine");
    const std::string theirs = root.writeFile("home/.local/share/applications/Stowlet/someone else's.desktop", "x");
    const std::string outside = root.writeFile("home/keep.txt", "mine");
    const std::string lookalike = root.writeFile("home/Desktop/Uninstall Stowlet.desktop", "mine");
    std::ofstream(install.createdParent + "/Thumbs.db") << "cache";
    for (const char *data : {"SpotData.txt", "DropOptions.txt", "DropOptions.txt.saving", "Thumbs.db"})
        std::ofstream(install.installFolder + "/" + data) << "the toolbar's";
    std::vector<std::string> lines = install.logLines;
    lines.insert(lines.begin() + 1, {outside, lookalike, install.installFolder + "/../../keep.txt"});
    runFromTemp();
    writeLogInTemp(lines);
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);

    fake.answers = {true};
    ConfirmUninstall(context);

    EXPECT_EQ(treeOf(install.installFolder), (std::vector<std::string>{"album/", "album/a.jpg", "my notes.txt"}));
    for (const std::string &mine : {theirs, outside, lookalike})
        EXPECT_TRUE(exists(mine)) << mine;
    EXPECT_FALSE(exists(install.shortcuts[0]));
    EXPECT_EQ(fake.dialogs.back(), "Stowlet was not completely uninstalled.\r\r"
                                   "These are not part of the installation and were kept:\r" +
                                       Paths::join(install.installFolder, "album") + "\r" + notes + "\r" +
                                       install.groupFolder +
                                       "\r\rThe install log names these outside the installation; they were left "
                                       "alone:\r" +
                                       outside + "\r" + lookalike + "\r" + install.installFolder + "/../../keep.txt");
}

TEST_F(UninstallFlowTest, RefusedInstallationFolderRemovesNothing)
{
    const std::string notStowlet = root.makeFolder("home/My Apps/Stowlet2");
    std::ofstream(notStowlet + "/STOWLET-InstallLog.txt") << "log";
    const std::string withoutLog = root.makeFolder("home/Stowlet");
    std::ofstream(withoutLog + "/mine.txt") << "mine";
    std::ofstream(install.home + "/STOWLET-InstallLog.txt") << "log";
    struct Case
    {
        std::string installPath;
        std::string reason; // empty: the log names no folder
    };
    std::vector<Case> cases = {
        {"relative/Stowlet", "that is not a full path"},
        {"   ", ""},
        {notStowlet, "that folder is not named Stowlet"},
        {install.home, "that folder is not named Stowlet"},
        {withoutLog, "that folder holds no install log"},
        {install.installFolder + "/../Stowlet/../../..", "that folder is not named Stowlet"},
    };
    const std::string homeLink = root.makeFolder("home/Apps") + "/Stowlet";
    std::error_code ec;
    fs::create_directory_symlink(install.home, homeLink, ec);
    if (!ec)
        cases.push_back({homeLink, "that folder is not named Stowlet"}); // its real name is the home's
    for (const Case &c : cases) {
        SCOPED_TRACE(c.installPath);
        std::vector<std::string> lines = install.logLines;
        lines.front() = "INSTALLPATH=" + c.installPath;
        lines.push_back("INSTALLPATH=" + install.installFolder); // a good line does not redeem a bad one
        runFromTemp();
        writeLogInTemp(lines);
        ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
        const auto before = treeOf(install.home);
        fake.dialogs.clear();

        fake.answers = {true};
        ConfirmUninstall(context);

        EXPECT_EQ(treeOf(install.home), before);
        const std::string expected =
            c.reason.empty() ? "The install log names no installation folder.\rNothing was removed."
                             : "The install log names " + c.installPath + " as the installation folder, but " +
                                   c.reason + ".\rNothing was removed.";
        EXPECT_EQ(fake.dialogs, (std::vector<std::string>{ConfirmationText, expected}));
        host.loaded = true;
    }
}

TEST_F(UninstallFlowTest, EmptyLinesAreIgnored)
{
    std::vector<std::string> lines;
    for (const std::string &line : install.logLines) {
        lines.push_back("");
        lines.push_back(line);
    }
    lines.push_back("");
    runFromTemp();
    writeLogInTemp(lines);
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);

    fake.answers = {true};
    ConfirmUninstall(context);

    EXPECT_FALSE(exists(install.createdParent));
    EXPECT_FALSE(exists(install.groupFolder));
    EXPECT_EQ(std::count(globals.FolderList.begin(), globals.FolderList.end(), std::string()), 0);
}

TEST_F(UninstallFlowTest, ReadOnlyFilesListedInTheLogAreRemoved)
{
    for (const std::string &entry : install.shortcuts)
        fs::permissions(entry, fs::perms::owner_read, fs::perm_options::replace);
    fs::permissions(install.installedFiles[1], fs::perms::owner_read, fs::perm_options::replace);

    uninstallAnswering(true);

    for (const std::string &entry : install.shortcuts)
        EXPECT_FALSE(exists(entry)) << entry;
    EXPECT_FALSE(exists(install.installFolder));
}

TEST_F(UninstallFlowTest, LogThatCannotBeReadAtRemovalTimeStillEndsTheRun)
{
    runFromTemp();
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    fs::remove(install.logInTemp());
    fs::create_directory(install.logInTemp()); // there, but not a log any more
    const auto before = treeOf(install.home);

    fake.answers = {true};
    ConfirmUninstall(context);

    EXPECT_EQ(treeOf(install.home), before);
    EXPECT_EQ(fake.dialogs.back(),
              "The install log " + install.logInTemp() + " could not be read.\rNothing was removed.");
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_TRUE(exists(install.scriptInTemp()));
}

TEST_F(UninstallFlowTest, EndsByStartingTheScriptHiddenFromTheTemporaryFolder)
{
    uninstallAnswering(true);

    const std::string handOver = install.handOverFolder();
    const SelfRemovalScript script = MakeSelfRemovalScript(handOver, Paths::fileName(install.programInTemp()), handOver,
                                                           Paths::fileName(install.scriptInTemp()), host.pid, true);
    std::string text;
    for (const std::string &line : script.lines)
        text += line + script.lineEnd;
    EXPECT_EQ(readFile(install.scriptInTemp()), text);
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.started[0].program, script.program);
    EXPECT_EQ(fake.started[0].arguments, script.arguments);
    EXPECT_EQ(fake.started[0].style, WindowStyle::Hidden);
    EXPECT_EQ(fake.started[0].workingFolder, handOver);
    EXPECT_FALSE(fake.started[0].waited);
    EXPECT_TRUE(exists(install.programInTemp())) << "the script deletes the copy once the program has exited";
}

} // namespace
