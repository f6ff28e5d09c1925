// One copy at a time, and a lock left by a crashed copy does not block the next start.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvenza.lock"));
    SingleInstance first(path);
    SingleInstance second(path);
    ASSERT_TRUE(first.Acquire());
    EXPECT_FALSE(second.Acquire());
    first.Release();
    EXPECT_TRUE(second.Acquire());
}

TEST(SingleInstance, LockOfACrashedCopyIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvenza.lock"));
    {
        // What a copy killed while running leaves behind: a lock naming a process that is gone.
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("2147483600\n" + QCoreApplication::applicationName().toUtf8() + "\n"
                    + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    SingleInstance next(path);
    EXPECT_TRUE(next.Acquire());
}

TEST(SingleInstance, DefaultLockLivesInTheRuntimeFolder)
{
    EXPECT_TRUE(SingleInstance::DefaultLockPath().endsWith(QStringLiteral("/orvenza.lock")));
}

} // namespace
} // namespace orv
