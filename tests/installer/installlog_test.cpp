#include "desktop/platformnames.h"
#include "desktop/textfile.h"
#include "installer/core/installlog.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

#include <filesystem>

using namespace setup;

namespace {

using Lines = std::vector<std::string>;

// This platform's shortcut extension, and the same in capitals and capitalised.
const std::string lnk = PlatformNames::shortcutExtensions().front();
std::string changedCase(std::string text, bool all)
{
    for (std::size_t n = 1; n < text.size() && (all || n == 1); ++n)
        text[n] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[n])));
    return text;
}

TEST(InstallList, FirstEntryTakesThePlaceOfTheEmptyOneLaterOnesAreAppended)
{
    Globals globals;
    ASSERT_EQ(globals.InstallList, Lines{""});
    AddToInstallList(globals, "/opt/Stowlet");
    EXPECT_EQ(globals.InstallList, Lines{"/opt/Stowlet"});
    AddToInstallList(globals, "/opt/Stowlet/Drop.png");
    AddToInstallList(globals, "/opt/Stowlet");
    EXPECT_EQ(globals.InstallList, (Lines{"/opt/Stowlet", "/opt/Stowlet/Drop.png", "/opt/Stowlet"}));

    Globals emptied;
    emptied.InstallList.clear();
    AddToInstallList(emptied, "/a.b");
    EXPECT_EQ(emptied.InstallList, Lines{"/a.b"});
}

struct GroupCase
{
    const char *name;
    Lines recorded;
    Lines expected; // after the INSTALLPATH line
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const GroupCase &c, std::ostream *out)
{
    *out << c.name;
}

class LogGroups : public ::testing::TestWithParam<GroupCase>
{
};

