#include "instance/InstanceNames.h"
#include "instance/PathRecord.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace
{

constexpr int waitMs = 20000; // generous for sanitizer builds; passing runs take far less

// Each test gets its own runtime folder, shared with the probes it starts, so the
// lock file and socket live there and nowhere else.
class SingleInstanceProcess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        names = instanceNames();
    }

    void TearDown() override
    {
        for (auto& p : probes) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(waitMs);
            }
        }
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
    }

    QString logOf(const QString& probeName) const { return runtime.filePath(probeName + ".log"); }

    QProcess* start(const QString& probeName, const QStringList& args = {}, int answerTimeoutMs = -1)
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TINCTORA_PROBE_LOG", logOf(probeName));
        if (answerTimeoutMs >= 0)
            env.insert("TINCTORA_PROBE_TIMEOUT_MS", QString::number(answerTimeoutMs));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(TINCTORA_INSTANCE_PROBE), args);
        probes.push_back(std::move(p));
        return probes.back().get();
    }

    QList<QByteArray> lines(const QString& probeName) const
    {
        QFile f(logOf(probeName));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> out = f.readAll().split('\n');
        out.removeAll(QByteArray());
        return out;
    }

    bool waitForLine(const QString& probeName, const QByteArray& line) const
    {
        QDeadlineTimer deadline(waitMs);
        while (!deadline.hasExpired()) {
            if (lines(probeName).contains(line))
                return true;
            QThread::msleep(10);
        }
        return false;
    }

    // A first instance ends by itself and releases the lock.
    void quit(const QString& probeName, QProcess* p) const
    {
        QFile quitFile(logOf(probeName) + ".quit");
        ASSERT_TRUE(quitFile.open(QIODevice::WriteOnly));
        ASSERT_TRUE(p->waitForFinished(waitMs));
        EXPECT_EQ(p->exitCode(), 0);
    }

    static void expectEndedWithZero(QProcess* p)
    {
        ASSERT_TRUE(p->waitForFinished(waitMs));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0);
    }

    QTemporaryDir runtime;
    QByteArray savedRuntime;
    InstanceNames names;
    std::vector<std::unique_ptr<QProcess>> probes;
};

QByteArray pathLine(const QString& path)
{
    return "path " + path.toUtf8().toHex();
}

} // namespace

TEST_F(SingleInstanceProcess, ASecondStartWithoutParametersOnlyRaisesAndEnds)
{
    QProcess* first = start("first");
    ASSERT_TRUE(waitForLine("first", "first"));
    EXPECT_TRUE(QFile::exists(names.lockFile));

    expectEndedWithZero(start("second"));
    ASSERT_TRUE(waitForLine("first", "raise"));
    EXPECT_EQ(lines("second"), (QList<QByteArray>{"second-exit"}));

    quit("first", first);
    EXPECT_EQ(lines("first"), (QList<QByteArray>{"first", "raise"}));
    EXPECT_FALSE(QFile::exists(names.lockFile));
}

TEST_F(SingleInstanceProcess, OnlyParameterOneIsForwarded)
{
    QProcess* first = start("first");
    ASSERT_TRUE(waitForLine("first", "first"));
    const QString path = QStringLiteral("/home/u/Farben ä/Entwurf 1.tnfx");
    expectEndedWithZero(start("second", {path, "/other.tnfx", "third"}));
    ASSERT_TRUE(waitForLine("first", pathLine(path)));

    quit("first", first);
    EXPECT_EQ(lines("first"), (QList<QByteArray>{"first", "raise", pathLine(path)}));
}

