#pragma once

#include "desktop/desktop.h"
#include "desktop/windows/registrysettingsstore.h"
#include "desktop/windows/shelllinkwriter.h"
#include "desktop/windows/win32eventpump.h"
#include "desktop/windows/win32knownfolders.h"
#include "desktop/windows/win32messageboxes.h"
#include "desktop/windows/win32shell.h"
#include "desktop/windows/win32soundplayer.h"
#include "desktop/windows/wininetdownloader.h"

/// Owns the real desktop services of a Windows session for one program.
class WindowsDesktop
{
public:
    /// title: the caption of the program's message boxes.
    explicit WindowsDesktop(const std::string &title);
    ~WindowsDesktop();
    WindowsDesktop(const WindowsDesktop &) = delete;
    WindowsDesktop &operator=(const WindowsDesktop &) = delete;

    Desktop &services() { return m_desktop; }
    Win32MessageBoxes &messageBoxes() { return m_messages; }
    Win32Shell &shell() { return m_shell; }

    /// Makes the C runtime's 8-bit text the ANSI code page's, as the Win32 "A" calls take
    /// it: std::filesystem turns 8-bit path text into the system's UTF-16 through the
    /// runtime's multibyte conversion, which otherwise reads every byte as Latin-1.
    static void useAnsiCodePage();

private:
    Win32MessageBoxes m_messages;
    Win32SoundPlayer m_sounds;
    Win32Shell m_shell;
    Win32KnownFolders m_folders;
    ShellLinkWriter m_shortcuts;
    RegistrySettingsStore m_settings;
    Win32EventPump m_pump;
    WinInetDownloader m_downloader;
    Desktop m_desktop;
};
