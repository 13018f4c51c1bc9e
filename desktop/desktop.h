#pragma once

#include "desktop/eventpump.h"
#include "desktop/knownfolders.h"
#include "desktop/messageboxes.h"
#include "desktop/settingsstore.h"
#include "desktop/shell.h"
#include "desktop/shortcuts.h"
#include "desktop/soundplayer.h"

/// The desktop services one program uses, handed around by reference. The services
/// themselves are owned by main (or by a test).
struct Desktop
{
    MessageBoxes &messages;
    SoundPlayer &sounds;
    Shell &shell;
    KnownFolders &folders;
    ShortcutWriter &shortcuts;
    SettingsStore &settings;
    EventPump &pump;
};
