#include "platform/instance/LocalSocket.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// Read once per wake-up and go back to the event loop, so a peer that never stops
// sending cannot hold the window.
constexpr qsizetype readChunkBytes = 16 * 1024;
// Accepted per wake-up, for the same reason against a flood of connections.
constexpr int acceptsPerWakeUp = 16;
constexpr int listenBacklog = 16;
constexpr int connectRetryPauseMs = 50;

#if defined(MSG_NOSIGNAL)
constexpr int sendFlags = MSG_NOSIGNAL; // a peer that has gone must not end us with SIGPIPE
#else
constexpr int sendFlags = 0; // SO_NOSIGPIPE is set on the socket instead
#endif

int remainingMs(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 0, 60'000));
}

bool wouldBlock(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK;
}

// Non-blocking, closed on exec, and without SIGPIPE where that is a socket option.
bool prepare(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0 || ::fcntl(fd, F_SETFD, FD_CLOEXEC) < 0)
        return false;
#if defined(SO_NOSIGPIPE)
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
    return true;
}

class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    ~Descriptor() { reset(); }

    int get() const { return m_fd; }
    bool isValid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

Descriptor newSocket()
{
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM, 0));
    if (fd.isValid() && !prepare(fd.get()))
        fd.reset();
    return fd;
}

