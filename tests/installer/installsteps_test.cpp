#include "installer/core/installlog.h"
#include "tests/installer/setupfixture.h"

#include <ostream>

#include <filesystem>

using namespace setup;

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

struct IconCase
{
    const char *name;
    bool startAll, startThis, desktopAll, desktopThis;
    // With "<common>", "<programs>", "<commondesktop>", "<desktop>" for the folders, "/"
    // between the parts and ".desktop" for the platform's shortcut extension.
    Lines recorded;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const IconCase &c, std::ostream *out)
{
    *out << c.name;
}

class CreateIconsCases : public SetupFixture, public ::testing::WithParamInterface<IconCase>
{
protected:
    std::string expand(const std::string &text) const
    {
        const std::pair<std::string, std::string> folders[] = {{"<common>", globals.CommonProgramsFolder},
                                                               {"<programs>", globals.ProgramsFolder},
                                                               {"<commondesktop>", globals.CommonDesktopFolder},
                                                               {"<desktop>", globals.DesktopFolder}};
        for (const auto &[key, folder] : folders) {
            if (text.rfind(key, 0) != 0)
                continue;
            std::string rest = text.substr(key.size() + 1);
            const std::string written = ".desktop";
            if (rest.ends_with(written))
                rest = link(rest.substr(0, rest.size() - written.size()));
            return in(folder, rest);
        }
        return text;
    }
};

