#include "desktop/windows/win32soundplayer.h"

// The other Win32 headers need what windows.h defines, so it comes first.
#include <windows.h>

#include <mmsystem.h>

void Win32SoundPlayer::play(const std::filesystem::path &file)
{
    // The path's 8-bit form is the ANSI code page's, which is what the A function takes.
    sndPlaySoundA(file.string().c_str(), SND_ASYNC);
}
