#include "desktopentrywriter.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

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
