// What the program keeps between runs, and where a first window opens.
#include "app/WindowMemory.h"
#include "app/WindowPlacement.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(WindowMemory, RecentFilesLatestFirstOnceEachAtMostEight)
{
    QStringList recent;
    for (int i = 1; i <= 10; ++i)
        recent = WithRecentFile(recent, QStringLiteral("/h/%1.orv").arg(i), WindowMemory::RecentCount);
    ASSERT_EQ(recent.size(), 8);
    EXPECT_EQ(recent.first(), QStringLiteral("/h/10.orv"));
    EXPECT_EQ(recent.last(), QStringLiteral("/h/3.orv"));
    recent = WithRecentFile(recent, QStringLiteral("/h/5.orv"), WindowMemory::RecentCount);
    EXPECT_EQ(recent.first(), QStringLiteral("/h/5.orv"));
    EXPECT_EQ(recent.count(QStringLiteral("/h/5.orv")), 1);
    EXPECT_EQ(recent.size(), 8);
}

TEST(WindowMemory, UsedFilesAndTheirFolderAreKeptAcrossInstances)
{
    QTemporaryDir dir;
    WindowMemory().ClearRecentFiles();
    WindowMemory().FileUsed(dir.filePath(QStringLiteral("a.orv")));
    WindowMemory().FileUsed(dir.filePath(QStringLiteral("b.orv")));
    const WindowMemory later;
    EXPECT_EQ(later.RecentFiles(), QStringList({dir.filePath(QStringLiteral("b.orv")), dir.filePath(QStringLiteral("a.orv"))}));
    EXPECT_EQ(later.LastFolder(), QDir(dir.path()).absolutePath());
    WindowMemory().ForgetRecentFile(dir.filePath(QStringLiteral("b.orv")));
    EXPECT_EQ(WindowMemory().RecentFiles(), QStringList({dir.filePath(QStringLiteral("a.orv"))}));
    WindowMemory().ClearRecentFiles();
    EXPECT_TRUE(WindowMemory().RecentFiles().isEmpty());
}

TEST(WindowPlacement, FirstWindowFitsASmallScreenAndIsCentred)
{
    // A 1366 × 768 laptop whose panel takes 32 pixels at the top.
    const QRect available(0, 32, 1366, 736);
    const QRect frame = FittedWindowRect(QSize(1280, 900), available);
    EXPECT_TRUE(available.contains(frame));
    EXPECT_EQ(frame.width(), 1280);
    EXPECT_EQ(frame.height(), 736 - FrameRoom);
    EXPECT_EQ(frame.center(), available.center());
    // On a large screen the wanted size stays.
    EXPECT_EQ(FittedWindowRect(QSize(760, 820), QRect(0, 0, 2560, 1400)).size(), QSize(760, 820));
}

} // namespace
} // namespace orv
