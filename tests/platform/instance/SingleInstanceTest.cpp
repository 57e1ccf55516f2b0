#include "platform/instance/InstanceNames.h"
#include "platform/instance/PathRecord.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace
{

constexpr int waitMs = 45000; // generous for sanitizer builds on a loaded machine; passing runs take far less

// One user's throwaway config, home and runtime folder (where the lock and the socket live).
class Home
{
public:
    Home()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("config"));
        QDir(m_dir.path()).mkpath(QStringLiteral("runtime"));
        // Qt ignores a runtime folder that others may enter.
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    bool isValid() const { return m_dir.isValid(); }
    QString runtime() const { return m_dir.filePath(QStringLiteral("runtime")); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_dir.path());
        env.insert("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")));
        env.insert("XDG_RUNTIME_DIR", runtime());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }

    // The names the program derives for this runtime folder.
    InstanceNames names() const
    {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime()));
        const InstanceNames result = instanceNames();
        qputenv("XDG_RUNTIME_DIR", saved);
        return result;
    }

    qint64 lockOwner() const
    {
        QLockFile lock(names().lockFile);
        qint64 pid = 0;
        QString host;
        QString app;
        return lock.getLockInfo(&pid, &host, &app) ? pid : 0;
    }

private:
    QTemporaryDir m_dir;
};

QList<QByteArray> printedLines(QProcess* p, const QByteArray& prefix)
{
    QList<QByteArray> found;
    for (const QByteArray& line : p->peek(p->bytesAvailable()).split('\n')) {
        if (line.startsWith(prefix))
            found.push_back(line);
    }
    return found;
}

// Waits until the program has printed `count` lines starting with `prefix`.
bool waitForPrinted(QProcess* p, const QByteArray& prefix, qsizetype count = 1)
{
    const QDeadlineTimer deadline(waitMs);
    while (printedLines(p, prefix).size() < count) {
        if (deadline.hasExpired() || p->state() == QProcess::NotRunning)
            return false;
        p->waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    }
    return true;
}

bool waitFor(const std::function<bool()>& condition)
{
    const QDeadlineTimer deadline(waitMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

// Also notices an end that nobody has waited for yet.
bool isRunning(QProcess* p)
{
    return p->state() != QProcess::NotRunning && !p->waitForFinished(0);
}

// A second start connects to the display only to show its notice, so a loaded
// platform plugin in one that has not ended means the message box is up.
bool showsANotice(QProcess* p)
{
    if (!isRunning(p))
        return false;
    // Read as a stream: the kernel reports the file as empty.
    std::ifstream maps("/proc/" + std::to_string(p->processId()) + "/maps");
    for (std::string line; std::getline(maps, line);) {
        if (line.find("libqoffscreen") != std::string::npos)
            return true;
    }
    return false;
}

// A second start shows no window: it prints nothing and ends with 0 by itself.
void expectEndedAsSecondStart(QProcess* p)
{
    ASSERT_TRUE(p->state() == QProcess::NotRunning || p->waitForFinished(waitMs));
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 0);
    EXPECT_EQ(p->readAllStandardOutput(), QByteArray());
}

class SingleInstance : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(home.isValid()); }

    void TearDown() override
    {
        for (auto& p : started) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(waitMs);
            }
        }
    }

    // "stay" keeps a first instance running and reporting; "1" ends it after its first paint.
    QProcess* start(const Home& at, const QStringList& args = {},
                    const QString& probe = QStringLiteral("stay"), const QString& folder = {})
    {
        auto p = std::make_unique<QProcess>();
        p->setWorkingDirectory(folder);
        QProcessEnvironment env = at.environment();
        env.insert("TINCTORA_STARTUP_PROBE", probe);
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(TINCTORA_EXE), args);
        EXPECT_TRUE(p->waitForStarted(waitMs));
        started.push_back(std::move(p));
        return started.back().get();
    }

    QProcess* startFirst(const Home& at)
    {
        QProcess* first = start(at);
        EXPECT_TRUE(waitForPrinted(first, "first-paint-epoch-ms"));
        return first;
    }

    Home home;
    std::vector<std::unique_ptr<QProcess>> started;
};

} // namespace

TEST_F(SingleInstance, AFirstStartShowsItsWindowAndReleasesTheLockWhenItEnds)
{
    QProcess* first = start(home, {}, QStringLiteral("1"));
    ASSERT_TRUE(first->waitForFinished(waitMs));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
    EXPECT_EQ(printedLines(first, "first-paint-epoch-ms").size(), 1);
    EXPECT_FALSE(QFile::exists(home.names().lockFile));
}

