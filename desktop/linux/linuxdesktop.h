#pragma once

#include "desktop/desktop.h"
#include "desktop/linux/canberrasoundplayer.h"
#include "desktop/linux/desktopentrywriter.h"
#include "desktop/linux/qtdownloader.h"
#include "desktop/linux/qteventpump.h"
#include "desktop/linux/qtknownfolders.h"
#include "desktop/linux/qtmessageboxes.h"
#include "desktop/linux/qtsettingsstore.h"
#include "desktop/linux/qtshell.h"
#include "desktop/linux/x11directsave.h"

/// Owns the real desktop services of a Linux session for one program.
class LinuxDesktop
{
public:
    /// title: the caption of the program's message boxes.
    explicit LinuxDesktop(const QString &title);
    ~LinuxDesktop();
    LinuxDesktop(const LinuxDesktop &) = delete;
    LinuxDesktop &operator=(const LinuxDesktop &) = delete;

    Desktop &services() { return m_desktop; }
    QtMessageBoxes &messageBoxes() { return m_messages; }

private:
    QtMessageBoxes m_messages;
    CanberraSoundPlayer m_sounds;
    QtShell m_shell;
    QtKnownFolders m_folders;
    DesktopEntryWriter m_shortcuts;
    QtSettingsStore m_settings;
    QtEventPump m_pump;
    X11DirectSave m_directSave;
    QtDownloader m_downloader;
    Desktop m_desktop;
};
