#pragma once

#include "desktop/fake/fakedesktop.h"
#include "desktop/fake/fakemessagewait.h"
#include "desktop/fake/fakesharedcomponents.h"
#include "desktop/paths.h"
#include "desktop/platformnames.h"
#include "installer/core/installengine.h"
#include "installer/core/programfiles.h"
#include "installer/core/setupglobals.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace setup {

/// A progress window that writes down what the engine asks of it, in one list shared
/// with the waits, so that a test sees the whole sequence in order.
class RecordingWindow final : public ProgressWindow
{
public:
    explicit RecordingWindow(std::vector<std::string> &events) : m_events(events) {}
    void Status(const std::string &m_Status) override { m_events.push_back("status " + m_Status); }
    void ScrollBarPercent(std::int32_t m_Percent) override
    {
        m_percent = m_Percent;
        m_events.push_back("percent " + std::to_string(m_Percent));
    }
    std::int32_t ScrollBarPercent() const override { return m_percent; }
    void showBusyPointer() override { m_events.push_back("busy"); }
    void hideWindow() override { m_events.push_back("hide"); }
    void showCompletionMessage(const CompletionMessage &message) override
    {
        messages.push_back(message);
        m_events.push_back("message " + message.text);
        if (onMessage)
            onMessage();
    }
    void closeWindow() override { m_events.push_back("close"); }

    std::vector<CompletionMessage> messages;
    std::function<void()> onMessage;

private:
    std::vector<std::string> &m_events;
    std::int32_t m_percent = 0;
};

/// An installer run against real temporary folders: a package folder "Support" holding
/// the eight program files, an existing program-files folder, a Start-menu programs
/// folder and a desktop, with a fake desktop and a timer that does not really wait.
class SetupFixture : public ::testing::Test
{
protected:
    SetupFixture()
    {
        globals.SupportFolder = temp.makeFolder("package/Support");
        globals.ProgramFilesFolder = temp.makeFolder("programs");
        globals.ProgramsFolder = temp.makeFolder("applications");
        globals.DesktopFolder = temp.makeFolder("Desktop");
        globals.InstallPath = temp / "programs/Stowlet";
        for (const std::string &name : ProgramFileNames())
            temp.writeFile("package/Support/" + name, packageContent(name));
        for (const char *title : {"Stowlet", "StowletUninstaller"})
            std::filesystem::permissions(temp.path() / "package" / "Support" / PlatformNames::executableName(title),
                                         std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec,
                                         std::filesystem::perm_options::add);
        wait.onWait = [this] { events.push_back("wait " + std::to_string(wait.waits.back())); };
        globals.WaitTimer = std::make_unique<clsWaitableTimer>(wait);
    }

    static std::string packageContent(const std::string &name) { return "content of " + name; }

    std::string installed(const std::string &name) const { return Paths::join(globals.InstallPath, name); }

    // This platform's names: a program's file, an icon's, a shortcut's, and a path inside a
    // folder given with "/" between its parts.
    static std::string program(const std::string &title) { return PlatformNames::executableName(title); }
    static std::string icon(const std::string &baseName) { return PlatformNames::iconFileName(baseName); }
    static std::string link(const std::string &name) { return name + PlatformNames::shortcutExtensions().front(); }
    static std::string in(const std::string &folder, std::string relative)
    {
        std::replace(relative.begin(), relative.end(), '/', Paths::separator());
        return Paths::join(folder, relative);
    }

    /// The program files in place, as the copy row leaves them, with nothing recorded yet:
    /// entries are only made for programs that are there.
    void placeProgramFiles()
    {
        std::filesystem::create_directories(globals.InstallPath);
        CopyFiles(install);
        globals.InstallList = {std::string()};
    }

    TempFolder temp;
    Globals globals;
    FakeDesktop desktop;
    FakeSharedComponents components;
    FakeMessageWait wait;
    std::vector<std::string> events;
    RecordingWindow window{events};
    InstallContext install{globals, desktop.services(), components, window};
};

} // namespace setup
