// The wizard's checks and rules against real temporary folders, with the fake desktop.
#include "desktop/fake/fakedesktop.h"
#include "desktop/fake/fakesharedcomponents.h"
#include "desktop/paths.h"
#include "installer/core/appfunctions.h"
#include "installer/core/wizardsteps.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>

using namespace setup;

namespace fs = std::filesystem;

namespace {

// Paths are written with "/" in the cases; the platform may separate with "\".
std::string native(std::string path)
{
    std::replace(path.begin(), path.end(), '/', Paths::separator());
    return path;
}

} // namespace

TEST(LoadSystemFolders, TakesEachKnownFolderWithoutTrailingSeparator)
{
    TempFolder temp;
    FakeDesktop desktop;
    desktop.folders = {{Csidl::System, temp / "system/"},
                       {Csidl::ProgramFiles, temp / "programs"},
                       {Csidl::Desktop, temp / "Desktop/"},
                       {Csidl::Programs, temp / "applications"},
                       {Csidl::CommonPrograms, native("/")}};
    Globals globals;
    LoadSystemFolders(globals, desktop.services());
    EXPECT_EQ(globals.SystemFolder, temp / "system");
    EXPECT_EQ(globals.ProgramFilesFolder, temp / "programs");
    EXPECT_EQ(globals.DesktopFolder, temp / "Desktop");
    EXPECT_EQ(globals.ProgramsFolder, temp / "applications");
    EXPECT_EQ(globals.CommonDesktopFolder, "") << "a folder the desktop lacks";
    EXPECT_EQ(globals.CommonProgramsFolder, native("/")) << "a root folder stays whole";
}

class FileSystemObjectTest : public ::testing::Test
{
protected:
    FileSystemObjectTest()
    {
        globals.SupportFolder = temp.makeFolder("package/Support");
        globals.SystemFolder = temp.makeFolder("system");
        temp.writeFile("package/Support/scrrun.dll", "file-system component");
    }
    std::string placed() const { return Paths::join(globals.SystemFolder, "scrrun.dll"); }

    TempFolder temp;
    Globals globals;
    FakeDesktop desktop;
    FakeSharedComponents components;
};

TEST_F(FileSystemObjectTest, PresentServiceNeedsNothing)
{
    EXPECT_TRUE(EnsureFileSystemObject(globals, desktop.services(), components));
    EXPECT_EQ(components.fileSystemChecks, 1);
    EXPECT_FALSE(fs::exists(placed()));
    EXPECT_TRUE(desktop.started.empty());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(FileSystemObjectTest, MissingServiceIsPlacedRegisteredAndTriedAgain)
{
    components.fileSystemAnswers = {false, true};
    EXPECT_TRUE(EnsureFileSystemObject(globals, desktop.services(), components));
    EXPECT_EQ(readFile(placed()), "file-system component");
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].program, "regsvr32");
    EXPECT_EQ(desktop.started[0].arguments, (std::vector<std::string>{"/s", placed()}));
    EXPECT_TRUE(desktop.started[0].waited);
    EXPECT_EQ(components.fileSystemChecks, 2);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(globals.InstallList, std::vector<std::string>{""}) << "shared components are never recorded";
}

TEST_F(FileSystemObjectTest, RegistrationThatCannotStartIsTriedOnceMoreThenSetupEnds)
{
    components.fileSystemAnswers = {false, false};
    desktop.startSucceeds = false;
    EXPECT_FALSE(EnsureFileSystemObject(globals, desktop.services(), components));
    EXPECT_EQ(desktop.started.size(), 2u);
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Unable to register required file.\r(" + placed() + ")"});
}

TEST_F(FileSystemObjectTest, ServiceStillMissingAfterRegistrationEndsSetup)
{
    components.fileSystemAnswers = {false, false};
    EXPECT_FALSE(EnsureFileSystemObject(globals, desktop.services(), components));
    EXPECT_EQ(desktop.started.size(), 1u) << "a registration that started is not repeated";
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(FileSystemObjectTest, InstallerComponentsArePlacedOnlyWhenMissing)
{
    components.installer = {"PRESENT.ocx", "MISSING.ocx"};
    temp.writeFile("package/Support/PRESENT.ocx", "new");
    temp.writeFile("package/Support/MISSING.ocx", "from the package");
    temp.writeFile("system/PRESENT.ocx", "older, someone else's");
    EnsureInstallerRequirements(globals, desktop.services(), components);
    EXPECT_EQ(readFile(temp / "system/PRESENT.ocx"), "older, someone else's");
    EXPECT_EQ(readFile(temp / "system/MISSING.ocx"), "from the package");
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].arguments.back(), temp / "system/MISSING.ocx");
    EXPECT_EQ(globals.InstallList, std::vector<std::string>{""});
    EXPECT_TRUE(desktop.messages.empty());
}