TEST_F(SingleInstance, ASecondStartWithoutParametersRaisesTheRunningWindowAndEndsWithZero)
{
    QProcess* first = startFirst(home);
    ASSERT_TRUE(isRunning(first));
    EXPECT_EQ(home.lockOwner(), first->processId());

    expectEndedAsSecondStart(start(home));
    ASSERT_TRUE(waitForPrinted(first, "raised "));
    EXPECT_TRUE(isRunning(first));
    EXPECT_EQ(home.lockOwner(), first->processId());
}

// A settings file of two unfixed 3-colour blocks, as the program writes one.
QString settingsFile(const QTemporaryDir& dir, const QString& name)
{
    QByteArray block;
    for (int v :
         {1, 1, 500, 1, 40, 34, 0, 0, 255, 0, 255, 0, 255, 0, 255, 500, 121, 201, 67, 3, 0, 0, 1, 2, 3})
        for (int k = 0; k < 4; ++k)
            block.append(static_cast<char>((static_cast<unsigned>(v) >> (8 * k)) & 0xFFu));
    block += QByteArray("#010203") + QByteArray(4, '\0');
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(block + block);
    return path;
}

TEST_F(SingleInstance, ASecondStartWithAPathMakesTheRunningWindowOpenItAndEndsWithZero)
{
    QTemporaryDir files;
    const QString path = settingsFile(files, QStringLiteral("Entwurf ä 1.tnfx"));
    QProcess* first = startFirst(home);
    ASSERT_TRUE(isRunning(first));

    expectEndedAsSecondStart(start(home, {path, QStringLiteral("/other.tnfx"), QStringLiteral("third")}));
    // Every raise reports the caption, which names the open file once one is opened.
    expectEndedAsSecondStart(start(home));
    ASSERT_TRUE(waitForPrinted(first, "raised ", 2));
    const QList<QByteArray> raised = printedLines(first, "raised ");
    EXPECT_EQ(raised.size(), 2);
    EXPECT_NE(raised.at(0), "raised " + path.toUtf8());
    EXPECT_EQ(raised.at(1), "raised " + path.toUtf8());
    EXPECT_TRUE(isRunning(first));
}

TEST_F(SingleInstance, AFirstStartWithAPathOpensItBeforeItIsShown)
{
    QTemporaryDir files;
    const QString path = settingsFile(files, QStringLiteral("start.tnfx"));
    QProcess* first = start(home, {path});
    ASSERT_TRUE(waitForPrinted(first, "first-paint-epoch-ms"));
    expectEndedAsSecondStart(start(home));
    ASSERT_TRUE(waitForPrinted(first, "raised "));
    EXPECT_EQ(printedLines(first, "raised ").at(0), "raised " + path.toUtf8());
}

TEST_F(SingleInstance, ARelativePathOpensTheFileOfTheFolderItWasTypedIn)
{
    QTemporaryDir eins, zwei;
    const QString erste = settingsFile(eins, QStringLiteral("farben.tnfx"));
    const QString zweite = settingsFile(zwei, QStringLiteral("farben.tnfx"));
    QProcess* first = start(home, {QStringLiteral("farben.tnfx")}, QStringLiteral("stay"), eins.path());
    ASSERT_TRUE(waitForPrinted(first, "first-paint-epoch-ms"));
    expectEndedAsSecondStart(start(home, {QStringLiteral("./farben.tnfx")}, QStringLiteral("stay"), zwei.path()));
    expectEndedAsSecondStart(start(home));
    ASSERT_TRUE(waitForPrinted(first, "raised ", 2));
    const QList<QByteArray> raised = printedLines(first, "raised ");
    EXPECT_EQ(raised.at(0), "raised " + erste.toUtf8());
    EXPECT_EQ(raised.at(1), "raised " + zweite.toUtf8());
}

