// The renderer's printing options, run as the program itself, without a print system.

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

TEST(RenderPrintOptions, RefusalsAreOneLineAndLeaveNoFile)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("hat.pdf"));
    Outcome r = Render({"--set", "RR0=15", "--paper", "A3", "--out", pdf});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(QString::fromUtf8(r.err), QStringLiteral("orvenza-render: 半径15cmの笠はA3縦の用紙に入りません"
                                                       "（A3縦に入るのは半径14cmまでです）。\n"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(Render({"--set", "RR0=14", "--paper", "A3", "--out", pdf}).exitCode, 0);

    r = Render({"--list-printers"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty());
    r = Render({"--print", "NoSuchQueue", "--copies", "2"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(QString::fromUtf8(r.err), QStringLiteral("orvenza-render: プリンタ「NoSuchQueue」が見つかりません。\n"));
    EXPECT_EQ(Render({"--print", "NoSuchQueue", "--copies", "51"}).exitCode, 2);
    EXPECT_EQ(Render({"--dpi", "600", "--out", pdf}).exitCode, 2); // gone: every sheet is 600 dpi
}
