#pragma once

#include "desktop/desktop.h"

#include <optional>
#include <string>

/// Notification sounds, by their fixed kind numbers.
enum class SoundKind { CopySuccess = 1, CopyFailed = 2, Warning = 3, NewBaseName = 4 };

/// The small procedures through which the programs touch the desktop shell. Apart from
/// the shortcut procedures they swallow every failure and return a neutral result.

/// Deletes the file; every error (no such file, in use, no permission) is ignored.
void DeleteFileQuietly(const std::string &path);

/// The sound file name of a kind, or empty text for an unknown kind.
std::string SoundFileName(int kind);

/// Starts the sound of a kind from appFolder and returns at once.
void PlaySound(Desktop &desktop, const std::string &appFolder, int kind);
void PlaySound(Desktop &desktop, const std::string &appFolder, SoundKind kind);

/// Opens a file or folder with its associated application; errors are ignored.
void OpenWithShell(Desktop &desktop, const std::string &path);

/// The path of a known folder, or empty text when the desktop has none.
std::string GetSpecialFolder(Desktop &desktop, int csidl);

/// The link path with the platform's shortcut extension appended unless it already ends
/// in one of the platform's extensions (compared without regard to case).
std::string ShortcutLinkPath(const std::string &linkPath);

/// Writes a shell shortcut. Defaults: a maximised window, the target's first icon, the
/// target as working folder. True when the shortcut file was written.
bool MakeShortcut(Desktop &desktop, const std::string &linkPath, const std::string &description,
                  const std::string &targetPath, std::optional<WindowStyle> windowStyle = std::nullopt,
                  std::optional<std::string> iconLocation = std::nullopt,
                  std::optional<std::string> workingDirectory = std::nullopt);

/// The auto-start shortcut's path, or empty text when the desktop has no Startup folder.
std::string AutoStartShortcutPath(Desktop &desktop);

/// Creates the shortcut that starts the toolbar at log-on, unless one already exists or
/// the desktop has no Startup folder. It runs command, or this program when that is empty.
void CreateAutoStartShortcut(Desktop &desktop, const std::string &appFolder, const std::string &command = {});

/// Deletes the auto-start shortcut quietly.
void RemoveAutoStartShortcut(Desktop &desktop);

/// The toolbar program's title, used for its shortcut, settings and message captions.
inline constexpr const char *ProgramTitle = "Stowlet";
