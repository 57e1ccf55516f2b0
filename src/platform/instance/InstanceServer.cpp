#include "platform/instance/InstanceServer.h"

#include "platform/instance/PathRecord.h"

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
    const ConsumedFrames got = consumeFrames(*it);
    QByteArray replies;
    for (const ReceivedFrame& frame : got.frames)
        replies += handleFrame(frame) ? instanceReplyAccepted : instanceReplyRejected;
    if (got.malformed) {
        // Nothing after an unreadable frame can be trusted.
        socket->write(replies + instanceReplyRejected);
        socket->disconnectFromServer();
        return;
    }
    if (!replies.isEmpty())
        socket->write(replies);
}

bool InstanceServer::handleFrame(const ReceivedFrame& frame)
{
    // Answered first, acted on later: the sender need not wait while the window opens
    // a file or shows a dialog, and no slot runs inside this socket's handler.
    switch (frame.kind) {
    case ReceivedFrame::Kind::raise:
        QMetaObject::invokeMethod(
            this, [this] { emit raiseRequested(); }, Qt::QueuedConnection);
        return true;
    case ReceivedFrame::Kind::path:
        if (!frame.path.isEmpty()) {
            const QString text = QString::fromLocal8Bit(frame.path);
            QMetaObject::invokeMethod(
                this, [this, text] { emit pathReceived(text); }, Qt::QueuedConnection);
        }
        return true;
    case ReceivedFrame::Kind::rejected:
        break;
    }
    return false;
}

void InstanceServer::forget(QLocalSocket* socket)
{
    m_buffers.remove(socket);
    socket->deleteLater();
}
