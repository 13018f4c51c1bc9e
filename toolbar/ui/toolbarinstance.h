#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QDeadlineTimer;
class QLocalServer;
class QLockFile;

namespace toolbar {

/// Keeps one toolbar per user and program folder, so that two toolbars never count on
/// the same files. The first start holds a lock and listens; a later start asks the
/// running toolbar to come to the front and ends. A lock whose holder has gone (a toolbar
/// that crashed) is taken over; one whose holder does not answer (starting up, or ending)
/// is tried again for up to two seconds.
class ToolbarInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolbarInstance)

public:
    /// folder: where the lock and the socket live; key: what the toolbars that must not
    /// run together share (the program's folder).
    ToolbarInstance(const QString &folder, const QString &key);
    ~ToolbarInstance() override;

    /// True when this start is the one toolbar, which then listens for later starts.
    /// False when another toolbar runs: it has been asked to come to the front, or it held
    /// the lock without answering for two seconds.
    bool claim();

    /// The user's own folder for such files.
    static QString defaultFolder();

    /// The lock file: it names the process that holds it.
    QString lockPath() const { return m_lockPath; }

signals:
    /// A later start asked for the toolbar.
    void anotherStart();

private:
    void listen();
    /// True when the running toolbar took the call.
    bool askTheRunningToolbar(const QDeadlineTimer &deadline);

    QString m_lockPath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace toolbar
