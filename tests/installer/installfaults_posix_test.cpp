// Installs that cannot complete: a full disk (a file-size limit), a folder the user may not
// write to (an unprivileged child) and an install killed part-way. Each runs the real engine
// in a child process; afterwards the disk and the log must agree, so that an uninstall can
// take back whatever was made.
#include "desktop/textfile.h"
#include "installer/core/installlog.h"
#include "tests/installer/setupfixture.h"
#include "tests/support/childprocess.h"

#include <cstring>
#include <filesystem>

using namespace setup;

namespace fs = std::filesystem;

namespace {

class InstallFaults : public SetupFixture
{
protected:
    InstallFaults()
    {
        fs::permissions(temp.path(), fs::perms::all, fs::perm_options::replace);
        for (const char *folder : {"applications", "Desktop", "package", "package/Support"})
            fs::permissions(temp / folder, fs::perms::all, fs::perm_options::replace);
        globals.StartMenuThisUser = true;
        globals.DesktopThisUser = true;
    }

    std::string installInChild(const ChildLimits &limits, int stopAtWait = 0)
    {
        const ChildResult child = runInChild(limits, [&] {
            int waits = 0;
            wait.onWait = [&] {
                if (++waits == stopAtWait)
                    _exit(0); // killed: nothing after this point runs
            };
            StartInstall(install);
            return window.messages.empty() ? std::string() : window.messages.back().text;
        });
        EXPECT_TRUE(child.ranToEnd);
        return child.report;
    }

    std::vector<std::string> logLines()
    {
        return TextFile::readLines(InstallLogPath(globals.InstallPath)).value_or(std::vector<std::string>{});
    }

    // Everything the install may have made, on disk now, must be in the log.
    void expectEverythingMadeIsListed()
    {
        const std::vector<std::string> log = logLines();
        ASSERT_FALSE(log.empty());
        for (const std::string &folder : {globals.InstallPath, globals.ProgramsFolder, globals.DesktopFolder}) {
            for (const auto &entry : fs::recursive_directory_iterator(folder)) {
                const std::string path = entry.path().string();
                if (path != InstallLogPath(globals.InstallPath)) {
                    EXPECT_NE(std::find(log.begin(), log.end(), path), log.end()) << path << " is not listed";
                }
            }
        }
    }

    std::string group() const { return globals.ProgramsFolder + "/Stowlet"; }
};

TEST_F(InstallFaults, AFullDiskNamesWhatIsMissingWithTheReasonAndMakesNoEntryForIt)
{
    fs::create_directories(globals.InstallPath);
    temp.writeFile("package/Support/Stowlet", std::string(64 * 1024, 'x'));
    const std::string message = installInChild({16 * 1024, false});

    EXPECT_EQ(message, std::string("Installation Incomplete\rNot installed: Stowlet\r") + std::strerror(EFBIG));
    EXPECT_FALSE(fs::exists(globals.InstallPath + "/Stowlet"));
    EXPECT_FALSE(fs::exists(group() + "/Stowlet.desktop"));
    EXPECT_FALSE(fs::exists(globals.DesktopFolder + "/Stowlet.desktop"));
    EXPECT_TRUE(fs::exists(group() + "/Uninstall Stowlet.desktop")) << "the uninstaller is there";
    expectEverythingMadeIsListed();
}

TEST_F(InstallFaults, AFolderTheUserMayNotWriteToGetsNoEntriesAndTheReason)
{
    fs::create_directories(globals.InstallPath); // the root's, read-only to the user
    fs::permissions(globals.InstallPath, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::replace);
    const std::string message = installInChild({-1, true});

    EXPECT_NE(message.find("Not installed: Stowlet, Drop.png, StowletUninstaller"), std::string::npos) << message;
    EXPECT_NE(message.find(std::strerror(EACCES)), std::string::npos) << message;
    EXPECT_TRUE(fs::is_empty(globals.ProgramsFolder));
    EXPECT_TRUE(fs::is_empty(globals.DesktopFolder));
    EXPECT_TRUE(fs::is_empty(globals.InstallPath));
}

TEST_F(InstallFaults, AnInstallKilledAtAnyPauseLeavesALogOfAllItMade)
{
    // The pauses after copying the files, after the first shortcuts and after the log row.
    for (const int stopAt : {3, 6, 7}) {
        fs::remove_all(globals.InstallPath);
        fs::remove_all(group());
        fs::remove(globals.DesktopFolder + "/Stowlet.desktop");
        fs::create_directories(globals.InstallPath);
        installInChild({-1, false}, stopAt);
        SCOPED_TRACE(stopAt);
        expectEverythingMadeIsListed();
    }
}

} // namespace
