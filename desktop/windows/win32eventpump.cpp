#include "desktop/windows/win32eventpump.h"

#include <windows.h>

void Win32EventPump::yield()
{
    pumpWaitingMessages();
}

void Win32EventPump::pumpWaitingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        // A WM_QUIT belongs to the program's own loop: put it back for that loop to see.
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
