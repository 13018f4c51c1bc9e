// A COM component as far as the registration tool can tell: DllRegisterServer writes
// "registered" into the file beside the DLL named after it with ".registered" added.
#include <windows.h>

#include <cstdio>

namespace {
HMODULE g_module = nullptr;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_module = instance;
    return TRUE;
}

extern "C" HRESULT WINAPI DllRegisterServer()
{
    char path[MAX_PATH + 16] = {};
    const DWORD length = GetModuleFileNameA(g_module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return E_FAIL;
    lstrcatA(path, ".registered");
    std::FILE *out = std::fopen(path, "ab");
    if (!out)
        return E_FAIL;
    std::fputs("registered\n", out);
    std::fclose(out);
    return S_OK;
}

extern "C" HRESULT WINAPI DllUnregisterServer()
{
    return S_OK;
}
