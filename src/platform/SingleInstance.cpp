#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
const QByteArray kShowRequest = "show\n";
const QByteArray kShowAnswer = "shown\n";
constexpr int kWaitMs = 5000;

QString RuntimeName(const QString &key, const char *suffix)
{
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("halvoran-") + QString::fromLatin1(hash) + QLatin1String(suffix));
}
} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent),
      m_socketPath(RuntimeName(key, ".socket")),
      m_lock(RuntimeName(key, ".lock"))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

SingleInstance::Role SingleInstance::claim()
{
    // A lock left by a process that is gone is stale at once; a live one is held
    // only for the moments of a start.
    m_lock.setStaleLockTime(kWaitMs * 2);
    const bool locked = m_lock.tryLock(kWaitMs);
    Role role = Role::First;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(kWaitMs))
        role = askToShow(socket) ? Role::HandedOver : Role::Unreachable;
    if (role == Role::First) {
        // Nobody answers: what is there was left by a program that ended without
        // closing it.
        QLocalServer::removeServer(m_socketPath);
        m_server = std::make_unique<QLocalServer>();
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::answer);
        // A program that cannot listen still runs; it only cannot be found.
        m_server->listen(m_socketPath);
    }
    if (locked)
        m_lock.unlock();
    return role;
}

bool SingleInstance::askToShow(QLocalSocket &socket)
{
    socket.write(kShowRequest);
    if (!socket.waitForBytesWritten(kWaitMs))
        return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kWaitMs))
            return false;
    return socket.readLine() == kShowAnswer;
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == kShowRequest) {
                emit showRequested();
                socket->write(kShowAnswer);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}
