// The renderer's --open and --save options, run as the program itself.

#include "HatFileTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv::test;

namespace {

struct RunResult {
    int exitCode;
    QByteArray err;
};

RunResult Render(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(ORVENZA_RENDER_EXE), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardError()};
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
    {
        QFile f(in);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(file);
    }
    RunResult r = Render({"--open", in, "--save", dir.filePath("same.orv")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(ReadAll(dir.filePath("same.orv")), file);

    r = Render({"--open", in, "--set", "Fmilky=1", "--save=" + dir.filePath("set.orv"), "--out", dir.filePath("c.png")});
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
    RunResult r = Render({"--open", dir.filePath("missing.orv"), "--out", png});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.count("orvenza-render:"), 1) << r.err.constData(); // one line of its own
    EXPECT_FALSE(QFile::exists(png));

    r = Render({"--save", dir.filePath("no/folder/x.orv"), "--out", png});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(QFile::exists(png));

    r = Render({"--set", "Fmilky=1"});
    EXPECT_EQ(r.exitCode, 2);
}
