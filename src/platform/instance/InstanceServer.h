#pragma once

#include "platform/instance/InstanceNames.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

struct ReceivedFrame;
class LocalConnection;
class LocalListener;

// The running instance's end of the per-user socket: receives what later starts send
// and turns it into signals. Malformed messages are answered with a rejection and
// otherwise ignored; a sender that says too much, or too little in time, is cut off.
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
    // What one sender has sent and not yet been answered for, and how much in all.
    struct Inbox {
        QByteArray pending;
        qsizetype received = 0;
    };

    void accept(LocalConnection* connection);
    void readFrom(LocalConnection* connection);
    bool handleFrame(const ReceivedFrame& frame);
    void forget(LocalConnection* connection);

    LocalListener* m_listener;
    QHash<LocalConnection*, Inbox> m_inboxes;
};
