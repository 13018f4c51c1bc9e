#pragma once

#include <chrono>
#include <cstdint>
#include <string>

/// Follows another program writing one file in a folder, so that a file the program
/// reports as saved is taken only once it is complete. (A browser answers a direct save
/// as soon as it has created the file, and only then downloads the picture into it.)
/// With inotify the file counts as written once it has content and nobody has it open;
/// without, once its size has stopped changing for a moment.
class FileWriteWatch
{
public:
    /// Starts watching; the file need not exist yet.
    FileWriteWatch(const std::string &folder, const std::string &name);
    ~FileWriteWatch();
    FileWriteWatch(const FileWriteWatch &) = delete;
    FileWriteWatch &operator=(const FileWriteWatch &) = delete;

    /// Waits until the file is written. Gives up, returning false, once nothing has
    /// happened to it for quietLimit, or after totalLimit in all.
    bool waitUntilWritten(std::chrono::milliseconds quietLimit, std::chrono::milliseconds totalLimit);

private:
    bool watching() const { return m_fd >= 0 && !m_eventsLost; }
    bool observe(std::chrono::steady_clock::time_point now);
    bool readEvents();
    bool looksWritten(std::chrono::steady_clock::time_point now) const;

    std::string m_path;
    std::string m_name;
    int m_fd = -1;
    int m_openCount = 0;
    bool m_eventsLost = false;
    std::int64_t m_lastSize = -1;
    std::chrono::steady_clock::time_point m_sizeSince;
};
