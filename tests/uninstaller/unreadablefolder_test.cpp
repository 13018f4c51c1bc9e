// A folder the uninstaller may not look into. The superuser can look into any folder, so
// under it the check runs in a child process that has given up its rights.
#include "uninstallfixture.h"

#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using UninspectableTest = UninstallTest;

TEST_F(UninspectableTest, EmptyFolderThatCannotBeListedCountsAsNotEmpty)
{
    const std::string folder = root.makeFolder("locked");
    fs::permissions(root.path(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    fs::permissions(folder, fs::perms::none, fs::perm_options::replace);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        _exit(IsFolderEmpty(context, folder) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: an empty folder nobody could look into was taken for empty";
    EXPECT_TRUE(fs::exists(folder));
}

} // namespace
