#include "desktop/paths.h"

#include <cwchar>
#include <filesystem>
#include <optional>
#include <random>

namespace fs = std::filesystem;

namespace Paths {

namespace {
bool isSeparator(char c)
{
    return c == '/' || c == static_cast<char>(fs::path::preferred_separator);
}

// Where the system keeps names as 8-bit text, that is the text already. (Each system uses
// one of these two.)
[[maybe_unused]] std::optional<std::string> narrowed(const std::string &name)
{
    return name;
}

// Where it keeps UTF-16, the C runtime converts to the code page the programs chose at start;
// nothing when a character of the name has no place in it.
[[maybe_unused]] std::optional<std::string> narrowed(const std::wstring &name)
{
    std::mbstate_t state{};
    const wchar_t *source = name.c_str();
    const std::size_t length = std::wcsrtombs(nullptr, &source, 0, &state);
    if (length == static_cast<std::size_t>(-1))
        return std::nullopt;
    std::string text(length, '\0');
    source = name.c_str();
    state = std::mbstate_t{};
    std::wcsrtombs(text.data(), &source, length, &state);
    return text;
}
} // namespace

std::string systemText(const fs::path &path)
{
    // A name the code page cannot hold can not be reached by 8-bit text at all; the
    // standard library's form at least shows it readably.
    return narrowed(path.native()).value_or(path.string());
}

char separator()
{
    return static_cast<char>(fs::path::preferred_separator);
}

std::string join(const std::string &folder, const std::string &name)
{
    if (folder.empty())
        return name;
    if (endsWithSeparator(folder))
        return folder + name;
    return folder + separator() + name;
}

bool endsWithSeparator(const std::string &path)
{
    return !path.empty() && isSeparator(path.back());
}

std::string withoutTrailingSeparator(const std::string &path)
{
    if (!endsWithSeparator(path))
        return path;
    const fs::path p(path);
    if (p.has_root_path() && p.root_path() == p)
        return path;
    return path.substr(0, path.size() - 1);
}

std::string parentFolder(const std::string &path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1]))
            return i == 1 ? path.substr(0, 1) : path.substr(0, i - 1);
    }
    return {};
}

std::string fileName(const std::string &path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1]))
            return path.substr(i);
    }
    return path;
}

bool fileExists(const std::string &path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

bool folderExists(const std::string &path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

bool canCreateIn(const std::string &folder)
{
    // A folder is made rather than a file: making one never follows a link left under the
    // name, and fails when anything holds the name already. Permission bits alone would
    // not tell, since the owner, the groups and the file system's own rules all count.
    if (folder.empty())
        return false;
    std::random_device random;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const fs::path probe = fs::path(folder) / (".stowlet-write-check-" + std::to_string(random()));
        std::error_code ec;
        if (fs::create_directory(probe, ec)) {
            fs::remove(probe, ec);
            return true;
        }
        if (ec && ec != std::errc::file_exists)
            return false;
    }
    return false;
}

bool entryExists(const std::string &path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(fs::path(path), ec));
}

bool isFolderItself(const std::string &path)
{
    std::error_code ec;
    return fs::is_directory(fs::symlink_status(fs::path(path), ec));
}

} // namespace Paths
