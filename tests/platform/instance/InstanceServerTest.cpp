#include "platform/instance/InstanceServer.h"
#include "platform/desktop/WindowActivation.h"
#include "platform/instance/PathRecord.h"
#include "platform/instance/SingleInstance.h"
#include "support/ModalGuard.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>

#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace
{

class InstanceServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(server.listenOn(name));
    }

    // Connects, sends the bytes in pieces of the given size, and collects the replies.
    QByteArray send(const QByteArray& data, qsizetype piece = 1 << 20, qsizetype expectedReplies = 1)
    {
        QLocalSocket client;
        client.connectToServer(name);
        EXPECT_TRUE(client.waitForConnected(2000));
        for (qsizetype at = 0; at < data.size(); at += piece) {
            client.write(data.mid(at, piece));
            client.flush();
            QCoreApplication::processEvents();
        }
        QByteArray replies;
        QDeadlineTimer deadline(3000);
        while (replies.size() < expectedReplies && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            replies += client.readAll();
        }
        QCoreApplication::processEvents(); // let queued signals out
        return replies;
    }

    QTemporaryDir dir;
    const QString name = dir.filePath("probe.socket");
    InstanceServer server;
};

QByteArray accepted(int n)
{
    return QByteArray(n, instanceReplyAccepted);
}

} // namespace

TEST_F(InstanceServerTest, ARaiseRequestIsAnsweredAndSignalled)
{
    QSignalSpy raised(&server, &InstanceServer::raiseRequested);
    QSignalSpy paths(&server, &InstanceServer::pathReceived);
    EXPECT_EQ(send(encodeRaiseRequest()), accepted(1));
    EXPECT_EQ(raised.count(), 1);
    EXPECT_EQ(paths.count(), 0);
}

TEST_F(InstanceServerTest, APathArrivesOnceEvenWhenItTrickles)
{
    QSignalSpy raised(&server, &InstanceServer::raiseRequested);
    QSignalSpy paths(&server, &InstanceServer::pathReceived);
    const QString path = QStringLiteral("/home/u/Farben ä/Entwurf.tnfx");
    EXPECT_EQ(send(encodeRaiseRequest() + encodePathRecord(path.toLocal8Bit()), 1, 2), accepted(2));
    EXPECT_EQ(raised.count(), 1);
    ASSERT_EQ(paths.count(), 1);
    EXPECT_EQ(paths.at(0).at(0).toString(), path);
}

TEST_F(InstanceServerTest, AMalformedRecordIsRejectedAndTheConnectionGoesOn)
{
    QSignalSpy raised(&server, &InstanceServer::raiseRequested);
    QSignalSpy paths(&server, &InstanceServer::pathReceived);
    QByteArray badDwData = encodePathRecord("/x.tnfx");
    badDwData[4] = 1;
    QByteArray noTerminator = encodePathRecord("/y.tnfx");
    noTerminator[noTerminator.size() - 1] = 'z';
    const QByteArray replies = send(badDwData + noTerminator + encodeRaiseRequest(), 5, 3);
    EXPECT_EQ(replies, QByteArray(2, instanceReplyRejected) + accepted(1));
    EXPECT_EQ(paths.count(), 0);
    EXPECT_EQ(raised.count(), 1);
}

TEST_F(InstanceServerTest, AnUnreadableStreamIsCutOff)
{
    QSignalSpy raised(&server, &InstanceServer::raiseRequested);
    QByteArray unknown(4, '\0');
    unknown[0] = 7;
    EXPECT_EQ(send(unknown + encodeRaiseRequest()), QByteArray(1, instanceReplyRejected));
    EXPECT_EQ(raised.count(), 0);

    QByteArray huge = encodePathRecord("/z");
    huge[10] = 0x10; // cbData beyond the limit: never buffered
    EXPECT_EQ(send(huge), QByteArray(1, instanceReplyRejected));
}

TEST_F(InstanceServerTest, AnEmptyPathIsAcceptedButNotPassedOn)
{
    QSignalSpy paths(&server, &InstanceServer::pathReceived);
    EXPECT_EQ(send(encodePathRecord("")), accepted(1));
    EXPECT_EQ(paths.count(), 0);
}

TEST_F(InstanceServerTest, NeverTakesANameAtWhichAnotherInstanceAnswers)
{
    InstanceServer intruder;
    EXPECT_FALSE(intruder.listenOn(name));
    QSignalSpy raised(&server, &InstanceServer::raiseRequested);
    EXPECT_EQ(send(encodeRaiseRequest()), accepted(1));
    EXPECT_EQ(raised.count(), 1);
}

TEST(InstanceServer, TakesOverANameLeftBehindByACrashedRun)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("left.socket");
    {
        QFile leftover(name);
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    }
    InstanceServer server;
    EXPECT_TRUE(server.listenOn(name));
    EXPECT_TRUE(server.isListening());
}

namespace
{

bool processEventsUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace

#if defined(Q_OS_UNIX)
namespace
{

sockaddr_un unixAddress(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    return address;
}

} // namespace

TEST_F(InstanceServerTest, APeerThatLeavesBeforeItsAnswerDoesNotEndTheServer)
{
    // Qt Network, which the test's own clients use, ignores SIGPIPE; the program does not.
    const auto previous = std::signal(SIGPIPE, SIG_DFL);
    QSignalSpy raised(&server, &InstanceServer::raiseRequested);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = unixAddress(name);
    ASSERT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::write(fd, encodeRaiseRequest().constData(), 4), 4);
    ::close(fd);
    EXPECT_TRUE(processEventsUntil([&] { return raised.count() == 1; }, 3000));
    std::signal(SIGPIPE, previous);
    EXPECT_EQ(send(encodeRaiseRequest()), accepted(1));
}

