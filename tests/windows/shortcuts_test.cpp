#include "desktop/paths.h"
#include "desktop/shellprocedures.h"
#include "desktop/windows/shelllinkwriter.h"
#include "desktop/windows/windowsdesktop.h"
#include "tests/support/tempfolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ShellLinks : public ::testing::Test
{
protected:
    ShellLinks()
    {
        folder = temp.makeFolder("My Stowlet");
        target = temp.writeFile("My Stowlet/Stowlet.exe", "MZ");
    }
    TempFolder temp;
    WindowsDesktop windows{"Stowlet"};
    std::string folder;
    std::string target;
};

TEST_F(ShellLinks, WrittenAndReadBackWithEveryProperty)
{
    const std::string link = temp / "Uninstall Stowlet.lnk";
    ASSERT_TRUE(MakeShortcut(windows.services(), link, "Uninstaller", target, WindowStyle::Normal,
                             folder + "\\Skull.ico", folder));
    const auto read = ShellLinkWriter::readShortcut(link);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->description, "Uninstaller");
    EXPECT_EQ(read->targetPath, target);
    EXPECT_EQ(read->workingDirectory, folder);
    EXPECT_EQ(read->iconLocation, folder + "\\Skull.ico,0");
    EXPECT_EQ(read->windowStyle, WindowStyle::Normal);
    EXPECT_EQ(ShellLinkWriter::showCommandInFile(link), SW_SHOWNORMAL);
}

TEST_F(ShellLinks, DefaultsAreMaximisedTheTargetsIconAndTheTargetAsFolder)
{
    ASSERT_TRUE(MakeShortcut(windows.services(), temp / "Tool", "A tool", target));
    const std::string link = temp / "Tool.lnk";
    ASSERT_TRUE(fs::exists(link)) << "\".lnk\" is appended to a link path without it";
    const auto read = ShellLinkWriter::readShortcut(link);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(ShellLinkWriter::showCommandInFile(link), SW_SHOWMAXIMIZED);
    EXPECT_EQ(read->iconLocation, target + ",1");
    EXPECT_EQ(read->workingDirectory, target);
}

TEST_F(ShellLinks, AnExistingLinkIsOverwritten)
{
    const std::string link = temp / "Stowlet.lnk";
    ASSERT_TRUE(MakeShortcut(windows.services(), link, "first", target));
    ASSERT_TRUE(MakeShortcut(windows.services(), link, "second", target, WindowStyle::Minimized));
    const auto read = ShellLinkWriter::readShortcut(link);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->description, "second");
    // A link has no plain "minimised": it opens minimised without taking the focus.
    EXPECT_EQ(ShellLinkWriter::showCommandInFile(link), SW_SHOWMINNOACTIVE);
}

TEST_F(ShellLinks, UrlAndLnkLinkPathsAreKeptAsTheyAre)
{
    EXPECT_EQ(ShortcutLinkPath("C:\\x\\Site.URL"), "C:\\x\\Site.URL");
    EXPECT_EQ(ShortcutLinkPath("C:\\x\\Tool.LnK"), "C:\\x\\Tool.LnK");
    EXPECT_EQ(ShortcutLinkPath("C:\\x\\Tool"), "C:\\x\\Tool.lnk");
    EXPECT_EQ(ShortcutLinkPath("C:\\x\\Tool.txt"), "C:\\x\\Tool.txt.lnk");
}

TEST_F(ShellLinks, UnwritableFolderGivesFalseAndNoFile)
{
    EXPECT_FALSE(MakeShortcut(windows.services(), temp / "missing\\Tool.lnk", "x", target));
    EXPECT_FALSE(fs::exists(temp / "missing"));
    EXPECT_FALSE(ShellLinkWriter::readShortcut(temp.writeFile("plain.lnk", "not a link")).has_value());
    EXPECT_EQ(ShellLinkWriter::showCommandInFile(temp / "plain.lnk"), -1);
}

TEST_F(ShellLinks, AutoStartShortcutGoesToTheStartupFolderOnce)
{
    const std::string link = AutoStartShortcutPath(windows.services());
    ASSERT_FALSE(link.empty());
    EXPECT_EQ(Paths::fileName(link), "Stowlet.lnk");
    std::error_code ignored;
    fs::remove(link, ignored);
    CreateAutoStartShortcut(windows.services(), folder);
    const auto read = ShellLinkWriter::readShortcut(link);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->targetPath, windows.shell().executablePath());
    EXPECT_EQ(read->workingDirectory, folder);
    RemoveAutoStartShortcut(windows.services());
    EXPECT_FALSE(fs::exists(link));
}

TEST(IconLocation, SplitsAnIndexOffOnlyWhenThereIsOne)
{
    using Split = std::pair<std::string, int>;
    EXPECT_EQ(ShellLinkWriter::splitIconLocation("C:\\s\\Stowlet.exe,1"), Split("C:\\s\\Stowlet.exe", 1));
    EXPECT_EQ(ShellLinkWriter::splitIconLocation("C:\\s\\Drop.ico"), Split("C:\\s\\Drop.ico", 0));
    EXPECT_EQ(ShellLinkWriter::splitIconLocation("C:\\a,b\\Drop.ico"), Split("C:\\a,b\\Drop.ico", 0));
    EXPECT_EQ(ShellLinkWriter::splitIconLocation("C:\\s\\x.dll,"), Split("C:\\s\\x.dll,", 0));
}

} // namespace
