#include "desktop/fake/fakedesktop.h"
#include "toolbar/core/toolbarposition.h"

#include <gtest/gtest.h>

using namespace toolbar;

namespace {

TEST(ToolbarPosition, ReadsStoredTwipsOrFallsBackTo100)
{
    FakeDesktop desktop;
    EXPECT_EQ(ReadToolbarPosition(desktop).top, 100);
    EXPECT_EQ(ReadToolbarPosition(desktop).left, 100);
    desktop.settings[FakeDesktop::settingKey("Stowlet", "Toolbar Location", "Top")] = "1500";
    desktop.settings[FakeDesktop::settingKey("Stowlet", "Toolbar Location", "Left")] = "left!";
    const auto position = ReadToolbarPosition(desktop);
    EXPECT_EQ(position.top, 1500);
    EXPECT_EQ(position.left, 100);
}

TEST(ToolbarPosition, OffScreenCornersComeBack)
{
    EXPECT_EQ(KeepOnScreen({-50, 300}, 19200, 10800).top, 100);
    EXPECT_EQ(KeepOnScreen({-50, 300}, 19200, 10800).left, 300);
    EXPECT_EQ(KeepOnScreen({10801, 19201}, 19200, 10800).top, 100);
    EXPECT_EQ(KeepOnScreen({10801, 19201}, 19200, 10800).left, 100);
    EXPECT_EQ(KeepOnScreen({10800, 19200}, 19200, 10800).top, 10800);
    EXPECT_EQ(KeepOnScreen({10800, 19200}, 19200, 10800).left, 19200);
}

TEST(ToolbarPosition, WritesDecimalText)
{
    FakeDesktop desktop;
    EXPECT_TRUE(WriteToolbarPosition(desktop, {1500, 2250.5}));
    EXPECT_EQ(desktop.settings[FakeDesktop::settingKey("Stowlet", "Toolbar Location", "Top")], "1500");
    EXPECT_EQ(desktop.settings[FakeDesktop::settingKey("Stowlet", "Toolbar Location", "Left")], "2250.5");
    desktop.settingsWritable = false;
    EXPECT_FALSE(WriteToolbarPosition(desktop, {1, 2}));
}

} // namespace
