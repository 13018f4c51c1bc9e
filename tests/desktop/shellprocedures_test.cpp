#include "desktopentrywriter.h"
#include "fakedesktop.h"
#include "shellprocedures.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(ShellProcedures, SoundsByKind)
{
    FakeDesktop desktop;
    for (int kind : {1, 2, 3, 4, 0, 5})
        PlaySound(desktop.services(), "/opt/Stowlet", kind);
    EXPECT_EQ(desktop.soundsPlayed, (std::vector<std::string>{"CopySuccess.wav", "CopyFailed.wav", "Warning.wav",
                                                             "NewBaseName.wav", "", ""}));
}

TEST(ShellProcedures, DeleteFileQuietlyIgnoresEverything)
{
    TempFolder temp;
    const std::string file = temp.writeFile("f.txt", "x");
    DeleteFileQuietly(file);
    EXPECT_FALSE(fs::exists(file));
    DeleteFileQuietly(file);
    DeleteFileQuietly("");
    const std::string folder = temp.makeFolder("keep");
    DeleteFileQuietly(folder);
    EXPECT_TRUE(fs::exists(folder));
}

TEST(ShellProcedures, ShortcutExtensionAppendedUnlessPresent)
{
    EXPECT_EQ(ShortcutLinkPath("/x/Tool"), "/x/Tool.desktop");
    EXPECT_EQ(ShortcutLinkPath("/x/Tool.DESKTOP"), "/x/Tool.DESKTOP");
    EXPECT_EQ(ShortcutLinkPath("/x/Tool.desktop"), "/x/Tool.desktop");
}

TEST(ShellProcedures, MakeShortcutDefaults)
{
    TempFolder temp;
    FakeDesktop desktop;
    ASSERT_TRUE(MakeShortcut(desktop.services(), temp / "Tool", "A tool", "/opt/t/tool"));
    ASSERT_EQ(desktop.shortcutsWritten.size(), 1u);
    const auto &written = desktop.shortcutsWritten[0];
    EXPECT_EQ(written.linkPath, temp / "Tool.desktop");
    EXPECT_EQ(written.properties.description, "A tool");
    EXPECT_EQ(written.properties.iconLocation, "/opt/t/tool,1");
    EXPECT_EQ(written.properties.windowStyle, WindowStyle::Maximized);
    EXPECT_EQ(written.properties.workingDirectory, "/opt/t/tool");
    desktop.shortcutsSucceed = false;
    EXPECT_FALSE(MakeShortcut(desktop.services(), temp / "Other", "x", "/y"));
}

TEST(ShellProcedures, AutoStartShortcutLifecycle)
{
    TempFolder temp;
    FakeDesktop desktop;
    desktop.folders[7] = temp.makeFolder("autostart");
    const std::string link = temp / "autostart/Stowlet.desktop";

    CreateAutoStartShortcut(desktop.services(), "/opt/Stowlet");
    ASSERT_TRUE(fs::exists(link));
    ASSERT_EQ(desktop.shortcutsWritten.size(), 1u);
    EXPECT_EQ(desktop.shortcutsWritten[0].properties.targetPath, desktop.executable);
    EXPECT_EQ(desktop.shortcutsWritten[0].properties.workingDirectory, "/opt/Stowlet");
    EXPECT_EQ(desktop.shortcutsWritten[0].properties.description, "Stowlet");

    // An existing shortcut is left untouched.
    temp.writeFile("autostart/Stowlet.desktop", "mine");
    CreateAutoStartShortcut(desktop.services(), "/opt/Stowlet");
    EXPECT_EQ(readFile(link), "mine");
    EXPECT_EQ(desktop.shortcutsWritten.size(), 1u);

    RemoveAutoStartShortcut(desktop.services());
    EXPECT_FALSE(fs::exists(link));
    RemoveAutoStartShortcut(desktop.services());
    EXPECT_TRUE(desktop.messages.empty());

    // Without a Startup folder nothing is written anywhere.
    desktop.folders.erase(7);
    CreateAutoStartShortcut(desktop.services(), "/opt/Stowlet");
    EXPECT_EQ(desktop.shortcutsWritten.size(), 1u);
}

TEST(DesktopEntryWriter, WritesAnExecutableEntry)
{
    TempFolder temp;
    DesktopEntryWriter writer;
    ShortcutProperties properties;
    properties.description = "Saves dropped pictures";
    properties.iconLocation = "/opt/My Stowlet/Drop.png";
    properties.targetPath = "/opt/My Stowlet/Stowlet";
    properties.workingDirectory = "/opt/My Stowlet";
    const std::string link = temp / "Uninstall Stowlet.desktop";
    ASSERT_TRUE(writer.writeShortcut(link, properties));
    EXPECT_EQ(readFile(link), "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=Uninstall Stowlet\n"
                              "Comment=Saves dropped pictures\n"
                              "Exec=\"/opt/My Stowlet/Stowlet\"\n"
                              "Icon=/opt/My Stowlet/Drop.png\n"
                              "Path=/opt/My Stowlet\n"
                              "Terminal=false\n");
    EXPECT_NE(fs::status(link).permissions() & fs::perms::owner_exec, fs::perms::none);

    properties.iconLocation = "/opt/s/Stowlet,1";
    properties.description = "two\nlines";
    const std::string text = DesktopEntryWriter::entryText(temp / "x.desktop", properties);
    EXPECT_NE(text.find("Icon=/opt/s/Stowlet\n"), std::string::npos);
    EXPECT_NE(text.find("Comment=two lines\n"), std::string::npos);
    EXPECT_FALSE(writer.writeShortcut(temp / "missing/x.desktop", properties));
}

} // namespace
