#include "platform/instance/InstanceLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

// One holder at a time, whoever asks; the file goes with its holder; and an older
// start's QLockFile and this lock keep each other out both ways.
TEST(InstanceLock, OneHolderAtATimeAndTheFileGoesWithIt)
{
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("tinctora.lock"));
    {
        std::optional<InstanceLock> first(std::in_place, path);
        ASSERT_EQ(first->tryLock(), InstanceLock::Result::acquired);
        InstanceLock second(path);
        EXPECT_EQ(second.tryLock(), InstanceLock::Result::held);

        QLockFile older(path);
        EXPECT_FALSE(older.tryLock(0));
        qint64 pid = 0;
        QString host, program;
        ASSERT_TRUE(older.getLockInfo(&pid, &host, &program));
        EXPECT_EQ(pid, QCoreApplication::applicationPid());

        first.reset();
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_EQ(second.tryLock(), InstanceLock::Result::acquired);
    }
    EXPECT_FALSE(QFile::exists(path));

    QLockFile older(path);
    ASSERT_TRUE(older.tryLock(0));
    InstanceLock after(path);
    EXPECT_EQ(after.tryLock(), InstanceLock::Result::held);
    older.unlock();
    EXPECT_EQ(after.tryLock(), InstanceLock::Result::acquired);

    InstanceLock nowhere(dir.filePath(QStringLiteral("missing/folder/tinctora.lock")));
    EXPECT_EQ(nowhere.tryLock(), InstanceLock::Result::unavailable);
}
