#include "desktop/linux/filewritewatch.h"

#include "desktop/paths.h"

#include <QSocketNotifier>
#include <QTimer>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Without inotify, a file whose size has not changed for this long counts as written.
constexpr auto StableFor = 300ms;
constexpr auto PollEvery = 50ms;

QTimer *singleShotTimer(QObject *parent, std::chrono::milliseconds interval)
{
    auto *timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setInterval(interval);
    return timer;
}

} // namespace

FileWriteWatch::FileWriteWatch(const std::string &folder, const std::string &name, Patience patience, QObject *parent)
    : QObject(parent), m_path(Paths::join(folder, name)), m_name(name), m_sizeSince(std::chrono::steady_clock::now()),
      m_quiet(singleShotTimer(this, patience.quiet)), m_total(singleShotTimer(this, patience.total)),
      m_poll(new QTimer(this))
{
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    constexpr std::uint32_t mask = IN_CREATE | IN_OPEN | IN_MODIFY | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE | IN_MOVED_TO;
    if (m_fd >= 0 && inotify_add_watch(m_fd, folder.c_str(), mask) < 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &FileWriteWatch::check);
    }
    m_poll->setInterval(PollEvery);
    connect(m_poll, &QTimer::timeout, this, &FileWriteWatch::check);
    connect(m_quiet, &QTimer::timeout, this, &FileWriteWatch::giveUp);
    connect(m_total, &QTimer::timeout, this, &FileWriteWatch::giveUp);
    m_quiet->start();
    m_total->start();
    if (!watching())
        m_poll->start();
}

FileWriteWatch::~FileWriteWatch()
{
    if (m_notifier)
        m_notifier->setEnabled(false);
    if (m_fd >= 0)
        ::close(m_fd);
}

void FileWriteWatch::check()
{
    if (m_ended)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (observe(now))
        m_quiet->start();
    if (!watching() && !m_poll->isActive()) {
        // Events were lost: the size tells from now on, and the descriptor is left unread.
        if (m_notifier)
            m_notifier->setEnabled(false);
        m_poll->start();
    }
    if (looksWritten(now))
        end(true);
}

void FileWriteWatch::giveUp()
{
    check();
    end(false);
}

void FileWriteWatch::end(bool written)
{
    if (m_ended)
        return;
    m_ended = true;
    m_quiet->stop();
    m_total->stop();
    m_poll->stop();
    if (m_notifier)
        m_notifier->setEnabled(false);
    if (const Finished finished = std::move(m_finished))
        finished(written);
}

// Counts the opens and closes of the file; true when anything happened to it.
bool FileWriteWatch::readEvents()
{
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
