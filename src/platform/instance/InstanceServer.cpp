#include "platform/instance/InstanceServer.h"

#include "platform/instance/LocalSocket.h"
#include "platform/instance/PathRecord.h"

#include <QTimer>

namespace
{

// A sender gets this long to deliver its messages; an idle connection is then dropped.
constexpr int connectionLifetimeMs = 5000;
constexpr int liveOwnerProbeMs = 200;
// A second start sends one raise and one path record of at most 32 KiB.
constexpr qsizetype maxBytesPerConnection = 64 * 1024;
// More senders at once are no second starts; they are turned away at the door.
constexpr qsizetype maxConnections = 8;

} // namespace

InstanceServer::InstanceServer(QObject* parent) : QObject(parent), m_listener(LocalListener::create(this))
{
    connect(m_listener, &LocalListener::connected, this, &InstanceServer::accept);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const QString& key)
{
    return listenOn(instanceNames(key).serverName);
}

bool InstanceServer::listenOn(const QString& serverName)
{
    m_listener->close();
    // Asked first, so that a live instance's name is never taken over.
    if (someoneListensAt(serverName, liveOwnerProbeMs))
        return false;
    switch (m_listener->listen(serverName)) {
    case LocalListener::Result::listening:
        return true;
    case LocalListener::Result::addressInUse:
        // Left behind by a run that crashed: nobody answered there.
        removeLocalSocket(serverName);
        return m_listener->listen(serverName) == LocalListener::Result::listening;
    case LocalListener::Result::failed:
        break;
    }
    return false;
}

bool InstanceServer::isListening() const
{
    return m_listener->isListening();
}

QString InstanceServer::serverName() const
{
    return m_listener->path();
}

void InstanceServer::accept(LocalConnection* connection)
{
    if (m_inboxes.size() >= maxConnections) {
        connection->abort();
        connection->deleteLater();
        return;
    }
    m_inboxes.insert(connection, Inbox());
    connect(connection, &LocalConnection::readyRead, this, [this, connection] { readFrom(connection); });
    connect(connection, &LocalConnection::disconnected, this, [this, connection] { forget(connection); });
    QTimer::singleShot(connectionLifetimeMs, connection, [this, connection] {
        connection->abort();
        forget(connection);
    });
}

void InstanceServer::readFrom(LocalConnection* connection)
{
    auto it = m_inboxes.find(connection);
    if (it == m_inboxes.end())
        return;
    const QByteArray arrived = connection->readAll();
    it->received += arrived.size();
    if (it->received > maxBytesPerConnection) {
        connection->write(QByteArray(1, instanceReplyRejected));
        connection->closeAfterWriting();
        return;
    }
    it->pending += arrived;
    const ConsumedFrames got = consumeFrames(it->pending);
    QByteArray replies;
    for (const ReceivedFrame& frame : got.frames)
        replies += handleFrame(frame) ? instanceReplyAccepted : instanceReplyRejected;
    if (got.malformed)
        replies += instanceReplyRejected;
    if (!replies.isEmpty())
        connection->write(replies);
    // Nothing after an unreadable frame can be trusted.
    if (got.malformed)
        connection->closeAfterWriting();
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

void InstanceServer::forget(LocalConnection* connection)
{
    m_inboxes.remove(connection);
    connection->deleteLater();
}