TEST_P(LogGroups, FilesThenShortcutsThenFoldersEachInRecordingOrder)
{
    const GroupCase &c = GetParam();
    Lines expected{"INSTALLPATH=/opt/Stowlet"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(InstallLogLines("/opt/Stowlet", c.recorded), expected);
}

const Lines eightFiles{"/opt/Stowlet/Stowlet.bin",     "/opt/Stowlet/Drop.png",       "/opt/Stowlet/Uninstaller.bin",
                       "/opt/Stowlet/Skull.png",       "/opt/Stowlet/Warning.wav",    "/opt/Stowlet/CopyFailed.wav",
                       "/opt/Stowlet/CopySuccess.wav", "/opt/Stowlet/NewBaseName.wav"};

Lines concat(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// An install into a created folder inside an existing program-files folder, with the
// Start-menu shortcuts in a created program group and a desktop shortcut, records:
// the installation folder, the eight files, the group folder, two shortcuts in it, and
// the desktop shortcut. Its log has 1 + 8 + 3 + 2 lines.
const Lines exampleRecorded =
    concat({{"/opt/Stowlet"},
            eightFiles,
            {"/home/u/menu/Stowlet", "/home/u/menu/Stowlet/Stowlet" + lnk,
             "/home/u/menu/Stowlet/Uninstall Stowlet" + lnk, "/home/u/Desktop/Stowlet" + lnk}});
const Lines exampleLog = concat({eightFiles,
                                 {"/home/u/menu/Stowlet/Stowlet" + lnk, "/home/u/menu/Stowlet/Uninstall Stowlet" + lnk,
                                  "/home/u/Desktop/Stowlet" + lnk},
                                 {"/opt/Stowlet", "/home/u/menu/Stowlet"}});

INSTANTIATE_TEST_SUITE_P(
    Cases, LogGroups,
    ::testing::Values(
        GroupCase{"CreatedFolderProgramGroupAndDesktop", exampleRecorded, exampleLog},
        GroupCase{"ExistingFolderNoShortcutsGivesTheEightFilesOnly", eightFiles, eightFiles},
        GroupCase{"NothingRecorded", Lines{""}, Lines{}},
        GroupCase{"EmptyEntriesAreNeverWritten", Lines{"", "/a/b.txt", "", "/a/c"}, Lines{"/a/b.txt", "/a/c"}},
        // Kinds are told apart by the dot alone: a created folder with a dot in its name
        // goes with the files, and an extensionless file with the folders.
        GroupCase{"DottedFolderGoesWithTheFiles", Lines{"/opt/Stowlet 1.5", "/opt/Stowlet 1.5/Drop.png", "/opt/x"},
                  Lines{"/opt/Stowlet 1.5", "/opt/Stowlet 1.5/Drop.png", "/opt/x"}},
        GroupCase{"FileWithoutExtensionGoesWithTheFolders", Lines{"/opt/S/Stowlet", "/opt/S/Drop.png", "/opt/S"},
                  Lines{"/opt/S/Drop.png", "/opt/S/Stowlet", "/opt/S"}},
        // The shortcut extension counts anywhere in the path and in any letter case.
        GroupCase{"ShortcutExtensionInAnyCaseAnywhere",
                  Lines{"/m/A" + changedCase(lnk, true), "/m/f.txt", "/m/x" + changedCase(lnk, false) + "-old/Drop.png",
                        "/m/B" + lnk},
                  Lines{"/m/f.txt", "/m/A" + changedCase(lnk, true), "/m/x" + changedCase(lnk, false) + "-old/Drop.png",
                        "/m/B" + lnk}},
        GroupCase{"FoldersKeepTheirOrderOutermostFirst",
                  Lines{"/a", "/a/b", "/a/b/c.png", "/m", "/m/S", "/m/S/S" + lnk},
                  Lines{"/a/b/c.png", "/m/S/S" + lnk, "/a", "/a/b", "/m", "/m/S"}}),
    [](const ::testing::TestParamInfo<GroupCase> &info) { return std::string(info.param.name); });

class InstallLogFile : public ::testing::Test
{
protected:
    InstallLogFile()
    {
        globals.InstallPath = temp.makeFolder("Stowlet");
        for (const std::string &entry : Lines{globals.InstallPath, globals.InstallPath + "/Drop.png"})
            AddToInstallList(globals, entry);
    }
    std::string logPath() const { return globals.InstallPath + "/STOWLET-InstallLog.txt"; }

    TempFolder temp;
    Globals globals;
};

TEST_F(InstallLogFile, EveryLineEndsInCrLfTheLastOneToo)
{
    WriteInstallLog(globals);
    EXPECT_EQ(readFile(logPath()), "INSTALLPATH=" + globals.InstallPath + "\r\n" + globals.InstallPath +
                                       "/Drop.png\r\n" + globals.InstallPath + "\r\n");
}

TEST_F(InstallLogFile, AReinstallReplacesTheOldLogCompletely)
{
    WriteInstallLog(globals);
    Globals second;
    second.InstallPath = globals.InstallPath;
    AddToInstallList(second, second.InstallPath + "/Skull.png");
    WriteInstallLog(second);
    EXPECT_EQ(TextFile::readLines(logPath()),
              (Lines{"INSTALLPATH=" + second.InstallPath, second.InstallPath + "/Skull.png"}));
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(globals.InstallPath), std::filesystem::directory_iterator()),
        1)
        << "no temporary file may be left beside the log";
}

TEST_F(InstallLogFile, AMissingInstallationFolderGivesNoLogAndNoError)
{
    globals.InstallPath = temp / "gone";
    WriteInstallLog(globals);
    EXPECT_FALSE(std::filesystem::exists(globals.InstallPath));
}

TEST_F(InstallLogFile, ALogThatCannotBeWrittenLeavesNoOldLogBehind)
{
    temp.writeFile("Stowlet/STOWLET-InstallLog.txt", "INSTALLPATH=of another install\r\n");
    // A folder where the temporary file goes makes the write fail.
    temp.makeFolder("Stowlet/STOWLET-InstallLog.txt.saving");
    WriteInstallLog(globals);
    EXPECT_FALSE(std::filesystem::exists(logPath()));
}

} // namespace
