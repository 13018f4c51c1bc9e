#include "desktop/fake/fakedesktop.h"
#include "desktop/fake/fakesharedcomponents.h"
#include "installer/core/appfunctions.h"
#include "installer/core/installlog.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

using namespace setup;

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

struct FolderCase
{
    const char *name;
    Lines existingFolders; // inside the temporary folder
    Lines existingFiles;
    std::string path; // inside the temporary folder
    Lines recorded;   // inside the temporary folder, in order
    Lines absent;     // must not exist afterwards
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FolderCase &c, std::ostream *out)
{
    *out << c.name;
}

class CreateFolderPathCases : public ::testing::TestWithParam<FolderCase>
{
};

TEST_P(CreateFolderPathCases, CreatesMissingFoldersOutermostFirstAndRecordsOnlyThose)
{
    const FolderCase &c = GetParam();
    TempFolder temp;
    for (const std::string &folder : c.existingFolders)
        temp.makeFolder(folder);
    for (const std::string &file : c.existingFiles)
        temp.writeFile(file, "x");
    Globals globals;
    CreateFolderPath(globals, temp / c.path);

    Lines expected;
    for (const std::string &folder : c.recorded)
        expected.push_back(temp / folder);
    if (expected.empty())
        expected.push_back("");
    EXPECT_EQ(globals.InstallList, expected);
    for (const std::string &folder : c.recorded)
        EXPECT_TRUE(fs::is_directory(temp / folder)) << folder;
    for (const std::string &gone : c.absent)
        EXPECT_FALSE(fs::exists(temp / gone)) << gone;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreateFolderPathCases,
    ::testing::Values(
        FolderCase{"InsideAnExistingFolder", {"programs"}, {}, "programs/Stowlet", {"programs/Stowlet"}, {}},
        FolderCase{"WholeChain", {}, {}, "a/b/c", {"a", "a/b", "a/b/c"}, {}},
        FolderCase{"AllPresent", {"a/b"}, {}, "a/b", {}, {}},
        FolderCase{"TrailingSeparator", {"a"}, {}, "a/b/", {"a/b"}, {}},
        FolderCase{"StopsAtAFileInTheWay", {}, {"a/blocker"}, "a/blocker/b/c", {}, {"a/blocker/b"}},
        FolderCase{"PassesExistingLevelsThenStopsAtAFile", {"a"}, {"a/b/blocker"}, "a/b/blocker/c/d", {}, {}},
        // A name longer than the file system allows fails after the levels above it were made.
        FolderCase{"StopsAfterCreatingSome", {}, {}, "p/q/" + std::string(300, 'n') + "/r", {"p", "p/q"}, {}}),
    [](const ::testing::TestParamInfo<FolderCase> &info) { return std::string(info.param.name); });

TEST(CreateFolderPath, AppendsToWhatWasRecordedBefore)
{
    TempFolder temp;
    temp.writeFile("blocked", "a file where a folder should go");
    Globals globals;
    AddToInstallList(globals, "/earlier");
    CreateFolderPath(globals, temp / "blocked/sub/deeper");
    CreateFolderPath(globals, temp / "made/" + std::string(300, 'n') + "/deeper");
    EXPECT_EQ(globals.InstallList, (Lines{"/earlier", temp / "made"}));
    EXPECT_FALSE(fs::exists(temp / "blocked/sub"));
}

TEST(CreateFolderPath, EmptyPathDoesNothing)
{
    Globals globals;
    CreateFolderPath(globals, "");
    EXPECT_EQ(globals.InstallList, Lines{""});
}

TEST(RegisterComponent, RunsTheRegistrationCommandMinimisedAndWaits)
{
    FakeDesktop desktop;
    FakeSharedComponents components;
    EXPECT_TRUE(RegisterComponent(desktop.services(), components, "/sys/My Control.ocx"));
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].program, "regsvr32");
    EXPECT_EQ(desktop.started[0].arguments, (Lines{"/s", "/sys/My Control.ocx"}));
    EXPECT_EQ(desktop.started[0].style, WindowStyle::Minimized);
    EXPECT_TRUE(desktop.started[0].waited);
    EXPECT_EQ(desktop.yields, 12) << "windows repaint after the tool has ended";
}

TEST(RegisterComponent, TrueMeansOnlyThatTheToolStarted)
{
    FakeDesktop desktop;
    FakeSharedComponents components;
    desktop.exitCode = 3;
    EXPECT_TRUE(RegisterComponent(desktop.services(), components, "/sys/a.ocx"));
    desktop.startSucceeds = false;
    EXPECT_FALSE(RegisterComponent(desktop.services(), components, "/sys/a.ocx"));
    components.registration = {};
    EXPECT_FALSE(RegisterComponent(desktop.services(), components, "/sys/a.ocx"));
    EXPECT_EQ(desktop.started.size(), 2u) << "no tool, nothing started";
}

TEST(PlaceSharedComponent, CopiesAndRegistersOnlyWhenAbsent)
{
    TempFolder temp;
    FakeDesktop desktop;
    FakeSharedComponents components;
    Globals globals;
    globals.SupportFolder = temp.makeFolder("Support");
    globals.SystemFolder = temp.makeFolder("system");
    temp.writeFile("Support/New.ocx", "new");
    temp.writeFile("Support/Old.ocx", "package copy");
    temp.writeFile("system/Old.ocx", "system copy");

    EXPECT_TRUE(PlaceSharedComponent(globals, desktop.services(), components, "Old.ocx"));
    EXPECT_TRUE(PlaceSharedComponent(globals, desktop.services(), components, "New.ocx"));
    EXPECT_FALSE(PlaceSharedComponent(globals, desktop.services(), components, "Missing.ocx"));

    EXPECT_EQ(readFile(temp / "system/Old.ocx"), "system copy");
    EXPECT_EQ(readFile(temp / "system/New.ocx"), "new");
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].arguments.back(), temp / "system/New.ocx");
    EXPECT_EQ(globals.InstallList, Lines{""}) << "shared components are never recorded";
}

} // namespace