std::optional<sockaddr_un> addressOf(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || static_cast<size_t>(bytes.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    return address;
}

const sockaddr* asGeneric(const sockaddr_un& address)
{
    return reinterpret_cast<const sockaddr*>(&address);
}

// False when the deadline passed first; readiness includes a hang-up, which the next
// read or write reports.
bool waitUntilReady(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, 1, remainingMs(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

enum class Attempt { connected, busy, nobody };

// One connect. A listener whose queue is full is busy: it exists but takes no one now.
Attempt connectOnce(Descriptor& fd, const sockaddr_un& address, const QDeadlineTimer& deadline)
{
    fd = newSocket();
    if (!fd.isValid())
        return Attempt::nobody;
    int result = 0;
    do
        result = ::connect(fd.get(), asGeneric(address), sizeof address);
    while (result != 0 && errno == EINTR);
    if (result == 0)
        return Attempt::connected;
    if (wouldBlock(errno)) {
        fd.reset();
        return Attempt::busy;
    }
    if (errno == EINPROGRESS && waitUntilReady(fd.get(), POLLOUT, deadline)) {
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0)
            return Attempt::connected;
    }
    fd.reset();
    return Attempt::nobody;
}

bool connectBefore(Descriptor& fd, const sockaddr_un& address, const QDeadlineTimer& deadline)
{
    // A running instance may still be starting: its lock is taken long before it listens.
    for (;;) {
        if (connectOnce(fd, address, deadline) == Attempt::connected)
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(static_cast<unsigned long>(std::min(connectRetryPauseMs, remainingMs(deadline))));
    }
}

bool sendBefore(int fd, const QByteArray& data, const QDeadlineTimer& deadline)
{
    for (qsizetype sent = 0; sent < data.size();) {
        const ssize_t n =
            ::send(fd, data.constData() + sent, static_cast<size_t>(data.size() - sent), sendFlags);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (!(n < 0 && wouldBlock(errno) && waitUntilReady(fd, POLLOUT, deadline)))
            return false;
    }
    return true;
}

bool receiveBefore(int fd, qsizetype count, const QDeadlineTimer& deadline)
{
    char buffer[64];
    for (qsizetype received = 0; received < count;) {
        const size_t wanted = std::min(sizeof buffer, static_cast<size_t>(count - received));
        const ssize_t n = ::read(fd, buffer, wanted);
        if (n > 0)
            received += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (!(n < 0 && wouldBlock(errno) && waitUntilReady(fd, POLLIN, deadline)))
            return false; // closed, failed or too late
    }
    return true;
}

class UnixConnection final : public LocalConnection
{
public:
    UnixConnection(int fd, QObject* parent)
        : LocalConnection(parent), m_fd(fd), m_reader(new QSocketNotifier(fd, QSocketNotifier::Read, this)),
          m_writer(new QSocketNotifier(fd, QSocketNotifier::Write, this))
    {
        m_writer->setEnabled(false);
        connect(m_reader, &QSocketNotifier::activated, this, &UnixConnection::receive);
        connect(m_writer, &QSocketNotifier::activated, this, &UnixConnection::flush);
    }

    ~UnixConnection() override { shut(); }

    QByteArray readAll() override { return std::exchange(m_received, QByteArray()); }

    void write(const QByteArray& data) override
    {
        if (m_fd < 0 || m_closing)
            return;
        m_queued += data;
        flush();
    }

    void closeAfterWriting() override
    {
        if (m_fd < 0)
            return;
        m_closing = true;
        m_reader->setEnabled(false);
        flush();
    }

    void abort() override
    {
        if (m_fd < 0)
            return;
        shut();
        emit disconnected();
    }

private:
    void receive()
    {
        char chunk[readChunkBytes];
        ssize_t n = 0;
        do
            n = ::read(m_fd, chunk, sizeof chunk);
        while (n < 0 && errno == EINTR);
        if (n < 0 && wouldBlock(errno))
            return;
        if (n > 0) {
            m_received.append(chunk, n);
            emit readyRead();
            return;
        }
        // The peer has finished sending; answers still queued go out before closing.
        closeAfterWriting();
    }

    void flush()
    {
        while (m_fd >= 0 && !m_queued.isEmpty()) {
            const ssize_t n =
                ::send(m_fd, m_queued.constData(), static_cast<size_t>(m_queued.size()), sendFlags);
            if (n > 0) {
                m_queued.remove(0, n);
            } else if (n < 0 && wouldBlock(errno)) {
                m_writer->setEnabled(true);
                return;
            } else if (!(n < 0 && errno == EINTR)) {
                abort(); // the peer has gone
                return;
            }
        }
        if (m_fd < 0)
            return;
        m_writer->setEnabled(false);
        if (m_closing)
            abort();
    }

    // Notifiers off before the descriptor goes, as QSocketNotifier asks.
    void shut()
    {
        if (m_fd < 0)
            return;
        m_reader->setEnabled(false);
        m_writer->setEnabled(false);
        ::close(m_fd);
        m_fd = -1;
        m_queued.clear();
    }

    int m_fd;
    QSocketNotifier* m_reader;
    QSocketNotifier* m_writer;
    QByteArray m_received;
    QByteArray m_queued;
    bool m_closing = false;
};

class UnixListener final : public LocalListener
{
public:
    using LocalListener::LocalListener;
    ~UnixListener() override { close(); }

    Result listen(const QString& path) override
    {
        close();
        const std::optional<sockaddr_un> address = addressOf(path);
        Descriptor fd = newSocket();
        if (!address || !fd.isValid())
            return Result::failed;
        // Linux gives the bound file the socket's own mode (less the umask), so this keeps
        // it private from the first moment; elsewhere the chmod below does it.
        ::fchmod(fd.get(), S_IRUSR | S_IWUSR);
        if (::bind(fd.get(), asGeneric(*address), sizeof *address) != 0)
            return errno == EADDRINUSE ? Result::addressInUse : Result::failed;
        if (::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd.get(), listenBacklog) != 0) {
            ::unlink(address->sun_path);
            return Result::failed;
        }
        m_fd = fd.release();
        m_path = path;
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &UnixListener::acceptPending);
        return Result::listening;
    }

    void close() override
    {
        if (m_fd < 0)
            return;
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
        ::close(m_fd);
        m_fd = -1;
        QFile::remove(m_path);
    }

    bool isListening() const override { return m_fd >= 0; }
    QString path() const override { return m_path; }

private:
    void acceptPending()
    {
        for (int i = 0; i < acceptsPerWakeUp && m_fd >= 0; ++i) {
            Descriptor peer;
            do
                peer.reset(::accept(m_fd, nullptr, nullptr));
            while (!peer.isValid() && errno == EINTR);
            if (!peer.isValid())
                return;
            if (prepare(peer.get()))
                emit connected(new UnixConnection(peer.release(), this));
        }
    }

    int m_fd = -1;
    QString m_path;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace

LocalListener* LocalListener::create(QObject* parent)
{
    return new UnixListener(parent);
}

void removeLocalSocket(const QString& path)
{
    ::unlink(QFile::encodeName(path).constData());
}

bool someoneListensAt(const QString& path, int timeoutMs)
{
    const std::optional<sockaddr_un> address = addressOf(path);
    if (!address)
        return false;
    Descriptor fd;
    return connectOnce(fd, *address, QDeadlineTimer(timeoutMs)) != Attempt::nobody;
}

bool exchangeWith(const QString& path, const QByteArray& request, qsizetype replyBytes,
                  const QDeadlineTimer& deadline)
{
    const std::optional<sockaddr_un> address = addressOf(path);
    Descriptor fd;
    return address && connectBefore(fd, *address, deadline) && sendBefore(fd.get(), request, deadline) &&
           receiveBefore(fd.get(), replyBytes, deadline);
}