TEST(DefaultInstallPath, ProgramFilesWhenThereOrMadeElseBesideTheInstaller)
{
    TempFolder temp;
    Globals globals;
    FakeDesktop desktop;
    const auto proposed = [&] { return DefaultInstallPath(globals, temp / "package", desktop.services()); };
    globals.ProgramFilesFolder = temp.makeFolder("programs");
    EXPECT_EQ(proposed(), temp / "programs/Stowlet");
    globals.ProgramFilesFolder = temp / "gone"; // a new account's: the install makes it
    EXPECT_EQ(proposed(), temp / "gone/Stowlet");
    temp.writeFile("a file", "");
    globals.ProgramFilesFolder = temp / "a file/programs";
    EXPECT_EQ(proposed(), temp / "package/Stowlet");
    globals.ProgramFilesFolder.clear();
    EXPECT_EQ(proposed(), temp / "package/Stowlet");
}

struct OptionCase
{
    const char *name;
    bool allUsersFolder;
    bool thisUserFolder;
    ShortcutFrame expected;
};

void PrintTo(const OptionCase &c, std::ostream *out)
{
    *out << c.name;
}

class ShortcutOptionCases : public ::testing::TestWithParam<OptionCase>
{
};

TEST_P(ShortcutOptionCases, OfferedWhereTheFolderExistsAndTheFirstOfferedIsChosen)
{
    const OptionCase &c = GetParam();
    TempFolder temp;
    Globals globals;
    // A missing folder is either unknown to the desktop (empty) or known but absent.
    globals.CommonProgramsFolder = c.allUsersFolder ? temp.makeFolder("common programs") : "";
    temp.writeFile("a file", "");
    globals.ProgramsFolder = c.thisUserFolder ? temp.makeFolder("programs") : temp / "a file/programs";
    globals.CommonDesktopFolder = c.allUsersFolder ? temp.makeFolder("common desktop") : temp / "no desktop";
    globals.DesktopFolder = c.thisUserFolder ? temp.makeFolder("Desktop") : "";
    for (const ShortcutFrame &frame : {StartMenuOptions(globals), DesktopOptions(globals)}) {
        EXPECT_EQ(frame.allUsersEnabled, c.expected.allUsersEnabled);
        EXPECT_EQ(frame.thisUserEnabled, c.expected.thisUserEnabled);
        EXPECT_EQ(frame.preselected, c.expected.preselected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ShortcutOptionCases,
    ::testing::Values(OptionCase{"both", true, true, {true, true, ShortcutChoice::AllUsers}},
                      OptionCase{"no all-users folder", false, true, {false, true, ShortcutChoice::ThisUser}},
                      OptionCase{"only all-users folder", true, false, {true, false, ShortcutChoice::AllUsers}},
                      OptionCase{"neither", false, false, {false, false, ShortcutChoice::None}}),
    [](const auto &info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

TEST(ShortcutOptions, TheMenuFolderOfANewAccountIsOfferedSinceTheInstallMakesIt)
{
    TempFolder temp;
    Globals globals;
    globals.ProgramsFolder = temp / "home/.local/share/applications";
    globals.DesktopFolder = temp / "home/Desktop";
    const ShortcutFrame menu = StartMenuOptions(globals);
    EXPECT_TRUE(menu.thisUserEnabled);
    EXPECT_EQ(menu.preselected, ShortcutChoice::ThisUser);
    EXPECT_FALSE(DesktopOptions(globals).thisUserEnabled) << "a desktop is the user's own to have";
}

TEST(SaveShortcutChoices, SetsAtMostOneFlagOfEachPair)
{
    Globals globals;
    SaveShortcutChoices(globals, ShortcutChoice::ThisUser, ShortcutChoice::AllUsers);
    EXPECT_FALSE(globals.StartMenuAllUsers);
    EXPECT_TRUE(globals.StartMenuThisUser);
    EXPECT_TRUE(globals.DesktopAllUsers);
    EXPECT_FALSE(globals.DesktopThisUser);
    SaveShortcutChoices(globals, ShortcutChoice::AllUsers, ShortcutChoice::None);
    EXPECT_TRUE(globals.StartMenuAllUsers);
    EXPECT_FALSE(globals.StartMenuThisUser);
    EXPECT_FALSE(globals.DesktopAllUsers);
    EXPECT_FALSE(globals.DesktopThisUser);
}

TEST(InstallPathAfterChange, AlwaysEndsInTheProductFolder)
{
    const struct
    {
        const char *typed;
        const char *after;
    } cases[] = {
        {"", ""},
        {"/opt/Stowlet", "/opt/Stowlet"},
        {"/opt/Stowle", "/opt/Stowle/Stowlet"},   // the last letter deleted
        {"/opt/stowlet", "/opt/stowlet/Stowlet"}, // the name compares case-sensitively
        {"/opt/STOWLET", "/opt/STOWLET/Stowlet"},
        {"/opt/", "/opt/Stowlet"},
        {"/", "/Stowlet"}, // a root folder
        {"/home/me/MyStowlet", "/home/me/MyStowlet"},
        {"/data/Stowlet tools", "/data/Stowlet tools/Stowlet"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(InstallPathAfterChange(native(c.typed)), native(c.after)) << c.typed;
        // Applied to its own result the rule changes nothing more.
        EXPECT_EQ(InstallPathAfterChange(native(c.after)), native(c.after)) << c.after;
    }
}

TEST(TrimSpaces, OnlyLeadingAndTrailingSpaces)
{
    EXPECT_EQ(TrimSpaces("  /my apps/Stowlet  "), "/my apps/Stowlet");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(""), "");
    EXPECT_EQ(TrimSpaces("\t/x\t"), "\t/x\t");
}

class AcceptInstallPathTest : public ::testing::Test
{
protected:
    bool accept(const std::string &typed) { return AcceptInstallPath(globals, desktop.services(), typed); }

    TempFolder temp;
    Globals globals;
    FakeDesktop desktop;
};

TEST_F(AcceptInstallPathTest, EmptyOrBlankAsksForAFolder)
{
    for (const char *typed : {"", "    "}) {
        desktop.messages.clear();
        EXPECT_FALSE(accept(typed));
        EXPECT_EQ(desktop.messages, std::vector<std::string>{"Please select an Installation Folder"});
        EXPECT_EQ(globals.InstallPath, "");
    }
}

TEST_F(AcceptInstallPathTest, CreatesAndRecordsTheMissingFoldersThenTakesThePath)
{
    EXPECT_TRUE(accept("  " + (temp / "My Apps/Stowlet") + Paths::separator() + " "));
    EXPECT_EQ(globals.InstallPath, temp / "My Apps/Stowlet");
    EXPECT_TRUE(fs::is_directory(temp / "My Apps/Stowlet"));
    EXPECT_EQ(globals.InstallList, (std::vector<std::string>{temp / "My Apps", temp / "My Apps/Stowlet"}));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.yields, 4);
}

TEST_F(AcceptInstallPathTest, AnExistingFolderIsTakenUnrecordedAskingFirstWhenItHoldsFilesOfItsOwn)
{
    struct Case
    {
        std::vector<std::string> content; // "name" a file, "name/" a folder
        bool asked;
        bool answer;
    };
    const Case cases[] = {
        {{}, false, false},
        {{"STOWLET-InstallLog.txt", "SpotData.txt", "DropOptions.txt.saving", "Thumbs.db"}, false, false},
        {{"notes.txt"}, true, true},
        {{"SpotData.txt", "album/"}, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.content.empty() ? "empty" : c.content.back());
        TempFolder parent;
        const std::string folder = parent.makeFolder("Stowlet");
        for (const std::string &entry : c.content)
            entry.back() == '/' ? (void)parent.makeFolder("Stowlet/" + entry)
                                : (void)parent.writeFile("Stowlet/" + entry, "x");
        globals = Globals();
        desktop.questions.clear();
        desktop.answers = {c.answer};

        EXPECT_EQ(accept(folder), !c.asked || c.answer);

        EXPECT_EQ(desktop.questions,
                  c.asked ? std::vector<std::string>{ForeignFilesQuestion(folder)} : std::vector<std::string>{});
        EXPECT_EQ(globals.InstallList, std::vector<std::string>{""});
    }
    EXPECT_EQ(ForeignFilesQuestion("/opt/Stowlet"),
              "The folder /opt/Stowlet already holds files that are not part of Stowlet.\rThey will stay where they "
              "are: neither the install nor a later uninstall removes them.\r\rInstall Stowlet into this folder?");
}

TEST_F(AcceptInstallPathTest, AFolderBelowAFileCannotBeCreated)
{
    temp.writeFile("a file", "x");
    const std::string path = temp / "a file/Stowlet";
    EXPECT_FALSE(accept(path + "  "));
    EXPECT_EQ(desktop.messages,
              std::vector<std::string>{"The folder " + path + " could not be created.\rPlease select another folder"});
    EXPECT_EQ(globals.InstallPath, "");
}

TEST_F(AcceptInstallPathTest, FoldersMadeOnTheWayStayRecordedWhenADeeperOneCannotBe)
{
    // No file system takes a folder name this long.
    const std::string path = Paths::join(Paths::join(temp / "Apps", std::string(300, 'n')), "Stowlet");
    EXPECT_FALSE(accept(path));
    EXPECT_EQ(desktop.messages, std::vector<std::string>{FolderNotCreatedMessage(path)});
    EXPECT_TRUE(fs::is_directory(temp / "Apps"));
    EXPECT_EQ(globals.InstallList, std::vector<std::string>{temp / "Apps"});
}

TEST_F(AcceptInstallPathTest, ARelativePathIsNeverCreated)
{
    const fs::path before = fs::current_path();
    fs::current_path(temp.path());
    const bool accepted = accept(native("Apps/Stowlet"));
    const bool created = fs::exists(temp / "Apps");
    fs::current_path(before);
    EXPECT_FALSE(accepted);
    EXPECT_FALSE(created);
    EXPECT_EQ(desktop.messages, std::vector<std::string>{FolderNotCreatedMessage(native("Apps/Stowlet"))});
}

TEST(DriveOfPath, TheDeepestRootHoldingThePath)
{
    // Rooted as this system roots paths: "/" here, a drive such as "C:\\" elsewhere.
    const std::string top = fs::temp_directory_path().root_path().string();
    const auto at = [&top](const std::string &below) { return top + native(below); };
    const std::vector<std::string> roots{top, at("work"), at("work/data/"), at("mnt/usb")};
    EXPECT_EQ(DriveOfPath(at("opt/Stowlet"), roots), top);
    EXPECT_EQ(DriveOfPath(at("work/Stowlet"), roots), at("work"));
    EXPECT_EQ(DriveOfPath(at("work/data/x/Stowlet"), roots), at("work/data/"));
    EXPECT_EQ(DriveOfPath(at("workshop/Stowlet"), roots), top) << "whole names, not prefixes";
    EXPECT_EQ(DriveOfPath(at("mnt/usb"), roots), at("mnt/usb"));
    EXPECT_EQ(DriveOfPath(native("relative/Stowlet"), roots), "");
    EXPECT_EQ(DriveOfPath(at("opt"), {at("mnt/usb")}), "");
}

TEST(TestWriteRights, AWritableFolderLeavesNoTrace)
{
    TempFolder temp;
    FakeDesktop desktop;
    EXPECT_TRUE(TestWriteRights(desktop.services(), temp.str()));
    EXPECT_TRUE(fs::is_empty(temp.path()));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.yields, 8);
}

TEST(TestWriteRights, AFolderStandingInTheTestFilesPlaceFailsAndIsKept)
{
    TempFolder temp;
    temp.makeFolder("testrights.txt");
    FakeDesktop desktop;
    EXPECT_FALSE(TestWriteRights(desktop.services(), temp.str()));
    EXPECT_TRUE(fs::is_directory(temp / "testrights.txt"));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0], InvalidInstallationMessage());
}

TEST(TestWriteRights, AMissingFolderFails)
{
    TempFolder temp;
    FakeDesktop desktop;
    EXPECT_FALSE(TestWriteRights(desktop.services(), temp / "gone"));
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST(TestWriteRights, TheMessageReadsAsItAlwaysHas)
{
    EXPECT_EQ(InvalidInstallationMessage(),
              "Invalid Installation Scenerio.\r\rIf you are attempting to perform this installation from a CD or "
              "other write-protected drive, please move the installation package to the root folder of the "
              "computer.  This is usually the C:\\\r\rIf the package is already on the local drive, make sure your "
              "computer administrator has given you rights to create, edit, and delete files, as well as install "
              "programs and register .dll and .ocx files");
}
