#pragma once

#include "tests/uninstaller/uninstallsupport.h"
#include "uninstaller/core/appfunctions.h"

#include <gtest/gtest.h>

namespace uninstall {

/// The uninstall bed as a GoogleTest fixture, with the uninstaller's logic over it and its
/// window recorded.
class UninstallTest : public ::testing::Test, public UninstallBed
{
protected:
    UninstallTest() { globals.WaitTimer = std::make_unique<clsWaitableTimer>(wait); }

    /// Loads as the copy and answers the confirmation.
    void uninstallAnswering(bool yes)
    {
        runFromTemp();
        ASSERT_EQ(LoadUninstaller(context), LoadOutcome::WaitForUser);
        fake.answers = {yes};
        ConfirmUninstall(context);
    }

    void writeLogInTemp(const std::vector<std::string> &lines) { Installation::writeLog(install.logInTemp(), lines); }

    static bool exists(const std::string &path)
    {
        std::error_code ec;
        return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
    }

    RecordingHost host;
    UninstallContext context{globals, fake.services(), wait, host};
};

} // namespace uninstall
