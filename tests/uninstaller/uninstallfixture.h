#pragma once

#include "appfunctions.h"
#include "uninstallsupport.h"

#include <gtest/gtest.h>

/// One uninstaller run against a real installation in a test folder, with the fake desktop,
/// instant waits and a recorded window.
class UninstallTest : public ::testing::Test
{
protected:
    UninstallTest() : install(root)
    {
        install.layOut();
        install.describeTo(fake);
        globals.WaitTimer = std::make_unique<clsWaitableTimer>(wait);
    }

    /// The instance the user starts, in the installation folder.
    void runFromInstallFolder() { fake.executable = install.programInInstallFolder(); }

    /// The copy in the temporary folder, with the log copied beside it as the relaunch leaves it.
    void runFromTemp()
    {
        install.copyToTemp();
        fake.executable = install.programInTemp();
    }

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

    TempFolder root;
    Installation install;
    FakeDesktop fake;
    InstantWait wait;
    RecordingHost host;
    Globals globals;
    UninstallContext context{globals, fake.services(), wait, host};
};

inline const std::string ConfirmationText = "Are you sure you want to uninstall Stowlet?";
inline const std::string SuccessText =
    "Stowlet was successfully uninstalled.\r\rYou may need to restart your computer before all changes take effect.";
