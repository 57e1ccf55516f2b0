#include "cli/NamedFiles.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

int writeAll(int fd, const QByteArray& data)
{
    const char* next = data.constData();
    auto left = static_cast<std::size_t>(data.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

mode_t newFileMode(const QByteArray& path)
{
    struct stat existing {
    };
    if (::stat(path.constData(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int writeInPlace(const QByteArray& path, const QByteArray& data, int whyNotBeside)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? whyNotBeside : errno;
    int error = writeAll(fd, data);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// A link is followed, so the file it names is replaced (made, for a dangling
// link), not the link.
QByteArray linkTarget(const QByteArray& path)
{
    struct stat link {
    };
    if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    if (char* resolved = ::realpath(path.constData(), nullptr)) {
        const QByteArray target(resolved);
        std::free(resolved);
        return target;
    }
    QByteArray target(PATH_MAX, '\0');
    const ssize_t length =
        ::readlink(path.constData(), target.data(), static_cast<std::size_t>(target.size()));
    if (length <= 0 || length >= target.size())
        return path;
    target.truncate(length);
    const qsizetype slash = path.lastIndexOf('/');
    return target.startsWith('/') || slash < 0 ? target : path.left(slash + 1) + target;
}

} // namespace

int readNamedFile(const QByteArray& path, QByteArray& content)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    content.clear();
    char buffer[4096];
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            break;
        }
        content.append(buffer, got);
    }
    ::close(fd);
    return error;
}

int writeNamedFile(const QByteArray& givenPath, const QByteArray& data)
{
    const QByteArray path = linkTarget(givenPath);
    QByteArray temporary = path + ".XXXXXX";
    const mode_t mode = newFileMode(path);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return writeInPlace(path, data, errno);
    int error = writeAll(fd, data);
    if (error == 0 && ::fchmod(fd, mode) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), path.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.constData());
    return error;
}

bool sameFile(const QByteArray& a, const QByteArray& b)
{
    struct stat first {
    }, second{};
    return ::stat(a.constData(), &first) == 0 && ::stat(b.constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

int writeStandardOutput(const QByteArray& data)
{
    std::fflush(stdout); // nothing is buffered there, but keep the order if it ever is
    return writeAll(STDOUT_FILENO, data);
}

void guardStandardStreams()
{
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int refusing = ::open("/dev/null", O_RDONLY);
        if (refusing >= 0 && refusing != fd) {
            ::dup2(refusing, fd);
            ::close(refusing);
        }
    }
}
