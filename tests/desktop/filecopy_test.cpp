#include "desktop/filecopy.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(FileCopy, CopiesAndReplacesWhole)
{
    TempFolder temp;
    std::string content(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 31 % 251);
    const std::string source = temp.writeFile("src.bin", content);
    const std::string destination = temp.writeFile("dst/out.bin", "old");
    std::string error;
    ASSERT_TRUE(FileCopy::copyReplacing(source, destination, error)) << error;
    EXPECT_EQ(readFile(destination), content);
    EXPECT_EQ(folderNames(temp / "dst"), std::vector<std::string>{"out.bin"});
}

TEST(FileCopy, FailuresLeaveNothingBehind)
{
    TempFolder temp;
    const std::string destination = temp.writeFile("dst/out.bin", "old");
    std::string error;
    EXPECT_FALSE(FileCopy::copyReplacing(temp / "missing", destination, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(FileCopy::copyReplacing(temp.makeFolder("a-folder"), destination, error));
    EXPECT_EQ(readFile(destination), "old");
    EXPECT_FALSE(FileCopy::copyReplacing(temp.writeFile("s", "x"), temp / "nowhere/out.bin", error));
    EXPECT_EQ(folderNames(temp / "dst"), std::vector<std::string>{"out.bin"});
}

TEST(FileCopy, WritesHandedOverBytes)
{
    TempFolder temp;
    std::string error;
    const std::string bytes("\0\x01\x02", 3);
    ASSERT_TRUE(FileCopy::writeReplacing(bytes, temp / "b.bin", error));
    EXPECT_EQ(readFile(temp / "b.bin"), bytes);
}

TEST(FileCopy, SameFileThroughAnotherPath)
{
    TempFolder temp;
    const std::string file = temp.writeFile("a/f.txt", "x");
    EXPECT_TRUE(FileCopy::sameFile(file, temp / "a/../a/f.txt"));
    EXPECT_FALSE(FileCopy::sameFile(file, temp / "a/g.txt"));
}

} // namespace
