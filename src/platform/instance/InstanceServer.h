#pragma once

#include "platform/instance/InstanceNames.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

struct ReceivedFrame;
class QLocalServer;
class QLocalSocket;

// The running instance's end of the per-user socket: receives what later starts send
// and turns it into signals. Malformed messages are answered with a rejection and
// otherwise ignored.
class InstanceServer : public QObject
{
    Q_OBJECT

public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    // Listens under the per-user name of the key. Takes over a name left behind by a
    // crashed run, but never one at which another instance still answers.
    bool listen(const QString& key = defaultInstanceKey());
    bool listenOn(const QString& serverName);
    bool isListening() const;
    QString serverName() const;

signals:
    // Another start wants this instance's window restored and in front.
    void raiseRequested();
    // Another start forwarded parameter 1 of its command line (never empty).
    void pathReceived(const QString& path);

private:
    void acceptConnections();
    void readFrom(QLocalSocket* socket);
    bool handleFrame(const ReceivedFrame& frame);
    void forget(QLocalSocket* socket);

    QLocalServer* m_server;
    QHash<QLocalSocket*, QByteArray> m_buffers;
};
