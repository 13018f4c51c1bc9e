// Started by the shell tests: writes how it was asked to show its window and the
// arguments it received, one per line, into the file named by its first argument.
#include <windows.h>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    std::FILE *out = std::fopen(argv[1], "wb");
    if (!out)
        return 3;
    std::fprintf(out, "show %d\n", (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1);
    for (int i = 2; i < argc; ++i)
        std::fprintf(out, "[%s]\n", argv[i]);
    std::fclose(out);
    return 42;
}
