#pragma once

#include <string>

/// Known-folder numbers of the platform (CSIDL values).
namespace Csidl {
inline constexpr int Desktop = 0;
inline constexpr int Programs = 2;
inline constexpr int Startup = 7;
inline constexpr int CommonPrograms = 23;
inline constexpr int CommonDesktop = 25;
inline constexpr int AppData = 26;
inline constexpr int System = 37;
inline constexpr int ProgramFiles = 38;
inline constexpr int MyPictures = 39;
} // namespace Csidl

/// Looks up the desktop's well-known folders.
class KnownFolders
{
public:
    virtual ~KnownFolders() = default;

    /// The folder's path for a CSIDL number, or empty text when the platform has no such folder.
    virtual std::string specialFolder(int csidl) = 0;

    /// The user's home folder.
    virtual std::string homeFolder() = 0;

    /// The system's temporary folder, with a trailing separator.
    virtual std::string tempFolder() = 0;
};
