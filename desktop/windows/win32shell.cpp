#include "desktop/windows/win32shell.h"

#include "desktop/paths.h"

// The other Win32 headers need what windows.h defines, so it comes first.
#include <windows.h>

#include <shellapi.h>

namespace {

bool needsQuotes(const std::string &text)
{
    if (text.empty())
        return true;
    for (unsigned char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
                           c == '-' || c == '_';
        if (!plain)
            return true;
    }
    return false;
}

// Backslashes only escape when they come before a double quote (the closing one included).
std::string quoted(const std::string &text)
{
    if (!needsQuotes(text))
        return text;
    std::string result = "\"";
    std::size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        result.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        result += c;
    }
    result.append(backslashes * 2, '\\');
    return result + "\"";
}

// The process, or nothing when it could not be started.
HANDLE start(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style,
             const std::string &workingFolder)
{
    std::string line = Win32Shell::commandLine(program, arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    // The styles are the show commands: hidden 0, normal 1, minimised 2, maximised 3.
    startup.wShowWindow = static_cast<WORD>(style);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

} // namespace

std::string Win32Shell::commandLine(const std::string &program, const std::vector<std::string> &arguments)
{
    std::string line = quoted(program);
    for (const std::string &argument : arguments)
        line += ' ' + quoted(argument);
    return line;
}

void Win32Shell::open(const std::string &path)
{
    if (path.empty())
        return;
    const std::string folder = Paths::parentFolder(executablePath());
    ShellExecuteA(static_cast<HWND>(m_owner), "Open", path.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

void Win32Shell::openUrl(const std::string &address, WindowStyle style)
{
    if (!address.empty())
        ShellExecuteA(static_cast<HWND>(m_owner), "Open", address.c_str(), nullptr, nullptr, static_cast<int>(style));
}

bool Win32Shell::startProgram(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style,
                              const std::string &workingFolder)
{
    const HANDLE process = start(program, arguments, style, workingFolder);
    if (!process)
        return false;
    CloseHandle(process);
    return true;
}

int Win32Shell::runAndWait(const std::string &program, const std::vector<std::string> &arguments, WindowStyle style)
{
    const HANDLE process = start(program, arguments, style, {});
    if (!process)
        return -1;
    WaitForSingleObject(process, INFINITE);
    DWORD exitCode = 0;
    const bool known = GetExitCodeProcess(process, &exitCode);
    CloseHandle(process);
    return known ? static_cast<int>(exitCode) : -1;
}

std::string Win32Shell::executablePath()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}