TEST_P(CreateIconsCases, MakesTheChosenShortcutsAndRecordsThemInOrder)
{
    const IconCase &c = GetParam();
    globals.CommonProgramsFolder = temp.makeFolder("common/applications");
    globals.CommonDesktopFolder = temp.makeFolder("common/Desktop");
    globals.StartMenuAllUsers = c.startAll;
    globals.StartMenuThisUser = c.startThis;
    globals.DesktopAllUsers = c.desktopAll;
    globals.DesktopThisUser = c.desktopThis;
    placeProgramFiles();
    CreateIcons(install);

    Lines expected;
    for (const std::string &entry : c.recorded)
        expected.push_back(expand(entry));
    if (expected.empty())
        expected.push_back("");
    EXPECT_EQ(globals.InstallList, expected);
    for (const std::string &entry : expected) {
        if (!entry.empty()) {
            EXPECT_TRUE(fs::exists(entry)) << entry;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreateIconsCases,
    ::testing::Values(IconCase{"None", false, false, false, false, {}},
                      IconCase{"StartMenuThisUserAndDesktopAllUsers",
                               false,
                               true,
                               true,
                               false,
                               {"<programs>/Stowlet", "<programs>/Stowlet/Stowlet.desktop",
                                "<programs>/Stowlet/Uninstall Stowlet.desktop", "<commondesktop>/Stowlet.desktop"}},
                      IconCase{"StartMenuAllUsersAndDesktopThisUser",
                               true,
                               false,
                               false,
                               true,
                               {"<common>/Stowlet", "<common>/Stowlet/Stowlet.desktop",
                                "<common>/Stowlet/Uninstall Stowlet.desktop", "<desktop>/Stowlet.desktop"}},
                      IconCase{
                          "DesktopOnlyHasNoUninstaller", false, false, false, true, {"<desktop>/Stowlet.desktop"}}),
    [](const ::testing::TestParamInfo<IconCase> &info) { return std::string(info.param.name); });

TEST_F(SetupFixture, AnExistingProgramGroupIsNotRecorded)
{
    temp.makeFolder("applications/Stowlet");
    globals.StartMenuThisUser = true;
    placeProgramFiles();
    CreateIcons(install);
    EXPECT_EQ(globals.InstallList, (Lines{in(globals.ProgramsFolder, "Stowlet/" + link("Stowlet")),
                                          in(globals.ProgramsFolder, "Stowlet/" + link("Uninstall Stowlet"))}));
}

TEST_F(SetupFixture, AChoiceWhoseFolderTheDesktopLacksMakesNothing)
{
    globals.DesktopAllUsers = true; // no all-users desktop here
    globals.StartMenuAllUsers = true;
    CreateIcons(install);
    EXPECT_TRUE(desktop.shortcutsWritten.empty());
    EXPECT_EQ(globals.InstallList, Lines{""});
}

TEST_F(SetupFixture, AShortcutThatCannotBeMadeIsStillRecorded)
{
    desktop.shortcutsSucceed = false;
    temp.writeFile("blocked", "a file where the folder should be");
    FormatAndCreateIcon(install, temp / "blocked/Stowlet", "Stowlet.desktop", "Stowlet", "Stowlet", "Drop.png");
    FormatAndCreateIcon(install, globals.DesktopFolder, "Stowlet.desktop", "Stowlet", "Stowlet", "Drop.png");
    EXPECT_EQ(desktop.shortcutsWritten.size(), 2u) << "each shortcut is attempted";
    EXPECT_EQ(globals.InstallList,
              (Lines{temp / "blocked/Stowlet/Stowlet.desktop", in(globals.DesktopFolder, "Stowlet.desktop")}));
}

TEST_F(SetupFixture, CopyFilesRecordsEveryPathInPackageOrderCopiedOrNot)
{
    fs::create_directories(globals.InstallPath);
    fs::remove(temp / ("package/Support/" + icon("Drop")));
    CopyFiles(install);
    Lines expected;
    for (const std::string &name :
         {program("Stowlet"), icon("Drop"), program("StowletUninstaller"), icon("Skull"), std::string("Warning.wav"),
          std::string("CopyFailed.wav"), std::string("CopySuccess.wav"), std::string("NewBaseName.wav")})
        expected.push_back(installed(name));
    EXPECT_EQ(globals.InstallList, expected);
    EXPECT_EQ(install.failedCopies, Lines{icon("Drop")});
    EXPECT_EQ(FilesNotInstalled(install), Lines{icon("Drop")});
}

class RegisterDllsTest : public SetupFixture
{
protected:
    RegisterDllsTest()
    {
        globals.SystemFolder = temp.makeFolder("system");
        components.engine = {"GRID.ocx", "DIALOGS.OCX"};
    }
    Lines registered() const
    {
        Lines paths;
        for (const auto &started : desktop.started)
            paths.push_back(started.program + " " + started.arguments.at(0) + " " + started.arguments.at(1));
        return paths;
    }
};

TEST_F(RegisterDllsTest, CopiesAndRegistersEachComponentTheSystemLacks)
{
    temp.writeFile("package/Support/GRID.ocx", "grid");
    temp.writeFile("package/Support/DIALOGS.OCX", "dialogs");
    RegisterDlls(install);
    EXPECT_EQ(readFile(temp / "system/GRID.ocx"), "grid");
    EXPECT_EQ(readFile(temp / "system/DIALOGS.OCX"), "dialogs");
    EXPECT_EQ(registered(),
              (Lines{"regsvr32 /s " + temp / "system/GRID.ocx", "regsvr32 /s " + temp / "system/DIALOGS.OCX"}));
    EXPECT_EQ(globals.InstallList, Lines{""});
}

TEST_F(RegisterDllsTest, PresentComponentsAreNeitherReplacedNorRegistered)
{
    temp.writeFile("system/GRID.ocx", "system grid");
    temp.writeFile("system/DIALOGS.OCX", "system dialogs");
    temp.writeFile("package/Support/GRID.ocx", "grid");
    RegisterDlls(install);
    EXPECT_EQ(readFile(temp / "system/GRID.ocx"), "system grid");
    EXPECT_TRUE(desktop.started.empty());
}

TEST_F(RegisterDllsTest, StopsAtTheFirstComponentThatCannotBeCopied)
{
    temp.writeFile("package/Support/DIALOGS.OCX", "dialogs");
    RegisterDlls(install);
    EXPECT_FALSE(fs::exists(temp / "system/DIALOGS.OCX"));
    EXPECT_TRUE(desktop.started.empty());
}

TEST_F(RegisterDllsTest, AnEmptyListDoesNothing)
{
    components.engine.clear();
    RegisterDlls(install);
    EXPECT_TRUE(desktop.started.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(globals.SystemFolder), fs::directory_iterator()), 0);
}

} // namespace
