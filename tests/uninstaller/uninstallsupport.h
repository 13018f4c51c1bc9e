#pragma once

#include "desktop/fake/fakedesktop.h"
#include "desktop/fake/fakemessagewait.h"
#include "tests/support/tempfolder.h"
#include "uninstaller/core/appcontext.h"

#include <filesystem>
#include <string>
#include <vector>

namespace uninstall {

/// The window side, recorded.
class RecordingHost final : public UninstallerHost
{
public:
    bool loaded = true;
    std::vector<std::string> calls;
    std::int64_t pid = 4242;

    bool isFormLoaded(const std::string &name) override { return loaded && name == "frmMain"; }
    void showWorking() override { calls.push_back("showWorking"); }
    void setScreenBusy(bool busy) override { calls.push_back(busy ? "screenBusy" : "screenNormal"); }
    void hideForm() override { calls.push_back("hide"); }
    void unloadForm() override
    {
        calls.push_back("unload");
        loaded = false;
    }
    std::int64_t processId() override { return pid; }
};

/// A home with the desktop's folders, an installation of Stowlet laid out as Setup leaves it
/// (files, desktop entries, created folders, the log) and a temporary folder, all real and
/// all inside one test folder. Paths hold spaces on purpose.
class Installation
{
public:
    explicit Installation(const TempFolder &root);

    std::string home, desktop, pictures, programs, startup, programFiles, temp;
    std::string createdParent; ///< folder the install created around the installation folder
    std::string installFolder;
    std::string groupFolder; ///< program group the install created for its menu entries
    std::vector<std::string> installedFiles;
    std::vector<std::string> shortcuts;
    std::vector<std::string> logLines; ///< as Setup writes them, INSTALLPATH line first

    /// Makes every file, entry and folder and writes the log into the installation folder.
    void layOut() const;

    /// Copies the program and the log into a private hand-over folder in the temporary
    /// folder, as the relaunch does (the one already there, if any).
    void copyToTemp() const;

    /// The hand-over folder in the temporary folder (the first, by name), or a path that
    /// does not exist when there is none.
    std::string handOverFolder() const;

    /// Points the fake desktop's folders at this home.
    void describeTo(FakeDesktop &desktop) const;

    /// The log lines Setup writes for recorded entries: the install-path line, then the
    /// three groups of the log format.
    static std::vector<std::string> logGroupsOf(const std::string &installPath,
                                                const std::vector<std::string> &recorded);

    /// Writes lines as an install log with CR LF line ends.
    static void writeLog(const std::string &path, const std::vector<std::string> &lines);

    std::string logInInstallFolder() const;
    std::string logInTemp() const;
    std::string programInInstallFolder() const;
    std::string programInTemp() const;
    std::string scriptInTemp() const;
};

/// Copies source over target, replacing a target that is there.
void replaceFile(const std::string &source, const std::string &target);

/// Every entry below a folder (relative path, "/" after folders), for before/after comparisons.
std::vector<std::string> treeOf(const std::string &folder);

/// One uninstaller run against a real installation in a test folder, with the fake desktop
/// and waits that return at once.
struct UninstallBed
{
    UninstallBed() : install(root)
    {
        install.layOut();
        install.describeTo(fake);
        wait.program = "StowletUninstaller";
    }

    /// The instance the user starts, in the installation folder.
    void runFromInstallFolder() { fake.executable = install.programInInstallFolder(); }

    /// The copy in the temporary folder, with the log copied beside it as the relaunch leaves it.
    void runFromTemp()
    {
        install.copyToTemp();
        fake.executable = install.programInTemp();
    }

    TempFolder root;
    Installation install;
    FakeDesktop fake;
    FakeMessageWait wait;
    Globals globals;
};

inline const std::string ConfirmationText = "Are you sure you want to uninstall Stowlet?";
inline const std::string SuccessText =
    "Stowlet was successfully uninstalled.\r\rYou may need to restart your computer before all changes take effect.";

} // namespace uninstall
