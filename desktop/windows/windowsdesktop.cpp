#include "desktop/windows/windowsdesktop.h"

#include <clocale>

WindowsDesktop::WindowsDesktop(const std::string &title)
    : m_messages(title), m_desktop{m_messages, m_sounds, m_shell, m_folders, m_shortcuts, m_settings, m_pump}
{
    useAnsiCodePage();
    Downloader::install(&m_downloader);
}

WindowsDesktop::~WindowsDesktop()
{
    Downloader::uninstall(&m_downloader);
}

void WindowsDesktop::useAnsiCodePage()
{
    // "" is the user's default locale, whose code page is the ANSI one.
    std::setlocale(LC_CTYPE, "");
}
