#include "desktop/paths.h"
#include "desktop/privatefolder.h"
#include "tests/uninstaller/uninstallfixture.h"

#include <filesystem>

using namespace uninstall;

namespace fs = std::filesystem;

namespace {

using StartupTest = UninstallTest;

TEST_F(StartupTest, InstanceInTheInstallationFolderCopiesLogAndProgramAndStartsTheCopy)
{
    runFromInstallFolder();

    EXPECT_EQ(LoadUninstaller(context), LoadOutcome::EndProgram);

    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_EQ(readFile(install.logInTemp()), readFile(install.logInInstallFolder()));
    EXPECT_EQ(readFile(install.programInTemp()), readFile(install.programInInstallFolder()));
    EXPECT_NE(fs::status(install.programInTemp()).permissions() & fs::perms::owner_exec, fs::perms::none)
        << "the copy must still be a program";
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.started[0].program, install.programInTemp());
    EXPECT_TRUE(fake.started[0].arguments.empty());
    EXPECT_EQ(fake.started[0].style, WindowStyle::Normal);
    EXPECT_FALSE(fake.started[0].waited);
    EXPECT_EQ(wait.waits, (std::vector<std::int32_t>{300, 1000}));
    EXPECT_EQ(globals.InstallLogPath, install.logInInstallFolder());
    EXPECT_EQ(globals.TempFolder, install.temp) << "without its trailing separator";
    EXPECT_TRUE(IsHandOverFolder(install.handOverFolder(), install.temp)) << "a private folder of the user's own";
    EXPECT_TRUE(exists(install.installFolder)) << "the first instance removes nothing";
}

TEST_F(StartupTest, CopyInTheTemporaryFolderWaitsForContinue)
{
    runFromTemp();

    EXPECT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);

    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_TRUE(fake.started.empty());
    EXPECT_EQ(globals.InstallLogPath, install.logInTemp());
    EXPECT_NE(globals.WaitTimer, nullptr);
    EXPECT_TRUE(exists(install.installFolder));
}

TEST_F(StartupTest, CopyRecognisesTheTemporaryFolderReportedWithSeveralTrailingSeparators)
{
    runFromTemp();
    fake.temp = install.temp + "//";

    EXPECT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
    EXPECT_TRUE(fake.started.empty());
}

TEST_F(StartupTest, CopyRecognisesTheTemporaryFolderReachedThroughALink)
{
    const std::string link = root / "link to tmp";
    std::error_code ec;
    fs::create_directory_symlink(install.temp, link, ec);
    if (ec)
        GTEST_SKIP() << "no folder links here: " << ec.message();
    runFromTemp();
    fake.temp = link + "/";

    EXPECT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser) << "else the copy would relaunch itself forever";
    EXPECT_TRUE(fake.started.empty());
}

TEST_F(StartupTest, MissingLogNamesTheExpectedPathAndChangesNothing)
{
    for (const bool inTemp : {true, false}) {
        SCOPED_TRACE(inTemp ? "started in the temporary folder" : "started in the installation folder");
        fake.dialogs.clear();
        fake.messages.clear();
        if (inTemp) {
            install.copyToTemp();
            fs::remove(install.logInTemp());
            fake.executable = install.programInTemp();
        } else {
            fs::remove(install.logInInstallFolder());
            runFromInstallFolder();
        }
        const auto before = treeOf(root.str());

        EXPECT_EQ(LoadUninstaller(context), LoadOutcome::EndProgram);

        const std::string expected = inTemp ? install.logInTemp() : install.logInInstallFolder();
        EXPECT_EQ(fake.messages, std::vector<std::string>{"No Install Log Found.\rExpected location: " + expected +
                                                          "\rThe uninstallation can not continue."});
        EXPECT_TRUE(fake.started.empty());
        EXPECT_EQ(treeOf(root.str()), before);
    }
}

