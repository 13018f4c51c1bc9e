// Faults a user meets: a full disk or a folder without write rights while dropping, a
// program folder only the administrator may change. Each runs the real code in a child
// process under the matching limit.

#include "tests/support/childprocess.h"
#include "tests/support/toolbarfixture.h"
#include "toolbar/core/dropflow.h"
#include "toolbar/core/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace toolbar;

namespace fs = std::filesystem;

namespace {

class DropFaults : public ToolbarFixture
{
protected:
    // Drops the files in a child under the limits; returns the messages it saw.
    ChildResult dropInChild(const ChildLimits &limits, const std::vector<std::string> &files)
    {
        return runInChild(limits, [&] {
            DropPayload payload;
            payload.status = DropPayload::Status::Files;
            for (const std::string &file : files)
                payload.items.push_back(DroppedItem::localFile(file));
            HandleDrop(app, 0, globals.DropSpots[0].FolderPath, payload);
            std::string report;
            for (const std::string &message : desktop.messages)
                report += message + "\n--\n";
            return report;
        });
    }
    std::vector<std::string> folderEntries()
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(globals.DropSpots[0].FolderPath))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(DropFaults, FullDiskKeepsTheReplacedFileAndLeavesNoPartialFile)
{
    setSpots({"spot"});
    fs::permissions(temp.path(), fs::perms::all, fs::perm_options::add);
    temp.writeFile("spot/Flower-001.jpg", "the old picture");
    const std::string big = temp.writeFile("src/big.jpg", std::string(256 * 1024, 'b'));
    const std::string small = temp.writeFile("src/small.png", "tiny");
    desktop.answers = {true};

    const ChildResult child = dropInChild({64 * 1024, false}, {big, small});
    ASSERT_TRUE(child.ranToEnd) << "the program must survive a full disk";
    EXPECT_EQ(child.report.rfind("ERROR COPYING FILE\r" + globals.DropSpots[0].FolderPath + "/Flower-001.jpg\r", 0), 0u)
        << child.report;
    EXPECT_EQ(readFile(globals.DropSpots[0].FolderPath + "/Flower-001.jpg"), "the old picture");
    EXPECT_EQ(readFile(globals.DropSpots[0].FolderPath + "/Flower-002.png"), "tiny");
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"Flower-001.jpg", "Flower-002.png"}));
}

TEST_F(DropFaults, ReadOnlyFolderIsReportedAndNothingWritten)
{
    setSpots({"spot"});
    const std::string source = temp.writeFile("src/a.jpg", "picture");
    // The child may run as "nobody": it must reach the source and the folder.
    fs::permissions(temp.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(temp.path() / "src", fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(source, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    fs::permissions(globals.DropSpots[0].FolderPath,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);

    const ChildResult child = dropInChild({-1, true}, {source});
    fs::permissions(globals.DropSpots[0].FolderPath, fs::perms::owner_all);
    ASSERT_TRUE(child.ranToEnd);
    EXPECT_EQ(child.report.rfind("ERROR COPYING FILE\r" + globals.DropSpots[0].FolderPath + "/Flower-001.jpg\r", 0), 0u)
        << child.report;
    EXPECT_NE(child.report.find("ermission denied"), std::string::npos) << child.report;
    EXPECT_TRUE(folderEntries().empty());
}

class NoWindows final : public StartupWindows
{
public:
    void showHelp() override {}
    void showToolbar() override {}
};

TEST_F(DropFaults, UserOfASystemWideInstallKeepsSpotsAndOptionsInTheirOwnFolder)
{
    // Set up beside the program by the administrator; the program's folder is read-only.
    const std::string program = temp.makeFolder("opt/Stowlet");
    const std::string shared = temp.makeFolder("shared pictures");
    const std::string own = temp.makeFolder("own pictures");
    temp.writeFile("opt/Stowlet/SpotData.txt", shared + "|65280\r\n");
    temp.writeFile("opt/Stowlet/DropOptions.txt", "SOUNDS|FALSE\r\nMAX_RANDOM_LENGTH|4\r\nSPOT_SIZE|700\r\n");
    fs::permissions(temp.path(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(program,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    if (geteuid() == 0) {
        // The child runs as "nobody": the home is theirs.
        ASSERT_EQ(chown((temp / "home").c_str(), 65534, 65534), 0);
        ASSERT_EQ(chown(desktop.folders[Csidl::AppData].c_str(), 65534, 65534), 0);
    }

    const ChildResult child = runInChild({-1, true}, [&] {
        NoWindows windows;
        Main(app, windows, program);
        std::string report = globals.DropSpots[0].Color + " " + std::to_string(globals.options.SpotSize) + "\n";
        globals.options.Sounds = true;
        report += SaveOptions(app) && SaveSpotRows(app, {{own, 16711680}}) ? "saved\n" : "not saved\n";
        globals = Globals{};
        Main(app, windows, program);
        return report + globals.DropSpots[0].FolderPath + " " + (globals.options.Sounds ? "sounds" : "quiet");
    });
    fs::permissions(program, fs::perms::owner_all);
    ASSERT_TRUE(child.ranToEnd);
    // Started from the administrator's copies, saved in the user's folder, read back from there.
    EXPECT_EQ(child.report, "65280 700\nsaved\n" + own + " sounds") << child.report;
    const std::string userFolder = desktop.folders[Csidl::AppData] + "/Stowlet/";
    EXPECT_EQ(readFile(userFolder + "SpotData.txt"), own + "|16711680\r\n");
    EXPECT_NE(readFile(userFolder + "DropOptions.txt").find("SOUNDS|TRUE\r\nMAX_RANDOM_LENGTH|4\r\nSPOT_SIZE|700\r\n"),
              std::string::npos);
    EXPECT_EQ(folderNames(program), (std::vector<std::string>{"DropOptions.txt", "SpotData.txt"}));
    EXPECT_EQ(readFile(program + "/SpotData.txt"), shared + "|65280\r\n");
}

} // namespace
