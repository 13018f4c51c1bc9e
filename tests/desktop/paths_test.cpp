#include "desktop/paths.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

TEST(Paths, JoinAndSplit)
{
    // Joining uses the platform's own separator ("\\" on Windows); splitting takes "/" too.
    const std::string separator(1, Paths::separator());
    EXPECT_EQ(Paths::join("/a/b", "c.txt"), "/a/b" + separator + "c.txt");
    EXPECT_EQ(Paths::join("/a/b/", "c.txt"), "/a/b/c.txt");
    EXPECT_EQ(Paths::join("/", "c.txt"), "/c.txt");
    EXPECT_EQ(Paths::parentFolder("/a/b/c.txt"), "/a/b");
    EXPECT_EQ(Paths::parentFolder("/c.txt"), "/");
    EXPECT_EQ(Paths::parentFolder("c.txt"), "");
    EXPECT_EQ(Paths::fileName("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(Paths::fileName("c.txt"), "c.txt");
}

TEST(Paths, TrailingSeparatorGoesButRootStays)
{
    EXPECT_EQ(Paths::withoutTrailingSeparator("/a/b/"), "/a/b");
    EXPECT_EQ(Paths::withoutTrailingSeparator("/a/b"), "/a/b");
    EXPECT_EQ(Paths::withoutTrailingSeparator("/"), "/");
    EXPECT_EQ(Paths::withoutTrailingSeparator(""), "");
}

TEST(Paths, ExistenceTests)
{
    TempFolder temp;
    const std::string file = temp.writeFile("f.txt", "x");
    EXPECT_TRUE(Paths::fileExists(file));
    EXPECT_FALSE(Paths::folderExists(file));
    EXPECT_TRUE(Paths::folderExists(temp.str()));
    EXPECT_FALSE(Paths::fileExists(temp.str()));
    EXPECT_FALSE(Paths::fileExists(""));
    EXPECT_FALSE(Paths::folderExists(""));
    EXPECT_FALSE(Paths::fileExists(temp / "nope"));
    EXPECT_TRUE(Paths::canCreateIn(temp.str()));
    EXPECT_EQ(folderNames(temp.str()), std::vector<std::string>{"f.txt"}) << "the check leaves nothing behind";
    EXPECT_FALSE(Paths::canCreateIn(temp / "nope"));
    EXPECT_FALSE(Paths::canCreateIn(""));
}

} // namespace
