#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

/// A real folder under the system's temporary folder, removed with everything in it
/// when the test ends.
class TempFolder
{
public:
    TempFolder()
    {
        std::random_device device;
        m_path = std::filesystem::temp_directory_path() / ("stowlet-test-" + std::to_string(device()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::string str() const { return m_path.string(); }

    /// Path text of an entry inside the folder.
    std::string operator/(const std::string &name) const { return (m_path / native(name)).string(); }

    /// Creates a subfolder and returns its path text.
    std::string makeFolder(const std::string &name) const
    {
        std::filesystem::create_directories(m_path / native(name));
        return (m_path / native(name)).string();
    }

    /// Writes a file with the given bytes and returns its path text.
    std::string writeFile(const std::string &name, const std::string &bytes) const
    {
        const auto file = m_path / native(name);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

private:
    // Names are written with "/" inside; the result uses the platform's own separator.
    static std::filesystem::path native(const std::string &name)
    {
        return std::filesystem::path(name).make_preferred();
    }

    std::filesystem::path m_path;
};

/// The whole content of a file, or "<missing>".
inline std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// The names of the entries of a folder, sorted; empty when the folder cannot be read.
inline std::vector<std::string> folderNames(const std::string &folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
