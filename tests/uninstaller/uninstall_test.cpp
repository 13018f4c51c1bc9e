#include "paths.h"
#include "selfremovalscript.h"
#include "uninstallfixture.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

using UninstallFlowTest = UninstallTest;

TEST_F(UninstallFlowTest, YesRemovesEverythingTheLogListsAndNothingElse)
{
    std::ofstream(install.desktop + "/holiday.jpg") << "mine";
    std::ofstream(install.programs + "/editor.desktop") << "theirs";
    const auto homeBefore = [&] {
        auto tree = treeOf(install.home);
        std::vector<std::string> kept;
        for (const std::string &entry : tree)
            if (entry.find("Stowlet") == std::string::npos && entry.find("My Apps") == std::string::npos)
                kept.push_back(entry);
        return kept;
    }();

    uninstallAnswering(true);

    EXPECT_EQ(treeOf(install.home), homeBefore);
    EXPECT_EQ(fake.dialogs, (std::vector<std::string>{ConfirmationText, SuccessText}));
    EXPECT_FALSE(exists(install.logInTemp())) << "the log copy goes once it is read";
    EXPECT_EQ(host.calls, (std::vector<std::string>{"showWorking", "screenBusy", "hide", "screenNormal", "unload"}));
}

TEST_F(UninstallFlowTest, NoRemovesNothing)
{
    runFromTemp();
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    const auto before = treeOf(root.str());

    fake.answers = {false};
    ConfirmUninstall(context);

    EXPECT_EQ(treeOf(root.str()), before);
    EXPECT_EQ(fake.dialogs, std::vector<std::string>{ConfirmationText});
    EXPECT_TRUE(fake.started.empty());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(UninstallFlowTest, PacesTheRemovalWithTheWaits)
{
    uninstallAnswering(true);

    // Two settling pauses; one pause in each of the two folder removals (the program group
    // and the created parent, both in the first pass) and one after each of the ten passes;
    // a last settling pause; the pause before the script starts.
    std::vector<std::int64_t> expected{1000, 1000};
    expected.insert(expected.end(), 2 + 10, 100);
    expected.insert(expected.end(), {1000, 200});
    EXPECT_EQ(wait.waits, expected);
    EXPECT_EQ(globals.WaitTimer, nullptr) << "released before the script starts";
}

TEST_F(UninstallFlowTest, InstallPathLineWithSpacesRemovesTheFolderBeforeTheNextLine)
{
    const std::string outside = root.writeFile("outside.txt", "listed after the install path");
    writeLogInTemp({"INSTALLPATH=  " + install.installFolder + "   ", outside});
    fake.executable = install.programInTemp();
    fs::copy_file(install.programInInstallFolder(), install.programInTemp());
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    bool folderWentFirst = false;
    fake.onYield = [&] {
        if (exists(outside) && !exists(install.installFolder))
            folderWentFirst = true;
    };

    fake.answers = {true};
    ConfirmUninstall(context);

    EXPECT_TRUE(folderWentFirst);
    EXPECT_FALSE(exists(install.installFolder));
    EXPECT_FALSE(exists(outside));
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
        writeLogInTemp(lines);
        fake.executable = install.programInTemp();
        replaceFile(install.programInInstallFolder(), install.programInTemp());
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

TEST_F(UninstallFlowTest, FolderHoldingAForeignFileSurvivesAndThumbsDbDoesNotKeepOneAlive)
{
    std::ofstream(install.groupFolder + "/someone else's.desktop") << "theirs";
    std::ofstream(install.createdParent + "/Thumbs.db") << "cache";

    uninstallAnswering(true);

    EXPECT_EQ(readFile(install.groupFolder + "/someone else's.desktop"), "theirs");
    EXPECT_FALSE(exists(install.shortcuts[0]));
    EXPECT_FALSE(exists(install.createdParent));
    EXPECT_EQ(fake.dialogs.back(), SuccessText) << "what stays is not reported";
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

TEST_F(UninstallFlowTest, DangerousInstallPathIsSkippedAndTheRestStillGoes)
{
    std::ofstream(install.home + "/keep.txt") << "mine";
    std::vector<std::string> lines = install.logLines;
    lines.front() = "INSTALLPATH=" + install.home;
    runFromTemp();
    writeLogInTemp(lines);
    fs::rename(install.logInInstallFolder(), install.home + "/STOWLET-InstallLog.txt"); // where that log would be
    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);

    fake.answers = {true};
    ConfirmUninstall(context);

    EXPECT_EQ(readFile(install.home + "/keep.txt"), "mine");
    EXPECT_TRUE(exists(install.desktop));
    for (const std::string &file : install.installedFiles)
        EXPECT_FALSE(exists(file)) << file << ": the file lines still remove the installed files";
    EXPECT_FALSE(exists(install.installFolder)) << "emptied, so the folder passes take it";
    EXPECT_FALSE(exists(install.groupFolder));
    EXPECT_TRUE(exists(install.home + "/STOWLET-InstallLog.txt")) << "the whole line is skipped";
    EXPECT_EQ(fake.dialogs.back(), SuccessText);
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
    EXPECT_EQ(fake.dialogs.back(), SuccessText);
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_TRUE(exists(install.scriptInTemp()));
}

TEST_F(UninstallFlowTest, EndsByStartingTheScriptHiddenFromTheTemporaryFolder)
{
    uninstallAnswering(true);

    const SelfRemovalScript script =
        MakeSelfRemovalScript(install.temp, Paths::fileName(install.programInTemp()), install.temp,
                              Paths::fileName(install.scriptInTemp()), host.pid);
    std::string text;
    for (const std::string &line : script.lines)
        text += line + script.lineEnd;
    EXPECT_EQ(readFile(install.scriptInTemp()), text);
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.started[0].program, script.program);
    EXPECT_EQ(fake.started[0].arguments, script.arguments);
    EXPECT_EQ(fake.started[0].style, WindowStyle::Hidden);
    EXPECT_EQ(fake.started[0].workingFolder, install.temp);
    EXPECT_FALSE(fake.started[0].waited);
    EXPECT_TRUE(exists(install.programInTemp())) << "the script deletes the copy once the program has exited";
}

} // namespace
