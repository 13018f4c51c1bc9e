#include "toolbarinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {
constexpr int AnswerWait = 2000; // ms a later start waits for the running toolbar
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
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError)
            return true; // no lock can be made here: better a toolbar than none
        askTheRunningToolbar();
        return false;
    }
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
    m_server->listen(m_serverName);
    return true;
}

void ToolbarInstance::askTheRunningToolbar()
{
    // Being called is the whole request.
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (socket.waitForConnected(AnswerWait))
        socket.disconnectFromServer();
}