TEST_F(SingleInstance, TheWireCarriesARaiseAndOnePathRecordOfParameterOne)
{
    // This test is the running instance: it holds the lock and reads the raw bytes.
    const InstanceNames names = home.names();
    QLockFile lock(names.lockFile);
    ASSERT_TRUE(lock.tryLock(0));
    QLocalServer server;
    ASSERT_TRUE(server.listen(names.serverName));

    const QString path = QStringLiteral("/tmp/ä b.tnfx");
    const QByteArray pathBytes = path.toLocal8Bit();
    QProcess* second = start(home, {path, QStringLiteral("/ignored.tnfx")});

    ASSERT_TRUE(server.waitForNewConnection(waitMs));
    QLocalSocket* sender = server.nextPendingConnection();
    QByteArray received;
    const qsizetype expected = 4 + 12 + pathBytes.size() + 1;
    while (received.size() < expected && sender->waitForReadyRead(waitMs))
        received += sender->readAll();
    sender->write(QByteArray(2, instanceReplyAccepted));
    sender->flush();

    expectEndedAsSecondStart(second);
    ASSERT_EQ(received.size(), expected);
    EXPECT_EQ(received.left(4), encodeRaiseRequest());
    const QByteArray record = received.mid(4);
    EXPECT_EQ(record, encodePathRecord(pathBytes));
    EXPECT_EQ(static_cast<unsigned char>(record[8]), pathBytes.size() + 1); // cbData
    EXPECT_EQ(decodePathRecord(record), pathBytes);
}

TEST_F(SingleInstance, APathThatFindsNoAnswerShowsNoRecipientFound)
{
    // One instance holds the lock and never listens; another listens and never answers.
    QLockFile silentLock(home.names().lockFile);
    ASSERT_TRUE(silentLock.tryLock(0));
    QProcess* toSilent = start(home, {QStringLiteral("/a.tnfx")});

    Home muteHome;
    ASSERT_TRUE(muteHome.isValid());
    const InstanceNames muteNames = muteHome.names();
    QLockFile muteLock(muteNames.lockFile);
    ASSERT_TRUE(muteLock.tryLock(0));
    QLocalServer mute;
    ASSERT_TRUE(mute.listen(muteNames.serverName));
    QProcess* toMute = start(muteHome, {QStringLiteral("/b.tnfx")});

    ASSERT_TRUE(mute.waitForNewConnection(waitMs));
    QLocalSocket* sender = mute.nextPendingConnection();
    // It gives up waiting for the answer...
    EXPECT_TRUE(sender->state() == QLocalSocket::UnconnectedState || sender->waitForDisconnected(waitMs));
    EXPECT_TRUE(sender->readAll().startsWith(encodeRaiseRequest() + encodePathRecord("/b.tnfx")));

    // ...and its message box waits for a click that never comes.
    EXPECT_TRUE(waitFor([&] { return showsANotice(toMute); }));
    EXPECT_TRUE(waitFor([&] { return showsANotice(toSilent); }));
}

TEST_F(SingleInstance, WithoutAPathAnUnansweredSecondStartShowsNothingAndEndsWithZero)
{
    const InstanceNames names = home.names();
    QLockFile lock(names.lockFile);
    ASSERT_TRUE(lock.tryLock(0));
    QLocalServer mute;
    ASSERT_TRUE(mute.listen(names.serverName));

    QProcess* second = start(home);
    ASSERT_TRUE(mute.waitForNewConnection(waitMs));
    ASSERT_TRUE(second->waitForFinished(waitMs)) << (showsANotice(second) ? "it shows a notice" : "it hangs");
    expectEndedAsSecondStart(second);
}

TEST_F(SingleInstance, SimultaneousStartsGiveExactlyOneFirstInstance)
{
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        const Home fresh;
        ASSERT_TRUE(fresh.isValid());
        QProcess* a = start(fresh);
        QProcess* b = start(fresh);
        ASSERT_TRUE(waitFor([&] {
            a->waitForFinished(10);
            b->waitForFinished(10);
            return a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning;
        }));
        QProcess* running = a->state() == QProcess::NotRunning ? b : a;
        expectEndedAsSecondStart(running == a ? b : a);
        ASSERT_TRUE(waitForPrinted(running, "first-paint-epoch-ms"));
        EXPECT_TRUE(waitForPrinted(running, "raised "));
        EXPECT_EQ(fresh.lockOwner(), running->processId());
        running->kill();
        running->waitForFinished(waitMs);
    }
}

TEST_F(SingleInstance, TheLockOfAKilledInstanceIsTakenOver)
{
    QProcess* killed = startFirst(home);
    killed->kill();
    ASSERT_TRUE(killed->waitForFinished(waitMs));
    EXPECT_TRUE(QFile::exists(home.names().lockFile)); // left behind, with its socket

    QProcess* next = startFirst(home);
    ASSERT_TRUE(isRunning(next));
    EXPECT_EQ(home.lockOwner(), next->processId());
    expectEndedAsSecondStart(start(home, {QStringLiteral("/b.tnfx")}));
    EXPECT_TRUE(waitForPrinted(next, "raised "));
}
