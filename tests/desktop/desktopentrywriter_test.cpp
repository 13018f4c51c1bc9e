#include "desktop/linux/desktopentrywriter.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

ShortcutProperties propertiesIn(const std::string &folder)
{
    ShortcutProperties properties;
    properties.description = "Uninstaller";
    properties.iconLocation = folder + "/Drop.png";
    properties.targetPath = folder + "/Stowlet";
    properties.workingDirectory = folder;
    return properties;
}

// What the desktop's own checker says of an entry: its errors and warnings, one a line.
std::string validatorComplaints(const std::string &entry)
{
    FILE *pipe = popen(("desktop-file-validate '" + entry + "' 2>&1").c_str(), "r");
    if (!pipe)
        return "the checker could not be started";
    std::string output;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) {
        const std::string line = buffer;
        if (line.find("error:") != std::string::npos || line.find("warning:") != std::string::npos)
            output += line;
    }
    if (pclose(pipe) != 0) // a checker that did not run to a clean end has not passed the entry
        output += "the checker did not pass the entry\n";
    return output;
}

TEST(DesktopEntryWriter, WritesAnExecutableEntry)
{
    TempFolder temp;
    DesktopEntryWriter writer;
    ShortcutProperties properties = propertiesIn("/opt/My Stowlet");
    properties.description = "Saves dropped pictures";
    const std::string link = temp / "Uninstall Stowlet.desktop";
    ASSERT_TRUE(writer.writeShortcut(link, properties));
    EXPECT_EQ(readFile(link), "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=Uninstall Stowlet\n"
                              "Comment=Saves dropped pictures\n"
                              "Exec=\"/opt/My Stowlet/Stowlet\"\n"
                              "Icon=/opt/My Stowlet/Drop.png\n"
                              "Path=/opt/My Stowlet\n"
                              "Terminal=false\n"
                              "Categories=Utility;Graphics;\n");
    EXPECT_NE(fs::status(link).permissions() & fs::perms::owner_exec, fs::perms::none);

    properties.iconLocation = "/opt/s/Stowlet,1";
    properties.description = "Stowlet";
    const std::string text = DesktopEntryWriter::entryText(temp / "Stowlet.desktop", properties);
    EXPECT_NE(text.find("Icon=/opt/s/Stowlet\n"), std::string::npos);
    EXPECT_NE(text.find("Comment=Start Stowlet\n"), std::string::npos) << "a comment says more than the name";
    EXPECT_FALSE(writer.writeShortcut(temp / "missing/x.desktop", properties));
}

TEST(DesktopEntryWriter, EntriesForAwkwardFolderNamesAreValidAndStartTheirProgram)
{
    if (std::system("desktop-file-validate --help >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "desktop-file-validate (desktop-file-utils) is not installed";
    TempFolder temp;
    DesktopEntryWriter writer;
    for (const char *name : {"My Programs", "Bilder für Ärger", "100% done", "say \"hi\"", "$HOME", "`date`",
                             "back\\slash", " lead ing", "all %f \"$`\\ of them"}) {
        const std::string folder = temp.makeFolder(name);
        const std::string link = temp / "Stowlet.desktop";
        ASSERT_TRUE(writer.writeShortcut(link, propertiesIn(folder))) << name;
        EXPECT_EQ(validatorComplaints(link), "") << name << "\n" << readFile(link);
        EXPECT_EQ(writer.shortcutTarget(link), folder + "/Stowlet") << name;
    }
}

} // namespace
