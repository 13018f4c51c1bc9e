#include "desktop/windows/win32knownfolders.h"

// The other Win32 headers need what windows.h defines, so it comes first.
#include <windows.h>

#include <shlobj.h>

#include <cstring>

std::string Win32KnownFolders::specialFolder(int csidl)
{
    // The owner window is reserved by the lookup; none is passed.
    LPITEMIDLIST items = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, csidl, &items) != S_OK || !items)
        return {};
    char buffer[512] = {};
    const bool converted = SHGetPathFromIDListA(items, buffer);
    CoTaskMemFree(items);
    // Up to the first NUL; a failed conversion leaves none to trust.
    if (!converted || std::memchr(buffer, '\0', sizeof buffer) == nullptr)
        return {};
    return buffer;
}

std::string Win32KnownFolders::homeFolder()
{
    return specialFolder(CSIDL_PROFILE);
}

std::string Win32KnownFolders::tempFolder()
{
    // The returned count is the path's length, trailing backslash included; a count of
    // the buffer's size or more means the path did not fit, and none is better than half.
    char buffer[255] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer)
        return {};
    return std::string(buffer, length);
}
