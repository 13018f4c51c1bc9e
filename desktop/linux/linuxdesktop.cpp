#include "desktop/linux/linuxdesktop.h"

LinuxDesktop::LinuxDesktop(const QString &title)
    : m_messages(title), m_desktop{m_messages, m_sounds, m_shell, m_folders, m_shortcuts, m_settings, m_pump}
{
    // Drops are read with nothing but their data; they find the direct save here.
    DirectSave::install(&m_directSave);
    Downloader::install(&m_downloader);
}

LinuxDesktop::~LinuxDesktop()
{
    DirectSave::uninstall(&m_directSave);
    Downloader::uninstall(&m_downloader);
}
