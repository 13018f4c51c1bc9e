#pragma once

#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

class QSocketNotifier;
class QTimer;

/// Follows another program writing one file in a folder, so that a file the program
/// reports as saved is taken only once it is complete. (A browser answers a direct save
/// as soon as it has created the file, and only then downloads the picture into it.)
/// With inotify the file counts as written once it has content and nobody has it open;
/// without, once its size has stopped changing for a moment. The watch runs on the event
/// loop: nothing waits for it.
class FileWriteWatch final : public QObject
{
public:
    /// How long a writer may take: at most quiet without any progress, total in all.
    struct Patience
    {
        std::chrono::milliseconds quiet;
        std::chrono::milliseconds total;
    };
    using Finished = std::function<void(bool written)>;

    /// Starts watching folder/name; the file need not exist yet.
    FileWriteWatch(const std::string &folder, const std::string &name, Patience patience, QObject *parent = nullptr);
    ~FileWriteWatch() override;
    Q_DISABLE_COPY_MOVE(FileWriteWatch)

    /// finished is called once, from the event loop: true when the file is written;
    /// false once nothing has happened to it for the quiet time, or the total time is up.
    void onFinished(Finished finished) { m_finished = std::move(finished); }

private:
    bool watching() const { return m_fd >= 0 && !m_eventsLost; }
    void check();
    void giveUp();
    void end(bool written);
    bool observe(std::chrono::steady_clock::time_point now);
    bool readEvents();
    bool looksWritten(std::chrono::steady_clock::time_point now) const;

    std::string m_path;
    std::string m_name;
    Finished m_finished;
    int m_fd = -1;
    int m_openCount = 0;
    bool m_eventsLost = false;
    bool m_ended = false;
    std::int64_t m_lastSize = -1;
    std::chrono::steady_clock::time_point m_sizeSince;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_quiet;
    QTimer *m_total;
    QTimer *m_poll; ///< looks at the file's size where inotify cannot tell
};
