#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

/// A scratch folder for one fuzzing process, on a RAM disk where there is one.
class FuzzFolder
{
public:
    FuzzFolder()
    {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                               : std::filesystem::temp_directory_path();
        m_path = base / ("stowlet-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_path);
    }
    ~FuzzFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string path() const { return m_path.string(); }
    void write(const std::string &name, const std::uint8_t *data, std::size_t size) const
    {
        std::ofstream(m_path / name, std::ios::binary)
            .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    }

private:
    std::filesystem::path m_path;
};
