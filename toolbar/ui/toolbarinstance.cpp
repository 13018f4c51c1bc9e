#include "toolbar/ui/toolbarinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace toolbar {

namespace {
constexpr int AnswerWait = 2000;  // ms a later start waits for the running toolbar
constexpr int AskAgainPause = 50; // ms between two tries while the running toolbar cannot answer
} // namespace

ToolbarInstance::ToolbarInstance(const QString &folder, const QString &key)
{
    const QString name =
        QStringLiteral("Stowlet-") +
        QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    m_lockPath = QDir(folder).filePath(name + QStringLiteral(".lock"));
    m_serverName = QDir(folder).filePath(name + QStringLiteral(".socket"));
}

ToolbarInstance::~ToolbarInstance() = default;

QString ToolbarInstance::defaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool ToolbarInstance::claim()
{
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock is stale only when its holder is gone, however long a toolbar has run.
    m_lock->setStaleLockTime(0);
    // The holder may be a toolbar that has taken the lock but does not listen yet, or one
    // that is ending and has stopped listening: either way the call goes unanswered. So
    // this start tries the lock and the call again until one of them succeeds, rather than
    // end with its request lost (and, when the holder was ending, no toolbar at all).
    const QDeadlineTimer deadline(AnswerWait);
    while (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError)
            return true; // no lock can be made here: better a toolbar than none
        if (askTheRunningToolbar(deadline) || deadline.hasExpired())
            return false;
        QThread::msleep(AskAgainPause);
    }
    listen();
    return true;
}

void ToolbarInstance::listen()
{
    // A toolbar that crashed left its socket behind; the lock says it is ours now.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *caller = m_server->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            caller->disconnectFromServer();
        }
        emit anotherStart();
    });
    // Once the program is ending no call would be answered, so it stops listening: a later
    // start then finds no one there and waits for the lock instead.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, m_server, &QLocalServer::close);
    m_server->listen(m_serverName);
}

bool ToolbarInstance::askTheRunningToolbar(const QDeadlineTimer &deadline)
{
    // Being called is the whole request.
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(std::max(0, int(deadline.remainingTime()))))
        return false;
    socket.disconnectFromServer();
    return true;
}

} // namespace toolbar
