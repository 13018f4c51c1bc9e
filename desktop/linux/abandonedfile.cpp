#include "desktop/linux/abandonedfile.h"

#include "desktop/paths.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/inotify.h>
#include <unistd.h>

void AbandonedFile::remove(const std::string &folder, const std::string &name, std::chrono::milliseconds watchFor)
{
    const int inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify >= 0 && QCoreApplication::instance() &&
        inotify_add_watch(inotify, folder.c_str(), IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO) >= 0) {
        auto *watch = new AbandonedFile(folder, name, inotify);
        QTimer::singleShot(watchFor, watch, &QObject::deleteLater);
    } else if (inotify >= 0) {
        ::close(inotify);
    }
    ::unlink(Paths::join(folder, name).c_str());
}

AbandonedFile::AbandonedFile(const std::string &folder, const std::string &name, int inotify)
    : QObject(QCoreApplication::instance()), m_path(Paths::join(folder, name)), m_name(name), m_inotify(inotify),
      m_notifier(new QSocketNotifier(inotify, QSocketNotifier::Read, this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, &AbandonedFile::readEvents);
}

AbandonedFile::~AbandonedFile()
{
    m_notifier->setEnabled(false);
    ::close(m_inotify);
}

void AbandonedFile::readEvents()
{
    alignas(inotify_event) char buffer[4096];
    bool reappeared = false;
    for (ssize_t got; (got = ::read(m_inotify, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            reappeared = reappeared || (event->len > 0 && m_name == event->name);
        }
    }
    // The writer keeps writing into the removed file, which goes when it closes it.
    if (reappeared)
        ::unlink(m_path.c_str());
}
