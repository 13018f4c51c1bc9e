#pragma once

#include <QObject>

#include <chrono>
#include <string>

class QSocketNotifier;

/// A file that a drag source may still create or write after the drop has given up on
/// it (a browser downloads into the file it was asked for whenever the server answers).
/// It is removed now, and again whenever it reappears, for a while; so no stray file is
/// left in the spot's folder.
class AbandonedFile final : public QObject
{
public:
    /// Removes folder/name and keeps it removed for watchFor.
    static void remove(const std::string &folder, const std::string &name, std::chrono::milliseconds watchFor);
    ~AbandonedFile() override;

private:
    AbandonedFile(const std::string &folder, const std::string &name, int inotify);
    Q_DISABLE_COPY_MOVE(AbandonedFile)
    void readEvents();

    std::string m_path;
    std::string m_name;
    int m_inotify;
    QSocketNotifier *m_notifier;
};
