#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QDeadlineTimer;

// The per-user local stream socket between two starts of the program. Where the system
// has AF_UNIX it is a plain Unix socket watched by QSocketNotifier, so the window needs
// nothing of Qt Network; elsewhere Qt Network's QLocalServer/QLocalSocket carry it.

// One accepted connection: a byte stream to another process of this user.
class LocalConnection : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // What has arrived since the last call.
    virtual QByteArray readAll() = 0;
    // Queued and sent as the peer takes it; a peer that has gone is no error.
    virtual void write(const QByteArray& data) = 0;
    // Reads no more, sends what is queued, then closes.
    virtual void closeAfterWriting() = 0;
    // Closes at once, dropping what is queued.
    virtual void abort() = 0;

signals:
    void readyRead();
    // Once, when the connection has closed from either side.
    void disconnected();
};

class LocalListener : public QObject
{
    Q_OBJECT

public:
    enum class Result {
        listening,
        addressInUse, // something is in the way at the path
        failed,
    };

    using QObject::QObject;
    static LocalListener* create(QObject* parent);

    // The socket file is private to the user.
    virtual Result listen(const QString& path) = 0;
    virtual void close() = 0;
    virtual bool isListening() const = 0;
    virtual QString path() const = 0;

signals:
    // A new peer. The connection is a child of the listener until the receiver deletes it.
    void connected(LocalConnection* connection);
};

// Removes what a listener that is gone left at the path.
void removeLocalSocket(const QString& path);

// Whether something accepts connections at the path, waiting at most timeoutMs.
bool someoneListensAt(const QString& path, int timeoutMs);

// Blocks until it has connected to the path (retrying while nobody listens yet), sent the
// request and received replyBytes bytes, or the deadline has passed. True when all arrived.
bool exchangeWith(const QString& path, const QByteArray& request, qsizetype replyBytes,
                  const QDeadlineTimer& deadline);
