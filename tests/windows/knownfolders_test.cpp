#include "desktop/windows/win32knownfolders.h"

#include "desktop/paths.h"

// The other Win32 headers need what windows.h defines, so it comes first.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

namespace {

// The same folder through the shell's other lookup, which resolves it on its own.
std::string folderByPath(int csidl)
{
    char path[MAX_PATH] = {};
    return SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK ? path : "";
}

class KnownFolder : public testing::TestWithParam<int>
{
};

TEST_P(KnownFolder, IsAnExistingFolderAsTheShellGivesIt)
{
    Win32KnownFolders folders;
    const std::string path = folders.specialFolder(GetParam());
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path, folderByPath(GetParam()));
    EXPECT_TRUE(Paths::folderExists(path)) << path;
    // A drive and a full path, with no separator added at the end.
    ASSERT_GT(path.size(), 3u);
    EXPECT_EQ(path.substr(1, 2), ":\\");
    EXPECT_NE(path.back(), '\\');
}

// Desktop, Programs, Startup, Common Programs, Common Desktop, System, Program Files, My Pictures.
INSTANTIATE_TEST_SUITE_P(Csidl, KnownFolder, testing::Values(0, 2, 7, 23, 25, 37, 38, 39));

TEST(KnownFolders, UnknownNumberGivesEmptyText)
{
    Win32KnownFolders folders;
    EXPECT_EQ(folders.specialFolder(0x7ff0), "");
    EXPECT_EQ(folders.specialFolder(-1), "");
}

TEST(KnownFolders, TempFolderEndsInBackslashAndExists)
{
    Win32KnownFolders folders;
    const std::string temp = folders.tempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    EXPECT_TRUE(Paths::folderExists(temp));
    EXPECT_TRUE(Paths::folderExists(folders.homeFolder()));
}

} // namespace
