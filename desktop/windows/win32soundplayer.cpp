#include "win32soundplayer.h"

#include <mmsystem.h>
#include <windows.h>

void Win32SoundPlayer::play(const std::filesystem::path &file)
{
    // The path's 8-bit form is the ANSI code page's, which is what the A function takes.
    sndPlaySoundA(file.string().c_str(), SND_ASYNC);
}