TEST_F(StartupTest, ProgramThatCannotBeCopiedTakesTheHandOverBackAndStartsNothing)
{
    fs::remove(install.programInInstallFolder());
    runFromInstallFolder();

    EXPECT_EQ(LoadUninstaller(context), LoadOutcome::EndProgram);

    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].starts_with("Unable to copy uninstaller to temp folder.\r" + install.temp));
    EXPECT_TRUE(treeOf(install.temp).empty()) << "neither the folder nor the log copy stays";
    EXPECT_TRUE(fake.started.empty());
}

TEST_F(StartupTest, LinksPlacedInTheTemporaryFolderAreNeverFollowed)
{
    const std::string victim = root.writeFile("victim/precious.txt", "precious");
    const std::string victimFolder = root / "victim";
    std::error_code ec;
    for (const char *name : {"STOWLET-InstallLog.txt", ".STOWLET-InstallLog.txt.stowlet-part", "StowletUninstaller",
                             "StowletUninstaller.exe", "killmyself.sh", "killmyself.bat"})
        fs::create_symlink(victim, install.temp + "/" + std::string(name), ec);
    fs::create_directory_symlink(victimFolder, install.temp + "/StowletUninstaller-AAAAAA", ec);
    if (ec)
        GTEST_SKIP() << "no links here: " << ec.message();
    const auto planted = treeOf(install.temp);
    runFromInstallFolder();

    ASSERT_EQ(LoadUninstaller(context), LoadOutcome::EndProgram);
    const std::string handOver = install.handOverFolder();
    EXPECT_TRUE(IsHandOverFolder(handOver, install.temp));
    EXPECT_FALSE(IsHandOverFolder(install.temp + "/StowletUninstaller-AAAAAA", install.temp));
    EXPECT_EQ(fake.started.at(0).program, install.programInTemp());
    // The copy runs the whole removal from there, and its script goes beside it.
    Globals copyGlobals;
    UninstallContext copy{copyGlobals, fake.services(), wait, host};
    fake.executable = install.programInTemp();
    ASSERT_EQ(LoadUninstaller(copy), LoadOutcome::WaitForUser);
    fake.answers = {true};
    ConfirmUninstall(copy);

    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_EQ(treeOf(victimFolder), std::vector<std::string>{"precious.txt"});
    EXPECT_EQ(fake.dialogs.back(), SuccessText);
    auto now = treeOf(install.temp);
    std::erase_if(now, [&](const std::string &entry) { return entry.starts_with(Paths::fileName(handOver)); });
    EXPECT_EQ(now, planted);
    std::string error;
    EXPECT_FALSE(PrivateFolder::writeNew(install.temp + "/killmyself.sh", "rm -rf ~", error));
    EXPECT_FALSE(PrivateFolder::copyInto(install.logInInstallFolder(), install.temp + "/StowletUninstaller", error));
    EXPECT_EQ(readFile(victim), "precious");
}

TEST(TempFolderTest, ReportedFolderLosesItsTrailingSeparatorAndAMissingOneGivesTheRoot)
{
    TempFolder temp;
    EXPECT_EQ(SettleTempFolder(temp.str() + "/", "/opt/Stowlet"), temp.str());
    EXPECT_EQ(SettleTempFolder(temp.str(), "/opt/Stowlet"), temp.str());
    EXPECT_EQ(SettleTempFolder(temp / "missing", "/opt/Stowlet"), "/");
    EXPECT_EQ(SettleTempFolder("", "/opt/Stowlet"), "/");
}

TEST(SameFolderTest, LetterCaseAndTrailingSeparatorsDoNotCount)
{
    struct Case
    {
        const char *first;
        const char *second;
        bool same;
    };
    const Case cases[] = {
        {"/tmp", "/tmp", true},
        {"/tmp/", "/tmp", true},
        {"/tmp", "/TMP/", true},
        {"/Tmp/Work", "/tmp/work", true},
        {"/", "/", true}, // the copy started from the root when there is no temporary folder
        {"/tmp", "/tmp/x", false},
        {"/tmp/x", "/tmp/y", false},
        {"/opt/Stowlet", "/tmp", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsSameFolder(c.first, c.second), c.same) << c.first << " vs " << c.second;
}

} // namespace
