#include "instance/InstanceServer.h"

#include "instance/PathRecord.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace
{

// A sender gets this long to deliver its messages; an idle connection is then dropped.
constexpr int connectionLifetimeMs = 5000;
constexpr int liveOwnerProbeMs = 200;

bool someoneAnswersAt(const QString& serverName)
{
    QLocalSocket probe;
    probe.connectToServer(serverName);
    const bool answered = probe.waitForConnected(liveOwnerProbeMs);
    probe.abort();
    return answered;
}

} // namespace

InstanceServer::InstanceServer(QObject* parent) : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptConnections);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const QString& key)
{
    return listenOn(instanceNames(key).serverName);
}

bool InstanceServer::listenOn(const QString& serverName)
{
    if (m_server->isListening())
        m_server->close();
    // Checked here, not left to listen(): with access options Qt binds elsewhere and
    // renames the socket into place, which would silently replace a live one.
    if (someoneAnswersAt(serverName))
        return false;
    if (m_server->listen(serverName))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(serverName);
    return m_server->listen(serverName);
}

bool InstanceServer::isListening() const
{
    return m_server->isListening();
}

QString InstanceServer::serverName() const
{
    return m_server->fullServerName();
}

void InstanceServer::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { forget(socket); });
        QTimer::singleShot(connectionLifetimeMs, socket, [this, socket] {
            socket->abort();
            forget(socket);
        });
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void InstanceServer::readFrom(QLocalSocket* socket)
{
    auto it = m_buffers.find(socket);
    if (it == m_buffers.end())
        return;
    it->append(socket->readAll());
    QByteArray replies;
    for (;;) {
        const FrameScan scan = scanFrame(*it);
        if (scan.status == FrameScan::Status::needMore)
            break;
        if (scan.status == FrameScan::Status::malformed) {
            // Nothing after an unreadable frame can be trusted.
            it->clear();
            socket->write(replies + instanceReplyRejected);
            socket->disconnectFromServer();
            return;
        }
        const QByteArray frame = it->first(scan.length);
        it->remove(0, scan.length);
        replies += handleFrame(frame) ? instanceReplyAccepted : instanceReplyRejected;
    }
    if (!replies.isEmpty())
        socket->write(replies);
}

bool InstanceServer::handleFrame(const QByteArray& frame)
{
    // Answered first, acted on later: the sender need not wait while the window opens
    // a file or shows a dialog, and no slot runs inside this socket's handler.
    if (isRaiseRequest(frame)) {
        QMetaObject::invokeMethod(
            this, [this] { emit raiseRequested(); }, Qt::QueuedConnection);
        return true;
    }
    const std::optional<QByteArray> path = decodePathRecord(frame);
    if (!path)
        return false;
    if (!path->isEmpty()) {
        const QString text = QString::fromLocal8Bit(*path);
        QMetaObject::invokeMethod(
            this, [this, text] { emit pathReceived(text); }, Qt::QueuedConnection);
    }
    return true;
}

void InstanceServer::forget(QLocalSocket* socket)
{
    m_buffers.remove(socket);
    socket->deleteLater();
}
