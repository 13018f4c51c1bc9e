#include "tests/support/tempfolder.h"
#include "uninstaller/core/installlog.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace uninstall;

namespace fs = std::filesystem;

namespace {

TEST(InstallLogTest, LinesAreKindedByTheDotUnlessTheDiskSaysOtherwise)
{
    TempFolder root;
    const std::string dottedFolder = root.makeFolder(".local/share/applications/Stowlet");
    const std::string plainFile = root.writeFile("Apps/Stowlet/Stowlet", "program");
    struct Case
    {
        std::string line;
        LogLineKind kind;
    };
    const Case cases[] = {
        {"INSTALLPATH=/opt/Stowlet", LogLineKind::InstallPath},
        {"INSTALLPATH=", LogLineKind::InstallPath},
        {"installpath=/opt/Stowlet.1", LogLineKind::File}, // letter case counts
        {" INSTALLPATH=/opt/Stowlet", LogLineKind::Folder},
        {"", LogLineKind::Empty},
        {"/opt/Stowlet/Drop.png", LogLineKind::File},
        {"/opt/Stowlet/Desktop.LNK", LogLineKind::File},
        {"/opt/Stowlet", LogLineKind::Folder},
        {"/opt/Stowlet/Stowlet", LogLineKind::Folder}, // gone already: only the dot test is left
        {"   ", LogLineKind::Folder},
        {dottedFolder, LogLineKind::Folder}, // a created folder below ".local"
        {plainFile, LogLineKind::File},      // a program file without extension
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClassifyLogLine(c.line), c.kind) << "'" << c.line << "'";
}

TEST(InstallLogTest, InstallPathTextKeepsItsSpacesUntilTrimmedForTheFolder)
{
    EXPECT_EQ(InstallPathOf("INSTALLPATH=  /opt/My Apps/Stowlet "), "  /opt/My Apps/Stowlet ");
    EXPECT_EQ(InstallPathOf("INSTALLPATH=/a/INSTALLPATH=b"), "/a/b") << "every occurrence goes";
    EXPECT_EQ(InstallFolderOf("INSTALLPATH=  /opt/My Apps/Stowlet "), "/opt/My Apps/Stowlet");
    EXPECT_EQ(InstallFolderOf("INSTALLPATH=   "), "");
    EXPECT_TRUE(IsInstallPathLine("INSTALLPATH=/x"));
    EXPECT_FALSE(IsInstallPathLine("INSTALLPATH"));
}

TEST(InstallLogTest, ReadsCrLfAndLfLinesUnchangedWithoutALastLineEnd)
{
    TempFolder root;
    const std::string log = root.writeFile("log.txt", "INSTALLPATH= /a b \r\n\r\n/a b/c.txt\n  x  \r\n/last");
    std::vector<std::string> lines;

    EXPECT_TRUE(ReadInstallLog(log, [&](const std::string &line) { lines.push_back(line); }));

    EXPECT_EQ(lines, (std::vector<std::string>{"INSTALLPATH= /a b ", "", "/a b/c.txt", "  x  ", "/last"}));
}

TEST(InstallLogTest, UnreadableLogGivesNoLines)
{
    TempFolder root;
    int calls = 0;
    EXPECT_FALSE(ReadInstallLog(root / "missing.txt", [&](const std::string &) { ++calls; }));
    EXPECT_FALSE(ReadInstallLog(root.str(), [&](const std::string &) { ++calls; }));
    EXPECT_EQ(calls, 0);
}

TEST(InstallLogTest, InstallFolderFromTheFirstInstallPathLine)
{
    TempFolder root;
    EXPECT_EQ(InstallFolderFromLog(root.writeFile("a.txt", "INSTALLPATH= /opt/Stowlet \r\n/opt/Stowlet/x.png\r\n")),
              "/opt/Stowlet");
    EXPECT_EQ(InstallFolderFromLog(root.writeFile("b.txt", "/opt/Stowlet/x.png\r\n")), "");
    EXPECT_EQ(InstallFolderFromLog(root / "missing.txt"), "");
}

} // namespace
