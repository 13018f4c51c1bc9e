#pragma once

#include "eventpump.h"
#include "knownfolders.h"
#include "messageboxes.h"
#include "settingsstore.h"
#include "shell.h"
#include "shortcuts.h"
#include "soundplayer.h"

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
