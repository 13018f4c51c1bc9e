#include "desktop/fake/fakedesktop.h"
#include "desktop/platformnames.h"
#include "desktop/shellprocedures.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cctype>
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

// The desktop's own shortcut extension: ".desktop" on Linux, ".lnk" on Windows.
const std::string linkExtension = PlatformNames::shortcutExtensions().front();

std::string upperCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(ShellProcedures, ShortcutExtensionAppendedUnlessPresent)
{
    EXPECT_EQ(ShortcutLinkPath("/x/Tool"), "/x/Tool" + linkExtension);
    EXPECT_EQ(ShortcutLinkPath("/x/Tool" + upperCase(linkExtension)), "/x/Tool" + upperCase(linkExtension));
    EXPECT_EQ(ShortcutLinkPath("/x/Tool" + linkExtension), "/x/Tool" + linkExtension);
}

TEST(ShellProcedures, MakeShortcutDefaults)
{
    TempFolder temp;
    FakeDesktop desktop;
    ASSERT_TRUE(MakeShortcut(desktop.services(), temp / "Tool", "A tool", "/opt/t/tool"));
    ASSERT_EQ(desktop.shortcutsWritten.size(), 1u);
    const auto &written = desktop.shortcutsWritten[0];
    EXPECT_EQ(written.linkPath, temp / ("Tool" + linkExtension));
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
    const std::string link = temp / ("autostart/Stowlet" + linkExtension);

    CreateAutoStartShortcut(desktop.services(), "/opt/Stowlet");
    ASSERT_TRUE(fs::exists(link));
    ASSERT_EQ(desktop.shortcutsWritten.size(), 1u);
    EXPECT_EQ(desktop.shortcutsWritten[0].properties.targetPath, desktop.executable);
    EXPECT_EQ(desktop.shortcutsWritten[0].properties.workingDirectory, "/opt/Stowlet");
    EXPECT_EQ(desktop.shortcutsWritten[0].properties.description, "Stowlet");

    // An existing shortcut is left untouched.
    temp.writeFile("autostart/Stowlet" + linkExtension, "mine");
    CreateAutoStartShortcut(desktop.services(), "/opt/Stowlet");
    EXPECT_EQ(readFile(link), "mine");
    EXPECT_EQ(desktop.shortcutsWritten.size(), 1u);

    RemoveAutoStartShortcut(desktop.services());
    EXPECT_FALSE(fs::exists(link));
    RemoveAutoStartShortcut(desktop.services());
    EXPECT_TRUE(desktop.messages.empty());

    // A system package's toolbar starts through the package's command.
    CreateAutoStartShortcut(desktop.services(), "/usr/lib/stowlet", "/usr/bin/stowlet");
    EXPECT_EQ(desktop.shortcutsWritten.back().properties.targetPath, "/usr/bin/stowlet");
    RemoveAutoStartShortcut(desktop.services());

    // Without a Startup folder nothing is written anywhere.
    desktop.folders.erase(7);
    CreateAutoStartShortcut(desktop.services(), "/opt/Stowlet");
    EXPECT_EQ(desktop.shortcutsWritten.size(), 2u);
}

} // namespace
