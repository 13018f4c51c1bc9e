#include "desktop/paths.h"
#include "desktop/textfile.h"
#include "desktop/windows/shelllinkwriter.h"
#include "desktop/windows/win32messagewait.h"
#include "desktop/windows/win32sharedcomponents.h"
#include "desktop/windows/windowsdesktop.h"
#include "installer/core/appfunctions.h"
#include "installer/core/installengine.h"
#include "installer/core/installlog.h"
#include "installer/core/programfiles.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace setup;

namespace fs = std::filesystem;

namespace {

// The Windows components and registration tool, with the test component as the one
// component the engine places.
class TestComponents final : public SharedComponents
{
public:
    std::vector<std::string> engineComponents() override { return {"testcomponent.dll"}; }
    std::vector<std::string> installerComponents() override { return {}; }
    CommandLine registrationCommand(const std::string &path) override { return m_windows.registrationCommand(path); }

private:
    Win32SharedComponents m_windows;
};

class SilentWindow final : public ProgressWindow
{
public:
    void Status(const std::string &m_Status) override { statuses.push_back(m_Status); }
    void ScrollBarPercent(std::int32_t m_Percent) override { m_percent = m_Percent; }
    std::int32_t ScrollBarPercent() const override { return m_percent; }
    void showBusyPointer() override {}
    void hideWindow() override {}
    void showCompletionMessage(const CompletionMessage &message) override { messages.push_back(message.text); }
    void closeWindow() override {}

    std::vector<std::string> statuses;
    std::vector<std::string> messages;

private:
    std::int32_t m_percent = 0;
};

std::string besideTests(const std::string &name)
{
    Win32Shell shell;
    return Paths::join(Paths::parentFolder(shell.executablePath()), name);
}

// An install from a package folder into a folder with a space in its name, with a
// stand-in system folder, the real registration tool, real shell links and real waits.
class WindowsInstall : public ::testing::Test
{
protected:
    WindowsInstall()
    {
        globals.SupportFolder = temp.makeFolder("package\\Support");
        globals.SystemFolder = temp.makeFolder("system32");
        globals.ProgramFilesFolder = temp.makeFolder("Program Files");
        globals.ProgramsFolder = temp.makeFolder("Start Menu\\Programs");
        globals.DesktopFolder = temp.makeFolder("Desktop");
        globals.InstallPath = Paths::join(globals.ProgramFilesFolder, "Stowlet");
        for (const std::string &name : ProgramFileNames())
            temp.writeFile("package\\Support\\" + name, "content of " + name);
        fs::copy_file(besideTests("testcomponent.dll"), Paths::join(globals.SupportFolder, "testcomponent.dll"));
        globals.WaitTimer = std::make_unique<clsWaitableTimer>(wait);
        install.pacing = {10, 10, 10};
    }

    std::string systemCopy() const { return Paths::join(globals.SystemFolder, "testcomponent.dll"); }
    std::string registrationMark() const { return systemCopy() + ".registered"; }

    TempFolder temp;
    Globals globals;
    WindowsDesktop windows{"Setup"};
    TestComponents components;
    Win32MessageWait wait;
    SilentWindow window;
    InstallContext install{globals, windows.services(), components, window};
};

TEST_F(WindowsInstall, RegisterComponentRunsTheRegistrationToolOnTheComponent)
{
    const std::string component = temp / "with space\\testcomponent.dll";
    temp.makeFolder("with space");
    fs::copy_file(besideTests("testcomponent.dll"), component);
    ASSERT_TRUE(RegisterComponent(windows.services(), components, component));
    EXPECT_EQ(readFile(component + ".registered"), "registered\n");
    // True means only that the tool ran: what it made of the component is not looked at.
    EXPECT_TRUE(RegisterComponent(windows.services(), components, temp / "missing.dll"));
}

TEST_F(WindowsInstall, ComponentIsCopiedAndRegisteredOnlyWhenTheSystemLacksIt)
{
    RegisterDlls(install);
    ASSERT_TRUE(fs::exists(systemCopy()));
    EXPECT_EQ(readFile(registrationMark()), "registered\n");

    // Already there: neither replaced nor registered again.
    RegisterDlls(install);
    EXPECT_EQ(readFile(registrationMark()), "registered\n");
}

TEST_F(WindowsInstall, WholeInstallIntoATemporaryFolder)
{
    fs::create_directories(globals.InstallPath);
    AddToInstallList(globals, globals.InstallPath);
    globals.StartMenuThisUser = true;
    globals.DesktopThisUser = true;
    StartInstall(install);

    EXPECT_EQ(readFile(registrationMark()), "registered\n");
    for (const std::string &name : ProgramFileNames())
        EXPECT_EQ(readFile(Paths::join(globals.InstallPath, name)), "content of " + name) << name;

    const std::string group = Paths::join(globals.ProgramsFolder, "Stowlet");
    const auto program = ShellLinkWriter::readShortcut(Paths::join(group, "Stowlet.lnk"));
    ASSERT_TRUE(program.has_value());
    EXPECT_EQ(program->targetPath, Paths::join(globals.InstallPath, "Stowlet.exe"));
    EXPECT_EQ(program->iconLocation, Paths::join(globals.InstallPath, "Drop.ico") + ",0");
    EXPECT_EQ(program->workingDirectory, globals.InstallPath);
    EXPECT_EQ(ShellLinkWriter::showCommandInFile(Paths::join(group, "Stowlet.lnk")), 1);
    const auto uninstaller = ShellLinkWriter::readShortcut(Paths::join(group, "Uninstall Stowlet.lnk"));
    ASSERT_TRUE(uninstaller.has_value());
    EXPECT_EQ(uninstaller->targetPath, Paths::join(globals.InstallPath, "StowletUninstaller.exe"));
    EXPECT_TRUE(ShellLinkWriter::readShortcut(Paths::join(globals.DesktopFolder, "Stowlet.lnk")).has_value());

    // The log: CR LF lines in the installation folder, the shared component not in it.
    const std::string log = InstallLogPath(globals.InstallPath);
    const std::string text = readFile(log);
    EXPECT_NE(text.find("INSTALLPATH=" + globals.InstallPath + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(Paths::join(group, "Uninstall Stowlet.lnk") + "\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("testcomponent"), std::string::npos) << text;
    EXPECT_EQ(window.statuses.back(), "Installation Complete");
}

} // namespace
