// The renderer's --open and --save options, run as the program itself.

#include "HatFileTestSupport.h"
#include "support/RenderProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace orv::test;

namespace {

// A hat file of about 13 KB: the fresh document with a hundred texts.
QByteArray BigHatFile()
{
    QStringList lines = FreshDocumentLines();
    for (int i = 1; i <= 100; ++i)
        lines << QStringLiteral("Text,テキスト%1").arg(i) << "Tcolor, 255 " << "Tsize, 12 " << "Tx, .25 " << "Ty,-.5 ";
    return HatLines(lines);
}

} // namespace

TEST(RenderHatFile, OpenSetAndSaveConvertsFilesAndDrawsTheOverlays)
{
    QTemporaryDir dir;
    QStringList lines = FreshDocumentLines();
    lines << "Text,東京" << "Tcolor, 255 " << "Tsize, 24 " << "Tx, .25 " << "Ty, .5 "
          << "Line,-" << "Lcolor, 0 " << "Lwidth, 5 " << "Lx1, 0 " << "Ly1, 0 " << "Lx2, 1 " << "Ly2, 1 ";
    const QByteArray file = HatLines(lines);
    const QString in = dir.filePath("in.orv");
    WriteAll(in, file);
    RenderRun r = RunRenderer({"--open", in, "--save", dir.filePath("same.orv")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(ReadAll(dir.filePath("same.orv")), file);

    r = RunRenderer({"--open", in, "--set", "Fmilky=1", "--save=" + dir.filePath("set.orv"), "--out", dir.filePath("c.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    QByteArray expected = file;
    expected.replace("Fmilky, 0 ", "Fmilky, 1 ");
    EXPECT_EQ(ReadAll(dir.filePath("set.orv")), expected);
    EXPECT_TRUE(QFile::exists(dir.filePath("c.png")));
}

TEST(RenderHatFile, FailuresLeaveNoOutputBehind)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("c.png");
    RenderRun r = RunRenderer({"--open", dir.filePath("missing.orv"), "--out", png});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(OneReportLine(r.err)) << r.err.constData();
    EXPECT_FALSE(QFile::exists(png));

    r = RunRenderer({"--save", dir.filePath("no/folder/x.orv"), "--out", png});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(QFile::exists(png));

    r = RunRenderer({"--set", "Fmilky=1"});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(RenderHatFile, SaveUnderAFileSizeLimitFailsWithStatusTwoAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString big = dir.filePath("big.orv");
    const QString old = dir.filePath("old.orv");
    WriteAll(big, BigHatFile());
    const QByteArray oldBytes = HatLines(FreshDocumentLines());
    WriteAll(old, oldBytes);
    ASSERT_GT(BigHatFile().size(), 4096);
    const RenderRun r = RunRenderer({"--open", big, "--save", old}, {}, [] {
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(OneReportLine(r.err)) << r.err.constData();
    EXPECT_TRUE(r.err.contains("ファイルの大きさの上限を超えました。")) << r.err.constData();
    EXPECT_EQ(ReadAll(old), oldBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"big.orv", "old.orv"}));
}

// A full file system needs a private mount, which only a system that allows user namespaces
// gives; elsewhere the test is skipped (the file-size limit above takes the same road).
TEST(RenderHatFile, SaveOnAFullFileSystemFailsWithStatusTwoAndKeepsTheOldFile)
{
    if (RunRenderer({"-rm", "true"}, {}, {}, QStringLiteral("unshare")).exitCode != 0)
        GTEST_SKIP() << "no private mounts here (unshare -rm)";
    QTemporaryDir dir;
    const QString big = dir.filePath("big.orv");
    WriteAll(big, BigHatFile());
    const QByteArray oldBytes = HatLines(FreshDocumentLines());
    WriteAll(dir.filePath("old.orv"), oldBytes);
    const QString disk = dir.filePath("disk");
    ASSERT_TRUE(QDir().mkpath(disk));
    // Inside its own mount namespace: a 64 KB file system, filled up but for the old file, then the
    // save, then the comparison with the old bytes (the file system goes with the namespace).
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=64k tmpfs \"$1\" || exit 90\n"
        "cp \"$2/old.orv\" \"$1/old.orv\" || exit 91\n"
        "head -c 200000 /dev/zero > \"$1/filler\" 2>/dev/null\n"
        "\"$3\" --open \"$2/big.orv\" --save \"$1/old.orv\"\n"
        "status=$?\n"
        "cmp -s \"$1/old.orv\" \"$2/old.orv\" || exit 92\n"
        "ls \"$1\" | tr '\\n' ' ' >&2\n"
        "exit $status\n");
    const RenderRun r = RunRenderer({"-rm", "sh", "-c", script, "sh", disk, dir.path(), ORVENZA_RENDER_EXE}, {}, {},
                                    QStringLiteral("unshare"));
    EXPECT_EQ(r.exitCode, 2) << r.err.constData();
    EXPECT_TRUE(r.err.contains("ディスクの空き容量が足りません。")) << r.err.constData();
    EXPECT_TRUE(r.err.endsWith("filler old.orv ")) << r.err.constData(); // no temporary file left behind
}
