// What the uninstaller may not do: look into a folder, remove an installation for all users,
// write into the temporary folder. The superuser may do all of it, so under it each check
// runs in a child process that has given up its rights.
#include "tests/uninstaller/uninstallfixture.h"

#include <filesystem>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

using namespace uninstall;

namespace fs = std::filesystem;

namespace {

using UninspectableTest = UninstallTest;

// The check's verdict from a child process without the superuser's rights: 0 when it held.
int withoutRights(const std::function<bool()> &check)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Read and enter only, for whoever runs the check.
void lock(const std::vector<std::string> &folders)
{
    for (const std::string &folder : folders)
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
}

void unlock(const std::vector<std::string> &folders)
{
    for (const std::string &folder : folders)
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
}

TEST_F(UninspectableTest, EmptyFolderThatCannotBeListedCountsAsNotEmpty)
{
    const std::string folder = root.makeFolder("locked");
    fs::permissions(root.path(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    fs::permissions(folder, fs::perms::none, fs::perm_options::replace);

    const int verdict = withoutRights([&] { return !IsFolderEmpty(context, folder); });
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);

    EXPECT_EQ(verdict, 0) << "1: an empty folder nobody could look into was taken for empty";
    EXPECT_TRUE(fs::exists(folder));
}

// As when an installation for all users is uninstalled by one of them: nothing goes, and the
// message says why.
TEST_F(UninspectableTest, RemovalWithoutRightsIsReportedWithTheSystemsReason)
{
    runFromTemp();
    const std::vector<std::string> installed{install.installFolder, install.groupFolder, install.desktop};
    if (geteuid() != 0)
        lock(installed);
    else // the hand-over folder is the uninstalling user's own
        for (const std::string &entry : {install.handOverFolder(), install.logInTemp(), install.programInTemp()})
            ASSERT_EQ(chown(entry.c_str(), 65534, 65534), 0);
    const auto before = treeOf(install.home);

    const int verdict = withoutRights([&] {
        if (LoadUninstaller(context) != LoadOutcome::WaitForUser)
            return false;
        fake.answers = {true};
        ConfirmUninstall(context);
        const std::string &shown = fake.dialogs.back();
        return shown.starts_with("Stowlet was not completely uninstalled.\r\rThese could not be removed:") &&
               shown.find(install.installedFiles[0] + ": Permission denied") != std::string::npos &&
               shown.find(install.shortcuts[0] + ": Permission denied") != std::string::npos;
    });
    unlock(installed);

    EXPECT_EQ(verdict, 0) << "1: the closing message does not name a file that stayed and why";
    EXPECT_EQ(treeOf(install.home), before);
}

TEST_F(UninspectableTest, HandOverThatCannotBeMadeIsReportedAndStartsNothing)
{
    fs::permissions(root.path(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    runFromInstallFolder();
    if (geteuid() != 0)
        lock({install.temp});

    const int verdict = withoutRights([&] {
        return LoadUninstaller(context) == LoadOutcome::EndProgram && fake.started.empty() &&
               fake.messages == std::vector<std::string>{"Unable to copy log to temp folder.\r" + install.temp +
                                                         "/STOWLET-InstallLog.txt"};
    });
    unlock({install.temp});

    EXPECT_EQ(verdict, 0);
    EXPECT_TRUE(treeOf(install.temp).empty());
}

} // namespace
