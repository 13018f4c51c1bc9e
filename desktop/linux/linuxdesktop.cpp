#include "linuxdesktop.h"

LinuxDesktop::LinuxDesktop(const QString &title)
    : m_messages(title)
    , m_desktop{m_messages, m_sounds, m_shell, m_folders, m_shortcuts, m_settings, m_pump}
{
}
