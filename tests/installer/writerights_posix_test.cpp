// The write test in a folder the user may not write to. Tests run as root, which writes
// anywhere, so the check runs in a child process that has become an unprivileged user.
#include "desktop/fake/fakedesktop.h"
#include "installer/core/appfunctions.h"
#include "tests/support/childprocess.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace setup;

namespace fs = std::filesystem;

TEST(TestWriteRights, AReadOnlyInstallerFolderEndsWithTheInvalidScenarioMessage)
{
    TempFolder temp;
    const std::string package = temp.makeFolder("read-only package");
    fs::permissions(temp.path(), fs::perms::all, fs::perm_options::replace);
    fs::permissions(package,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::replace);

    const ChildResult child = runInChild({-1, true}, [&package] {
        FakeDesktop desktop;
        const bool allowed = TestWriteRights(desktop.services(), package);
        return std::string(allowed ? "allowed" : "refused") + "|" +
               (desktop.messages.empty() ? std::string() : desktop.messages.front());
    });
    ASSERT_TRUE(child.ranToEnd);
    EXPECT_EQ(child.report, "refused|" + InvalidInstallationMessage());
    EXPECT_TRUE(fs::is_empty(package));
}
