// The real per-user settings store (QSettings) in a temporary configuration folder.

#include "desktop/linux/qtsettingsstore.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

TempFolder *configHome = nullptr;

TEST(QtSettingsStore, RoundTripAndDefaults)
{
    QtSettingsStore store;
    EXPECT_EQ(store.getSetting("StowletTest", "Toolbar Location", "Top", "100"), "100");
    ASSERT_TRUE(store.saveSetting("StowletTest", "Toolbar Location", "Top", "1500"));
    ASSERT_TRUE(store.saveSetting("StowletTest", "Toolbar Location", "Left", "2250.5"));
    EXPECT_EQ(store.getSetting("StowletTest", "Toolbar Location", "Top", "100"), "1500");
    EXPECT_EQ(store.getSetting("StowletTest", "Toolbar Location", "Left", "100"), "2250.5");
    EXPECT_TRUE(std::filesystem::exists(configHome->path() / "StowletTest/StowletTest.conf"));
}

TEST(QtSettingsStore, UnwritableStoreIsReported)
{
    // A folder where the store's file belongs makes every write fail, whatever the rights
    // of the user running the test.
    std::filesystem::create_directories(configHome->path() / "StowletBlocked/StowletBlocked.conf/inside");
    QtSettingsStore store;
    EXPECT_FALSE(store.saveSetting("StowletBlocked", "Toolbar Location", "Top", "900"));
    EXPECT_EQ(store.getSetting("StowletBlocked", "Toolbar Location", "Top", "100"), "100");
}

} // namespace

int main(int argc, char **argv)
{
    // QSettings settles on its folder once per process: point it at a temporary one first.
    TempFolder folder;
    configHome = &folder;
    setenv("XDG_CONFIG_HOME", folder.str().c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
