#include "platform/instance/SingleInstance.h"

#include "platform/instance/InstanceLock.h"
#include "platform/instance/LocalSocket.h"
#include "platform/instance/PathRecord.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <algorithm>

namespace
{

// A lock folder we cannot use still lets an answering instance win, but only briefly.
constexpr int unguardedProbeTimeoutMs = 300;

std::optional<QByteArray> commandLinePath(int argc, char** argv)
{
    if (argc < 2 || argv[1] == nullptr)
        return std::nullopt;
    QByteArray path(argv[1]);
    // The running instance has a working folder of its own: a relative path is
    // completed here, where it was typed. Bytes, not text, so no name is re-encoded.
    if (!path.isEmpty() && QDir::isRelativePath(QFile::decodeName(path)))
        path.prepend(QFile::encodeName(QDir::currentPath()) + '/');
    return path;
}

} // namespace

InstanceStart::InstanceStart() = default;
InstanceStart::InstanceStart(InstanceStart&&) noexcept = default;
InstanceStart& InstanceStart::operator=(InstanceStart&&) noexcept = default;
InstanceStart::~InstanceStart() = default;

void showNoRecipientMessage(int& argc, char** argv)
{
    const auto show = [] {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tinctora"),
                        QStringLiteral("No Recipient found!"), QMessageBox::Ok);
        box.exec();
    };
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        show();
        return;
    }
    if (QCoreApplication::instance())
        return; // a caller's non-widget application: no box can be shown
    QApplication app(argc, argv);
    show();
}

ForwardResult forwardToRunningInstance(const QString& serverName, const std::optional<QByteArray>& pathBytes,
                                       int timeoutMs)
{
    QByteArray frames = encodeRaiseRequest();
    qsizetype expectedReplies = 1;
    if (pathBytes) {
        // A path that cannot travel (absurdly long) is dropped; the raise still goes.
        const QByteArray record = encodePathRecord(*pathBytes);
        if (!record.isEmpty()) {
            frames += record;
            ++expectedReplies;
        }
    }
    return exchangeWith(serverName, frames, expectedReplies, QDeadlineTimer(std::max(timeoutMs, 0)))
               ? ForwardResult::delivered
               : ForwardResult::noRecipient;
}

InstanceStart startSingleInstance(int& argc, char** argv, const SingleInstanceOptions& options)
{
    const std::optional<QByteArray> path = commandLinePath(argc, argv);
    InstanceStart start;
    bool noRecipient = false;
    const InstanceNames names = instanceNames(options.key);
    auto lock = std::make_unique<InstanceLock>(names.lockFile);
    const InstanceLock::Result locked = lock->tryLock();
    if (locked == InstanceLock::Result::acquired) {
        start.m_first = true;
        start.m_lock = std::move(lock);
    } else {
        // Only a start that has to ask another needs an application object of its own.
        std::unique_ptr<QCoreApplication> shortLived;
        if (!QCoreApplication::instance())
            shortLived = std::make_unique<QCoreApplication>(argc, argv);
        if (locked == InstanceLock::Result::held) {
            noRecipient = forwardToRunningInstance(names.serverName, path, options.answerTimeoutMs) ==
                          ForwardResult::noRecipient;
        } else {
            // The lock cannot be taken at all (folder unwritable): run unguarded unless an
            // instance answers at once.
            start.m_first = forwardToRunningInstance(names.serverName, path, unguardedProbeTimeoutMs) ==
                            ForwardResult::noRecipient;
        }
    }
    // With nothing to hand over, a window that does not answer is no reason to bother the user.
    if (noRecipient && path && options.noRecipientNotice)
        options.noRecipientNotice(argc, argv);
    return start;
}
