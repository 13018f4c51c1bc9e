#include "desktop/paths.h"
#include "desktop/textfile.h"
#include "desktop/windows/win32knownfolders.h"
#include "desktop/windows/win32shell.h"
#include "tests/support/tempfolder.h"
#include "uninstaller/core/selfremovalscript.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

using namespace uninstall;

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

TEST(SelfRemovalScript, TheSevenLinesWithQuotedPathsRunByTheCommandInterpreter)
{
    const std::string temp = "C:\\Documents and Settings\\Jo\\Temp";
    const SelfRemovalScript script = MakeSelfRemovalScript(temp, "StowletUninstaller.exe", temp, "killmyself.bat", 7);
    EXPECT_EQ(script.lines, (Lines{"@Echo off", ":S", "cd /d \"" + temp + "\\\"", "Del \"StowletUninstaller.exe\"",
                                   "If Exist \"" + temp + "\\StowletUninstaller.exe\" Goto S",
                                   "cd /d \"" + temp + "\\\"", "Del \"killmyself.bat\""}));
    EXPECT_EQ(script.lineEnd, "\r\n");
    EXPECT_EQ(script.program, "cmd.exe");
    EXPECT_EQ(script.arguments, (Lines{"/c", temp + "\\killmyself.bat"}));

    // A drive root as the folder (no temporary folder): no doubled backslash.
    EXPECT_EQ(MakeSelfRemovalScript("C:\\", "U.exe", "C:\\", "k.bat", 1).lines[2], "cd /d \"C:\\\"");
}

// Sets an environment variable for this process and the programs it starts, for as long
// as the object lives.
class ScopedVariable
{
public:
    ScopedVariable(std::string name, const std::string &value) : m_name(std::move(name))
    {
        char old[1024];
        const DWORD length = GetEnvironmentVariableA(m_name.c_str(), old, sizeof old);
        if (length > 0 && length < sizeof old)
            m_old = old;
        SetEnvironmentVariableA(m_name.c_str(), value.c_str());
    }
    ~ScopedVariable() { SetEnvironmentVariableA(m_name.c_str(), m_old ? m_old->c_str() : nullptr); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

bool waitFor(const std::function<bool()> &done, int seconds)
{
    for (int i = 0; i < seconds * 10; ++i) {
        if (done())
            return true;
        Sleep(100);
    }
    return done();
}

// The messages the uninstaller showed, each with the process that showed it.
Lines reportedMessages(const std::string &report)
{
    return TextFile::readLines(report).value_or(Lines{});
}

TEST(WindowsUninstall, RelaunchesFromTheTemporaryFolderRemovesEverythingAndThenItself)
{
    TempFolder temp;
    // The temporary folder the uninstaller asks the system for (GetTempPathA reads TMP),
    // with a space in its name.
    const std::string tempFolder = temp.makeFolder("Local Temp");
    const std::string install = temp.makeFolder("Program Files\\Stowlet");
    // The menu group where Setup makes it: entries elsewhere are not the uninstaller's to remove.
    const std::string group = Paths::join(Win32KnownFolders().specialFolder(2), "Stowlet");
    fs::remove_all(group);
    fs::create_directories(group);
    const std::string uninstaller = Paths::join(install, "StowletUninstaller.exe");
    Win32Shell shell;
    fs::copy_file(Paths::join(Paths::parentFolder(shell.executablePath()), "StowletUninstaller.exe"), uninstaller);
    temp.writeFile("Program Files\\Stowlet\\Stowlet.exe", "MZ");
    TextFile::writeLinesAtomically(Paths::join(group, "Stowlet.lnk"), {"link"});
    ASSERT_TRUE(TextFile::writeLinesAtomically(Paths::join(install, "STOWLET-InstallLog.txt"),
                                               {"INSTALLPATH=" + install, Paths::join(install, "Stowlet.exe"),
                                                Paths::join(install, "StowletUninstaller.exe"),
                                                Paths::join(group, "Stowlet.lnk"), group}));
    const std::string report = temp / "report.txt";
    ScopedVariable tmp("TMP", tempFolder + "\\");
    ScopedVariable reportVariable("STOWLET_UNINSTALL_REPORT", report);

    ASSERT_EQ(shell.runAndWait(uninstaller, {}, WindowStyle::Normal), 0);

    // What the copy ran from: a private folder of its own in the temporary folder.
    const auto handOverFiles = [&] {
        Lines names;
        for (const auto &entry : fs::recursive_directory_iterator(tempFolder))
            if (!entry.is_directory())
                names.push_back(entry.path().filename().string());
        return names;
    };
    ASSERT_TRUE(
        waitFor([&] { return !fs::exists(install) && !fs::exists(group) && reportedMessages(report).size() >= 2; }, 60))
        << "the copy removed the installation";
    // The script deletes the copy, the log copy and itself. Wine's command interpreter holds
    // the running script open until it ends, so there the emptied folder's own removal fails;
    // at most that empty folder may remain.
    EXPECT_TRUE(waitFor([&] { return handOverFiles().empty(); }, 60)) << "the hand-over files are gone";
    for (const auto &entry : fs::directory_iterator(tempFolder))
        EXPECT_EQ(entry.path().filename().string().rfind("StowletUninstaller-", 0), 0u) << entry.path().string();

    // Only the copy spoke: the instance in the installation folder asked nothing.
    const Lines messages = reportedMessages(report);
    ASSERT_EQ(messages.size(), 2u);
    const std::string process = messages[0].substr(0, messages[0].find(' '));
    EXPECT_EQ(messages[0], process + " question Are you sure you want to uninstall Stowlet?");
    EXPECT_EQ(messages[1], process + " message Stowlet was successfully uninstalled.\r\rYou may need to restart your "
                                     "computer before all changes take effect.");
}

} // namespace
