#pragma once

#include "platform/instance/InstanceNames.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class InstanceLock;

// Told when another instance holds the lock but does not answer. It runs after the
// single-instance step's own application object is gone, so it may create a QApplication.
using NoRecipientNotice = std::function<void(int& argc, char** argv)>;

// The plain "No Recipient found!" box with one OK button; creates a QApplication for
// that moment when none exists.
void showNoRecipientMessage(int& argc, char** argv);

struct SingleInstanceOptions {
    QString key = defaultInstanceKey();
    // How long a running instance may take to accept the connection and answer; it may
    // still be starting (the lock is taken long before its window listens).
    int answerTimeoutMs = 5000;
    NoRecipientNotice noRecipientNotice = showNoRecipientMessage;
};

// What the single-instance step decided. The first instance keeps this object alive
// until the end of main(): it holds the lock, and destroying it releases the lock.
class InstanceStart
{
public:
    InstanceStart();
    InstanceStart(InstanceStart&&) noexcept;
    InstanceStart& operator=(InstanceStart&&) noexcept;
    ~InstanceStart();

    // false: another instance runs and has been told; this process must end now with exit code 0.
    bool isFirstInstance() const { return m_first; }

private:
    friend InstanceStart startSingleInstance(int& argc, char** argv, const SingleInstanceOptions& options);
    bool m_first = false;
    std::unique_ptr<InstanceLock> m_lock;
};

// The start-up's single-instance step. Call it first thing in main(), before any
// application object exists. A start that finds the lock held brings up a short-lived
// QCoreApplication of its own to ask the running one (Qt Network's local socket, where it
// is used, needs an event dispatcher) and removes it again before returning, so a second
// start never connects to the display unless it has to show the notice. Parameter 1 of
// the command line (argv[1], as the command line delivered its bytes) is forwarded to a running instance.
InstanceStart startSingleInstance(int& argc, char** argv, const SingleInstanceOptions& options = {});

enum class ForwardResult {
    delivered,   // the running instance answered every message
    noRecipient, // no connection, or no answer in time
};

// Asks the instance listening at serverName to come to the front and, when a path is
// given, sends it the path record. Blocks for at most timeoutMs. Needs a QCoreApplication.
ForwardResult forwardToRunningInstance(const QString& serverName, const std::optional<QByteArray>& pathBytes,
                                       int timeoutMs);
