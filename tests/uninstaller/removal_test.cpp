#include "desktop/paths.h"
#include "tests/uninstaller/uninstallfixture.h"
#include "uninstaller/core/installlog.h"
#include "uninstaller/core/protectedfolders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

using namespace uninstall;

namespace fs = std::filesystem;

namespace {

using RemovalTest = UninstallTest;

TEST_F(RemovalTest, ReadOnlyFileIsRemoved)
{
    const std::string file = root.writeFile("loose/readonly.txt", "x");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read, fs::perm_options::replace);

    RemoveFile(context, file);

    EXPECT_FALSE(exists(file));
}

TEST_F(RemovalTest, RemoveFileLeavesFoldersAndMissingPathsAlone)
{
    const std::string folder = root.makeFolder("a.folder");
    root.writeFile("a.folder/inside.txt", "x");
    const std::vector<std::string> before = folderNames(root.str());
    RemoveFile(context, folder);
    RemoveFile(context, root / "missing.txt");

    EXPECT_EQ(folderNames(root.str()), before) << "nothing there, nothing done";
    EXPECT_EQ(folderNames(folder), std::vector<std::string>{"inside.txt"});
}

TEST_F(RemovalTest, LinkIsRemovedWithoutTouchingItsTarget)
{
    const std::string target = root.writeFile("elsewhere/kept.txt", "keep me");
    fs::permissions(target, fs::perms::owner_read, fs::perm_options::replace);
    const std::string link = root / "link.txt";
    std::error_code ec;
    fs::create_symlink(target, link, ec);
    if (ec)
        GTEST_SKIP() << "no links here: " << ec.message();

    RemoveFile(context, link);

    EXPECT_FALSE(exists(link));
    EXPECT_EQ(readFile(target), "keep me");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read)
        << "a link in the log must not make its target writable";
}

TEST_F(RemovalTest, RemoveFolderTakesFilesReadOnlySubfoldersAndHiddenFiles)
{
    const std::string folder = root.makeFolder("old install");
    root.writeFile("old install/a.txt", "a");
    root.writeFile("old install/.hidden", "h");
    root.writeFile("old install/sub/deep/b.txt", "b");
    fs::permissions(root / "old install/sub", fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);

    RemoveFolder(context, folder);

    EXPECT_FALSE(exists(folder));
    EXPECT_EQ(wait.waits, std::vector<std::int32_t>{100});
}

TEST_F(RemovalTest, RemoveFolderRemovesALinkToAFolderButNotWhatItPointsAt)
{
    const std::string target = root.makeFolder("real");
    root.writeFile("real/keep.txt", "k");
    const std::string link = root / "linked";
    std::error_code ec;
    fs::create_directory_symlink(target, link, ec);
    if (ec)
        GTEST_SKIP() << "no folder links here: " << ec.message();

    RemoveFolder(context, link);

    EXPECT_FALSE(exists(link));
    EXPECT_EQ(readFile(root / "real/keep.txt"), "k");
}

