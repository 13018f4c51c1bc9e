#include "desktop/shellprocedures.h"

#include "desktop/paths.h"
#include "desktop/platformnames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

void DeleteFileQuietly(const std::string &path)
{
    std::error_code ignored;
    if (!fs::is_directory(fs::path(path), ignored))
        fs::remove(fs::path(path), ignored);
}

std::string SoundFileName(int kind)
{
    switch (kind) {
    case 1:
        return "CopySuccess.wav";
    case 2:
        return "CopyFailed.wav";
    case 3:
        return "Warning.wav";
    case 4:
        return "NewBaseName.wav";
    default:
        return {};
    }
}

void PlaySound(Desktop &desktop, const std::string &appFolder, int kind)
{
    desktop.sounds.play(fs::path(Paths::join(appFolder, SoundFileName(kind))));
}

void PlaySound(Desktop &desktop, const std::string &appFolder, SoundKind kind)
{
    PlaySound(desktop, appFolder, static_cast<int>(kind));
}

void OpenWithShell(Desktop &desktop, const std::string &path)
{
    desktop.shell.open(path);
}

std::string GetSpecialFolder(Desktop &desktop, int csidl)
{
    return desktop.folders.specialFolder(csidl);
}

namespace {
std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
} // namespace

std::string ShortcutLinkPath(const std::string &linkPath)
{
    const std::string lower = lowerCase(linkPath);
    const auto &extensions = PlatformNames::shortcutExtensions();
    for (const std::string &extension : extensions) {
        if (lower.size() >= extension.size() &&
            lower.compare(lower.size() - extension.size(), extension.size(), extension) == 0)
            return linkPath;
    }
    return linkPath + extensions.front();
}

bool MakeShortcut(Desktop &desktop, const std::string &linkPath, const std::string &description,
                  const std::string &targetPath, std::optional<WindowStyle> windowStyle,
                  std::optional<std::string> iconLocation, std::optional<std::string> workingDirectory)
{
    ShortcutProperties properties;
    properties.description = description;
    properties.iconLocation = iconLocation.value_or(targetPath + ",1");
    properties.targetPath = targetPath;
    properties.windowStyle = windowStyle.value_or(WindowStyle::Maximized);
    properties.workingDirectory = workingDirectory.value_or(targetPath);
    return desktop.shortcuts.writeShortcut(ShortcutLinkPath(linkPath), properties);
}

std::string AutoStartShortcutPath(Desktop &desktop)
{
    const std::string startup = GetSpecialFolder(desktop, Csidl::Startup);
    if (startup.empty())
        return {};
    return ShortcutLinkPath(Paths::join(startup, ProgramTitle));
}

void CreateAutoStartShortcut(Desktop &desktop, const std::string &appFolder, const std::string &command)
{
    const std::string link = AutoStartShortcutPath(desktop);
    // Without a Startup folder the link would land in some unrelated folder: skip it.
    if (link.empty() || Paths::fileExists(link))
        return;
    const std::string program = command.empty() ? desktop.shell.executablePath() : command;
    std::error_code ec;
    fs::create_directories(fs::path(Paths::parentFolder(link)), ec);
    MakeShortcut(desktop, link, ProgramTitle, program, std::nullopt,
                 PlatformNames::programIconLocation(desktop.shell.executablePath(), appFolder), appFolder);
}

void RemoveAutoStartShortcut(Desktop &desktop)
{
    const std::string link = AutoStartShortcutPath(desktop);
    if (!link.empty())
        DeleteFileQuietly(link);
}
