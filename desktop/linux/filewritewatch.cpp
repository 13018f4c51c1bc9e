#include "filewritewatch.h"

#include "paths.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Without inotify, a file whose size has not changed for this long counts as written.
constexpr auto StableFor = 300ms;

} // namespace

FileWriteWatch::FileWriteWatch(const std::string &folder, const std::string &name)
    : m_path(Paths::join(folder, name)), m_name(name)
{
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0)
        return;
    constexpr std::uint32_t mask = IN_CREATE | IN_OPEN | IN_MODIFY | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE | IN_MOVED_TO;
    if (inotify_add_watch(m_fd, folder.c_str(), mask) < 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

FileWriteWatch::~FileWriteWatch()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

// Counts the opens and closes of the file; true when anything happened to it.
bool FileWriteWatch::readEvents()
{
    if (m_fd < 0)
        return false;
    bool happened = false;
    alignas(inotify_event) char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got <= 0)
            return happened;
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW)
                m_eventsLost = true;
            if (event->len == 0 || m_name != event->name)
                continue;
            happened = true;
            if (event->mask & IN_OPEN)
                ++m_openCount;
            if (event->mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE))
                --m_openCount;
        }
    }
}

// Without inotify, a change of size is what tells that the file is being written.
bool FileWriteWatch::observe(std::chrono::steady_clock::time_point now)
{
    if (watching())
        return readEvents();
    struct stat info = {};
    const std::int64_t size = ::lstat(m_path.c_str(), &info) == 0 ? info.st_size : -1;
    if (size == m_lastSize)
        return false;
    m_lastSize = size;
    m_sizeSince = now;
    return true;
}

bool FileWriteWatch::looksWritten(std::chrono::steady_clock::time_point now) const
{
    struct stat info = {};
    if (::lstat(m_path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0)
        return false;
    return watching() ? m_openCount <= 0 : now - m_sizeSince >= StableFor;
}

bool FileWriteWatch::waitUntilWritten(std::chrono::milliseconds quietLimit, std::chrono::milliseconds totalLimit)
{
    const auto start = std::chrono::steady_clock::now();
    auto lastActivity = start;
    for (;;) {
        const auto now = std::chrono::steady_clock::now();
        if (observe(now))
            lastActivity = now;
        if (looksWritten(now))
            return true;
        if (now - lastActivity >= quietLimit || now - start >= totalLimit)
            return false;
        const auto left = std::min(quietLimit - (now - lastActivity), totalLimit - (now - start));
        const auto pause = std::chrono::duration_cast<std::chrono::milliseconds>(left) + 1ms;
        if (watching()) {
            pollfd watch{m_fd, POLLIN, 0};
            ::poll(&watch, 1, static_cast<int>(pause.count()));
        } else {
            std::this_thread::sleep_for(std::min<std::chrono::milliseconds>(pause, 50ms));
        }
    }
}
