#include "platform/instance/LocalSocket.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <algorithm>

// For systems without AF_UNIX: the same seam over Qt Network. QLocalSocket's blocking
// calls need an event dispatcher, which the single-instance step provides.

namespace
{

constexpr int connectRetryPauseMs = 50;

int remainingMs(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 0, 60'000));
}

class QtConnection final : public LocalConnection
{
public:
    QtConnection(QLocalSocket* socket, QObject* parent) : LocalConnection(parent), m_socket(socket)
    {
        m_socket->setParent(this);
        connect(m_socket, &QLocalSocket::readyRead, this, &LocalConnection::readyRead);
        connect(m_socket, &QLocalSocket::disconnected, this, &LocalConnection::disconnected);
    }

    QByteArray readAll() override { return m_socket->readAll(); }
    void write(const QByteArray& data) override { m_socket->write(data); }
    void closeAfterWriting() override { m_socket->disconnectFromServer(); }
    void abort() override { m_socket->abort(); }

private:
    QLocalSocket* m_socket;
};

class QtListener final : public LocalListener
{
public:
    explicit QtListener(QObject* parent) : LocalListener(parent), m_server(new QLocalServer(this))
    {
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &QtListener::acceptPending);
    }

    Result listen(const QString& path) override
    {
        close();
        if (m_server->listen(path))
            return Result::listening;
        return m_server->serverError() == QAbstractSocket::AddressInUseError ? Result::addressInUse
                                                                             : Result::failed;
    }

    void close() override { m_server->close(); }
    bool isListening() const override { return m_server->isListening(); }
    QString path() const override { return m_server->fullServerName(); }

private:
    void acceptPending()
    {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            auto* connection = new QtConnection(socket, this);
            emit connected(connection);
            if (socket->bytesAvailable() > 0)
                emit connection->readyRead();
        }
    }

    QLocalServer* m_server;
};

} // namespace

LocalListener* LocalListener::create(QObject* parent)
{
    return new QtListener(parent);
}

void removeLocalSocket(const QString& path)
{
    QLocalServer::removeServer(path);
}

bool someoneListensAt(const QString& path, int timeoutMs)
{
    QLocalSocket probe;
    probe.connectToServer(path);
    const bool answered = probe.waitForConnected(timeoutMs);
    probe.abort();
    return answered;
}

bool exchangeWith(const QString& path, const QByteArray& request, qsizetype replyBytes,
                  const QDeadlineTimer& deadline)
{
    QLocalSocket socket;
    // A running instance may still be starting: its lock is taken long before it listens.
    for (;;) {
        socket.connectToServer(path);
        if (socket.waitForConnected(std::min(remainingMs(deadline), 1000)))
            break;
        socket.abort();
        if (deadline.hasExpired())
            return false;
        QThread::msleep(static_cast<unsigned long>(std::min(connectRetryPauseMs, remainingMs(deadline))));
    }
    if (socket.write(request) != request.size())
        return false;
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return false;
    }
    while (socket.bytesAvailable() < replyBytes) {
        if (!socket.waitForReadyRead(remainingMs(deadline)))
            return false;
    }
    socket.disconnectFromServer();
    return true;
}