TEST_F(RemovalTest, FolderEmptinessIgnoresOnlyThumbsDb)
{
    struct Case
    {
        const char *name;
        std::vector<std::string> content; // "name" a file, "name/" a folder
        bool empty;
    };
    const Case cases[] = {
        {"nothing in it", {}, true},
        {"only a thumbnail cache", {"Thumbs.db"}, true},
        {"a foreign file", {"notes.txt"}, false},
        {"a thumbnail cache and a foreign file", {"Thumbs.db", "notes.txt"}, false},
        {"a hidden file", {".directory"}, false},
        {"a subfolder", {"sub/"}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = root.makeFolder(c.name);
        for (const std::string &entry : c.content) {
            if (entry.back() == '/')
                fs::create_directories(folder + "/" + entry);
            else
                root.writeFile(std::string(c.name) + "/" + entry, "x");
        }

        EXPECT_EQ(IsFolderEmpty(context, folder), c.empty);
        EXPECT_FALSE(exists(folder + "/Thumbs.db")) << "the thumbnail cache goes in any case";
    }
    EXPECT_FALSE(IsFolderEmpty(context, root / "missing"));
    EXPECT_FALSE(IsFolderEmpty(context, root.writeFile("plain.file", "x")));
}

TEST_F(RemovalTest, InstallPathLineEmptiesTheTrimmedFolderOfWhatIsOurs)
{
    fs::permissions(install.installedFiles[1], fs::perms::owner_read, fs::perm_options::replace);
    std::ofstream(install.installFolder + "/SpotData.txt.saving") << "cut short";
    globals.InstallLogPath = install.logInTemp();
    globals.LogLines = install.logLines;

    RemoveInstallFolder(context, "INSTALLPATH=   " + install.installFolder + "  ");

    EXPECT_FALSE(exists(install.installFolder));
    EXPECT_TRUE(exists(install.createdParent)) << "its parent is a folder line of its own";
    EXPECT_TRUE(globals.Report.isComplete());
}

TEST_F(RemovalTest, InstallPathLineNeverRemovesTheLogBeingRead)
{
    // Started directly in the installation folder; compared without regard to case.
    std::string upper = install.logInInstallFolder();
    upper.replace(upper.find("STOWLET-InstallLog.txt"), 22, "stowlet-installlog.TXT");
    globals.InstallLogPath = upper;
    globals.LogLines = install.logLines;

    RemoveInstallFolder(context, "INSTALLPATH=" + install.installFolder);

    EXPECT_EQ(treeOf(install.installFolder), std::vector<std::string>{"STOWLET-InstallLog.txt"});
}

TEST_F(RemovalTest, DangerousInstallPathsAreSkipped)
{
    const std::string marker = install.home + "/keep.txt";
    std::ofstream(marker) << "mine";
    std::ofstream(install.desktop + "/note.txt") << "mine";
    std::ofstream(install.temp + "/other program's file") << "theirs";
    globals.TempFolder = install.temp;
    const auto before = treeOf(root.str());

    const std::vector<std::string> lines = {
        "INSTALLPATH=/",
        "INSTALLPATH=",
        "INSTALLPATH=    ",
        "INSTALLPATH=relative/Stowlet",
        "INSTALLPATH=" + install.home,
        "INSTALLPATH=" + install.home + "/",
        "INSTALLPATH=" + install.installFolder + "/../..",
        "INSTALLPATH=" + root.str(), // holds the home
        "INSTALLPATH=" + install.desktop,
        "INSTALLPATH=" + install.pictures,
        "INSTALLPATH=" + install.programs,
        "INSTALLPATH=" + install.startup,
        "INSTALLPATH=" + install.programFiles,
        "INSTALLPATH=" + install.temp,
    };
    for (const std::string &line : lines) {
        RemoveInstallFolder(context, line);
        RemoveFolder(context, InstallPathOf(line));
        EXPECT_EQ(treeOf(root.str()), before) << line;
    }
}

TEST_F(RemovalTest, LinkToAKeptFolderIsNotFollowed)
{
    const std::string link = root / "looks like an install";
    std::error_code ec;
    fs::create_directory_symlink(install.home, link, ec);
    if (ec)
        GTEST_SKIP() << "no folder links here: " << ec.message();
    std::ofstream(install.home + "/keep.txt") << "mine";

    RemoveInstallFolder(context, "INSTALLPATH=" + link);

    EXPECT_EQ(readFile(install.home + "/keep.txt"), "mine");
}

TEST(ProtectedFolderTest, RootsHomeKnownFoldersAndWhatHoldsThemAreKept)
{
    // Absolute paths of this desktop's form, below a root of its own.
    const std::string base = fs::temp_directory_path().root_path().string();
    const auto at = [&](const std::string &relative) { return base + relative; };
    std::string upper = at("home/ann");
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    const std::vector<std::string> kept = {at("home/ann"), at("home/ann/Desktop"), at("home/ann/.local/share"),
                                           at("tmp")};
    struct Case
    {
        std::string path;
        bool isProtected;
    };
    const Case cases[] = {
        {base, true},
        {"", true},
        {"Stowlet", true},
        {at("home/ann"), true},
        {at("home/ann/"), true},
        {upper, true},
        {at("home"), true},
        {at("home/ann/Desktop"), true},
        {at("home/ann/Desktop/../Desktop"), true},
        {at("home/ann/.local"), true},
        {at("tmp"), true},
        {at("home/ann/.local/share/Stowlet"), false},
        {at("home/ann/Desktop/Stowlet"), false},
        {at("home/ann/My Apps/Stowlet"), false},
        {at("opt/Stowlet"), false},
        {at("home/annie"), false},
        {at("tmp/Stowlet"), false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsProtectedFolder(c.path, kept), c.isProtected) << c.path;
}

TEST_F(RemovalTest, KeptFoldersAreTheDesktopsFolders)
{
    globals.TempFolder = install.temp;
    const auto kept = KeptFolders(context);
    for (const std::string &folder : {install.home, install.desktop, install.pictures, install.programs,
                                      install.startup, install.programFiles, install.temp})
        EXPECT_NE(std::find_if(kept.begin(), kept.end(),
                               [&](const std::string &k) { return Paths::withoutTrailingSeparator(k) == folder; }),
                  kept.end())
            << folder;
}

} // namespace
