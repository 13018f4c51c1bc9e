// The uninstaller's logic as a Windows program without its window, built as
// "StowletUninstaller.exe": it loads as the real program does, answers Yes to the
// confirmation, and appends every message it shows to the file named by the
// environment variable STOWLET_UNINSTALL_REPORT (which its relaunched copy inherits).
#include "desktop/windows/registrysettingsstore.h"
#include "desktop/windows/shelllinkwriter.h"
#include "desktop/windows/win32eventpump.h"
#include "desktop/windows/win32knownfolders.h"
#include "desktop/windows/win32messagewait.h"
#include "desktop/windows/win32shell.h"
#include "desktop/windows/win32soundplayer.h"
#include "desktop/windows/windowsdesktop.h"
#include "uninstaller/core/appfunctions.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

using namespace uninstall;

namespace {

class ReportedMessages final : public MessageBoxes
{
public:
    void showMessage(const std::string &text) override { report("message " + text); }
    bool askYesNo(const std::string &text) override
    {
        report("question " + text);
        return true;
    }

private:
    static void report(const std::string &line)
    {
        const char *file = std::getenv("STOWLET_UNINSTALL_REPORT");
        if (!file)
            return;
        if (std::FILE *out = std::fopen(file, "ab")) {
            std::fprintf(out, "%lu %s\n", GetCurrentProcessId(), line.c_str());
            std::fclose(out);
        }
    }
};

class WindowlessHost final : public UninstallerHost
{
public:
    bool isFormLoaded(const std::string &) override { return m_loaded; }
    void showWorking() override {}
    void setScreenBusy(bool) override {}
    void hideForm() override {}
    void unloadForm() override { m_loaded = false; }
    std::int64_t processId() override { return GetCurrentProcessId(); }

private:
    bool m_loaded = true;
};

} // namespace

int main()
{
    WindowsDesktop::useAnsiCodePage();
    ReportedMessages messages;
    Win32SoundPlayer sounds;
    Win32Shell shell;
    Win32KnownFolders folders;
    ShellLinkWriter shortcuts;
    RegistrySettingsStore settings;
    Win32EventPump pump;
    Desktop desktop{messages, sounds, shell, folders, shortcuts, settings, pump};
    Win32MessageWait wait;
    WindowlessHost host;
    Globals globals;
    UninstallContext context{globals, desktop, wait, host};
    if (LoadUninstaller(context) == LoadOutcome::WaitForUser)
        ConfirmUninstall(context);
    return 0;
}