TEST(InstanceServer, TakesOverTheSocketOfAKilledRunAndKeepsItPrivate)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("stale.socket");
    {
        // Bound and closed without removing: what a killed instance leaves.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = unixAddress(name);
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    InstanceServer server;
    const mode_t umask = ::umask(0); // the server alone must keep others out
    const bool listening = server.listenOn(name);
    ::umask(umask);
    ASSERT_TRUE(listening);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(QFileInfo(name).permissions() & others, QFileDevice::Permissions());

    QLocalSocket client;
    client.connectToServer(name);
    ASSERT_TRUE(client.waitForConnected(2000));
    client.write(encodeRaiseRequest());
    EXPECT_TRUE(processEventsUntil([&] { return client.bytesAvailable() > 0; }, 3000));
    EXPECT_EQ(client.readAll(), accepted(1));
}
#endif

TEST_F(InstanceServerTest, PeersThatFloodOrStaySilentAreCutOffWhileOthersAreServed)
{
    QSignalSpy raised(&server, &InstanceServer::raiseRequested);
    QLocalSocket silent, flood;
    for (QLocalSocket* peer : {&silent, &flood}) {
        peer->connectToServer(name);
        ASSERT_TRUE(peer->waitForConnected(2000));
    }
    const int floodFrames = 50'000;
    flood.write(encodeRaiseRequest().repeated(floodFrames));

    EXPECT_EQ(send(encodeRaiseRequest()), accepted(1));
    EXPECT_TRUE(processEventsUntil([&] { return flood.state() == QLocalSocket::UnconnectedState; }, 5000));
    EXPECT_LT(raised.count(), floodFrames);
    // Saying nothing ends with the connection's lifetime (five seconds), not never.
    EXPECT_TRUE(processEventsUntil([&] { return silent.state() == QLocalSocket::UnconnectedState; }, 15000));
    EXPECT_EQ(send(encodeRaiseRequest()), accepted(1));
}

namespace
{

// The sending side blocks, so it runs on a thread of its own while this one serves.
ForwardResult forwardFromAnotherThread(const QString& name, std::optional<QByteArray> path, int timeoutMs)
{
    ForwardResult result = ForwardResult::noRecipient;
    std::unique_ptr<QThread> sender(
        QThread::create([&] { result = forwardToRunningInstance(name, path, timeoutMs); }));
    sender->start();
    while (!sender->wait(10))
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return result;
}

} // namespace

TEST_F(InstanceServerTest, ForwardingDeliversTheRaiseAndThePath)
{
    QSignalSpy raised(&server, &InstanceServer::raiseRequested);
    QSignalSpy paths(&server, &InstanceServer::pathReceived);
    EXPECT_EQ(forwardFromAnotherThread(name, QByteArray("/a/b.tnfx"), 3000), ForwardResult::delivered);
    EXPECT_EQ(raised.count(), 1);
    ASSERT_EQ(paths.count(), 1);
    EXPECT_EQ(paths.at(0).at(0).toString(), QStringLiteral("/a/b.tnfx"));

    EXPECT_EQ(forwardFromAnotherThread(name, std::nullopt, 3000), ForwardResult::delivered);
    EXPECT_EQ(raised.count(), 2);
    EXPECT_EQ(paths.count(), 1);
}

TEST(ForwardToRunningInstance, NobodyListeningOrNobodyAnsweringMeansNoRecipient)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("silent.socket");
    EXPECT_EQ(forwardFromAnotherThread(name, QByteArray("/a"), 200), ForwardResult::noRecipient);

    QLocalServer mute; // accepts, reads, never answers
    ASSERT_TRUE(mute.listen(name));
    EXPECT_EQ(forwardFromAnotherThread(name, std::nullopt, 300), ForwardResult::noRecipient);
}

TEST(BringWindowToFront, RestoresAMinimisedWindowToItsEarlierState)
{
    QWidget normal;
    normal.showMinimized();
    bringWindowToFront(&normal);
    EXPECT_FALSE(normal.isMinimized());
    EXPECT_FALSE(normal.isMaximized());
    EXPECT_TRUE(normal.isVisible());

    QWidget maximised;
    maximised.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
    maximised.show();
    bringWindowToFront(&maximised);
    EXPECT_FALSE(maximised.isMinimized());
    EXPECT_TRUE(maximised.isMaximized());

    QWidget hidden;
    bringWindowToFront(&hidden);
    EXPECT_TRUE(hidden.isVisible());
}

TEST(NoRecipientMessage, IsAPlainBoxWithOneOkButton)
{
    QString text;
    QList<QAbstractButton*> buttons;
    QMessageBox::Icon icon = QMessageBox::Critical;
    onNextModal<QMessageBox>([&](QMessageBox& box) {
        text = box.text();
        buttons = box.buttons();
        icon = box.icon();
        box.button(QMessageBox::Ok)->click();
    });
    int argc = 1;
    char name[] = "tinctora";
    char* argv[] = {name, nullptr};
    showNoRecipientMessage(argc, argv);
    EXPECT_EQ(text, QStringLiteral("No Recipient found!"));
    EXPECT_EQ(buttons.size(), 1);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}
