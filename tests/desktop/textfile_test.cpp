#include "desktop/textfile.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFile, WritesCrLfAndReadsBothLineEnds)
{
    TempFolder temp;
    const std::string path = temp / "t.txt";
    ASSERT_TRUE(TextFile::writeLinesAtomically(path, {"one", "", "three|3"}));
    EXPECT_EQ(readFile(path), "one\r\n\r\nthree|3\r\n");
    EXPECT_EQ(TextFile::readLines(path), (std::vector<std::string>{"one", "", "three|3"}));
    temp.writeFile("lf.txt", "a\nb\r\nc");
    EXPECT_EQ(TextFile::readLines(temp / "lf.txt"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(TextFile::readLines(temp / "missing.txt").has_value());
}

TEST(TextFile, FailedWriteKeepsTheOldFile)
{
    TempFolder temp;
    const std::string path = temp.writeFile("keep.txt", "old\r\n");
    std::filesystem::create_directories(path + ".saving/x");
    std::string error;
    EXPECT_FALSE(TextFile::writeLinesAtomically(path, {"new"}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readFile(path), "old\r\n");
    EXPECT_FALSE(TextFile::writeLinesAtomically(temp / "no-such-folder/x.txt", {"new"}, &error));
}

TEST(TextFile, LongLinesAndNulBytesSurvive)
{
    TempFolder temp;
    const std::string big(10 * 1024 * 1024, 'x');
    const std::string withNul("a\0b", 3);
    ASSERT_TRUE(TextFile::writeLinesAtomically(temp / "big.txt", {big, withNul}));
    const auto lines = TextFile::readLines(temp / "big.txt");
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 2u);
    EXPECT_EQ((*lines)[0].size(), big.size());
    EXPECT_EQ((*lines)[1], withNul);
}

} // namespace