TEST_F(SingleInstanceProcess, TheWireCarriesARaiseAndOnePathRecordOfLengthPlusOne)
{
    // This test is the running instance: it holds the lock and reads the raw bytes.
    QLockFile lock(names.lockFile);
    ASSERT_TRUE(lock.tryLock(0));
    QLocalServer server;
    ASSERT_TRUE(server.listen(names.serverName));

    const QString path = QStringLiteral("/tmp/ä b.tnfx");
    const QByteArray pathBytes = path.toLocal8Bit();
    QProcess* second = start("second", {path, "/ignored.tnfx"});

    ASSERT_TRUE(server.waitForNewConnection(waitMs));
    QLocalSocket* sender = server.nextPendingConnection();
    QByteArray received;
    const qsizetype expected = 4 + 12 + pathBytes.size() + 1;
    while (received.size() < expected && sender->waitForReadyRead(waitMs))
        received += sender->readAll();
    sender->write(QByteArray(2, instanceReplyAccepted));
    sender->flush();

    expectEndedWithZero(second);
    ASSERT_EQ(received.size(), expected);
    EXPECT_EQ(received.left(4), encodeRaiseRequest());
    const QByteArray record = received.mid(4);
    EXPECT_EQ(record, encodePathRecord(pathBytes));
    EXPECT_EQ(static_cast<unsigned char>(record[8]), pathBytes.size() + 1); // cbData
    EXPECT_EQ(decodePathRecord(record), pathBytes);
    EXPECT_EQ(lines("second"), (QList<QByteArray>{"second-exit"}));
}

TEST_F(SingleInstanceProcess, NoRecipientIsReportedAndStillEndsWithZero)
{
    QLockFile lock(names.lockFile); // an instance that holds the lock but never listens
    ASSERT_TRUE(lock.tryLock(0));
    expectEndedWithZero(start("silent", {"/a.tnfx"}, 300));
    EXPECT_EQ(lines("silent"), (QList<QByteArray>{"no-recipient", "second-exit"}));

    QLocalServer mute; // listens, but never answers
    ASSERT_TRUE(mute.listen(names.serverName));
    QProcess* unanswered = start("unanswered", {}, 300);
    ASSERT_TRUE(mute.waitForNewConnection(waitMs));
    expectEndedWithZero(unanswered);
    EXPECT_EQ(lines("unanswered"), (QList<QByteArray>{"no-recipient", "second-exit"}));
}

TEST_F(SingleInstanceProcess, SimultaneousStartsGiveExactlyOneFirstInstance)
{
    for (int round = 0; round < 3; ++round) {
        const QString a = QStringLiteral("a%1").arg(round);
        const QString b = QStringLiteral("b%1").arg(round);
        QProcess* pa = start(a);
        QProcess* pb = start(b);
        QDeadlineTimer deadline(waitMs);
        while (pa->state() != QProcess::NotRunning && pb->state() != QProcess::NotRunning &&
               !deadline.hasExpired()) {
            pa->waitForFinished(10);
            pb->waitForFinished(10);
        }
        QProcess* ended = pa->state() == QProcess::NotRunning ? pa : pb;
        QProcess* running = ended == pa ? pb : pa;
        const QString endedName = ended == pa ? a : b;
        const QString runningName = ended == pa ? b : a;
        ASSERT_EQ(running->state(), QProcess::Running) << "round " << round;
        EXPECT_EQ(ended->exitCode(), 0);
        EXPECT_EQ(lines(endedName), (QList<QByteArray>{"second-exit"}));
        ASSERT_TRUE(waitForLine(runningName, "raise"));
        quit(runningName, running);
        EXPECT_EQ(lines(runningName), (QList<QByteArray>{"first", "raise"}));
    }
}

TEST_F(SingleInstanceProcess, TheLockOfADeadInstanceIsTakenOver)
{
    QProcess* crashed = start("crashed");
    ASSERT_TRUE(waitForLine("crashed", "first"));
    crashed->kill();
    ASSERT_TRUE(crashed->waitForFinished(waitMs));
    EXPECT_TRUE(QFile::exists(names.lockFile)); // left behind, with its socket

    QProcess* next = start("next");
    ASSERT_TRUE(waitForLine("next", "first"));
    expectEndedWithZero(start("later", {"/b.tnfx"}));
    ASSERT_TRUE(waitForLine("next", pathLine("/b.tnfx")));
    quit("next", next);
}
