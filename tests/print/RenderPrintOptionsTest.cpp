// The renderer's printing options, run as the program itself, without a print system.

#include "support/PdfTools.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// No print system answers on this socket: the system has no printer.
Outcome Render(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVENZA_RENDER_EXE), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace

TEST(RenderPrintOptions, AFreeRadiusTooLargeForItsPaperIsRefusedWithOneLine)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("hat.pdf"));
    Outcome r = Render({"--set", "RR0=15", "--paper", "A3", "--out", pdf});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("A3縦に入るのは半径14cmまで")));
    EXPECT_FALSE(QFile::exists(pdf));

    r = Render({"--set", "RR0=14", "--paper", "A3", "--out", pdf});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(orv::test::PageSizesMm(pdf).size(), 1u);
}

TEST(RenderPrintOptions, PrintersAreListedAndAMissingOneIsNamed)
{
    Outcome r = Render({"--list-printers"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty());

    r = Render({"--print", "NoSuchQueue", "--copies", "2"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(QString::fromUtf8(r.err).trimmed(), QStringLiteral("orvenza-render: プリンタ「NoSuchQueue」が見つかりません。"));

    EXPECT_EQ(Render({"--print", "NoSuchQueue", "--copies", "51"}).exitCode, 2);
    EXPECT_EQ(Render({"--dpi", "600", "--out", "x.pdf"}).exitCode, 2); // gone: every sheet is 600 dpi
}
