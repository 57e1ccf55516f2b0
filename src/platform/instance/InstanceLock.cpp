#include "platform/instance/InstanceLock.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

namespace
{

#if defined(Q_OS_UNIX)
QByteArray ownerRecord()
{
    // QLockFile's layout: an older start reading it finds this process alive by its
    // id and program name, so it never takes the file for stale.
    const QString program = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).fileName();
    return QByteArray::number(static_cast<qlonglong>(::getpid())) + '\n' + program.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
           QSysInfo::bootUniqueId() + '\n';
}

bool sameFile(int fd, const QByteArray& path)
{
    struct stat opened {
    };
    struct stat named {
    };
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}
#endif

} // namespace

#if defined(Q_OS_UNIX)
struct InstanceLock::Handle {
    int fd = -1;
};
#else
struct InstanceLock::Handle {
    explicit Handle(const QString& path) : file(path) { file.setStaleLockTime(0); }
    QLockFile file;
};
#endif

InstanceLock::InstanceLock(QString path) : m_path(std::move(path)) {}

InstanceLock::~InstanceLock()
{
#if defined(Q_OS_UNIX)
    if (m_handle) {
        // Removed while still locked: a start that opened this file meanwhile finds it
        // gone after its own lock succeeds, and starts over with a new file.
        ::unlink(QFile::encodeName(m_path).constData());
        ::close(m_handle->fd);
    }
#endif
}

#if defined(Q_OS_UNIX)
InstanceLock::Result InstanceLock::tryLock()
{
    if (m_handle)
        return Result::acquired;
    const QByteArray path = QFile::encodeName(m_path);
    // The owner removes the file on leaving; a file opened just before that is not the lock.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            return Result::unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Result::held : Result::unavailable;
        }
        if (!sameFile(fd, path)) {
            ::close(fd);
            continue;
        }
        // The record only tells others who holds it; the lock holds without it.
        const QByteArray record = ownerRecord();
        const bool recorded =
            ::ftruncate(fd, 0) == 0 && ::write(fd, record.constData(), static_cast<size_t>(record.size())) ==
                                           static_cast<ssize_t>(record.size());
        Q_UNUSED(recorded);
        m_handle = std::make_unique<Handle>(Handle{fd});
        return Result::acquired;
    }
    return Result::unavailable;
}
#else
InstanceLock::Result InstanceLock::tryLock()
{
    if (m_handle)
        return Result::acquired;
    auto handle = std::make_unique<Handle>(m_path);
    if (handle->file.tryLock(0)) {
        m_handle = std::move(handle);
        return Result::acquired;
    }
    return handle->file.error() == QLockFile::LockFailedError ? Result::held : Result::unavailable;
}
#endif
