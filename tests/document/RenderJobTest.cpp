// The renderer's options, its refusals (one line, exit status 2, no file), charts that do not
// depend on the locale, and batches made in one process.

#include "document/RenderJob.h"
#include "settings/ApplySetting.h"
#include "HatFileTestSupport.h"
#include "support/Locale.h"
#include "support/RenderProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// A PDF without its creation time, the only part that differs between two runs.
QByteArray PdfBody(const QByteArray& pdf)
{
    const qsizetype at = pdf.indexOf("/CreationDate (D:");
    if (at < 0)
        return pdf;
    return pdf.left(at) + pdf.mid(pdf.indexOf(')', at) + 1);
}

// The renderer beside a DATA folder that lacks one file.
QString RendererWithout(const QTemporaryDir& dir, const QString& missing)
{
    const QString program = dir.filePath("orvenza-render");
    EXPECT_TRUE(QFile::copy(QStringLiteral(ORVENZA_RENDER_EXE), program));
    QDir().mkpath(dir.filePath("DATA"));
    const QDir data(QStringLiteral(ORVENZA_PROGRAM_DIR "/DATA"));
    for (const QString& name : data.entryList(QDir::Files))
        if (name != missing) {
            EXPECT_TRUE(QFile::copy(data.filePath(name), dir.filePath("DATA/" + name)));
        }
    return program;
}

} // namespace

TEST(RenderJobOptions, OneChartsOptionsAreReadOrRefusedInOneLine)
{
    RenderJob job;
    ASSERT_EQ(ParseRenderJob({"--open", "a.orv", "--set", "Fmilky=1", "--set=Year=26", "-paper", "b4", "--out=x.PDF",
                              "--save", "s.orv"},
                             job),
              QString());
    EXPECT_EQ(job.open, "a.orv");
    EXPECT_EQ(job.sets, (QList<QPair<QString, QString>>{{"Fmilky", "1"}, {"Year", "26"}}));
    EXPECT_EQ(job.paperIndex, std::optional<int16_t>(1));
    EXPECT_EQ(job.out, "x.PDF");
    EXPECT_EQ(job.save, "s.orv");

    const std::pair<QStringList, const char*> refused[] = {
        {{"--out", "x.png", "--bogus"}, "Unknown option 'bogus'."},
        {{"--out"}, "Missing value after '--out'."},
        {{"--out", "x.png", "extra"}, "unexpected argument \"extra\""},
        {{"--set", "Fmilky"}, "--set needs KEY=VALUE, got \"Fmilky\""},
        {{"--set", "=1", "--out", "x.png"}, "--set needs KEY=VALUE, got \"=1\""},
        {{"--paper", "A5", "--out", "x.png"}, "--paper must be A4, B4 or A3, got \"A5\""},
        {{"--out", "x.jpg"}, "--out must end in .png or .pdf: \"x.jpg\""},
        {{"--out", "a.png", "--out", "b.png"}, "--out is given more than once"},
        {{"--save", ""}, "--save needs a file name"},
        {{"--set", "Fmilky=1"}, "--out FILE.png or FILE.pdf (or --print PRINTER, or --save FILE.orv) is required"},
        {{"--copies", "2", "--out", "x.pdf"}, "--copies goes with --print"},
        {{"--print", "q", "--copies", "51"}, "--copies must be a whole number from 0 to 50, got \"51\""},
        {{"--print", "q", "--copies", "2x"}, "--copies must be a whole number from 0 to 50, got \"2x\""},
        {{"--dpi", "300", "--out", "x.pdf"}, "Unknown option 'dpi'."},
    };
    for (const auto& [args, reason] : refused)
        EXPECT_EQ(ParseRenderJob(args, job), QString::fromUtf8(reason)) << args.join(' ').toStdString();
}

TEST(RenderProgram, RefusedOptionsAndValuesGiveOneLineStatusTwoAndNoFile)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("c.png");
    const QStringList refused[] = {
        {"--bogus", "--out", png},
        {"--set", "Fsen=abc", "--out", png},
        {"--set", "Fsen=", "--out", png},
        {"--set", "Fsen=nan", "--out", png},
        {"--set", "Fsen=0x1", "--out", png},
        {"--set", "Fsen=1 junk", "--out", png},
        {"--set", "Fsen=2", "--out", png},
        {"--set", "Year=-1", "--out", png},
        {"--set", "KansokuKen=-1", "--out", png},
        {"--set", "Kcolor=16777216", "--out", png},
        {"--set", "NoSuchKey=1", "--out", png},
        {"--batch", "x", "--out", png},
    };
    for (const QStringList& args : refused) {
        const RenderRun r = RunRenderer(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(OneReportLine(r.err)) << r.err.constData();
        EXPECT_FALSE(QFile::exists(png)) << args.join(' ').toStdString();
    }
    RenderRun r = RunRenderer({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("orvenza-render 1.")) << r.out.constData();
    r = RunRenderer({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("--batch <FILE>")) << r.out.constData();
}

TEST(RenderProgram, HatFileWithoutASiteIsNotDrawnButMayBeConverted)
{
    QTemporaryDir dir;
    const QString in = dir.filePath("nosite.orv");
    WriteAll(in, HatLines({"KansokuKen,-1 "}));
    RenderRun r = RunRenderer({"--open", in, "--out", dir.filePath("c.png")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "orvenza-render: cannot draw the chart: 観測地を選択してください\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("c.png")));
    r = RunRenderer({"--open", in, "--save", dir.filePath("same.orv")});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
}

TEST(RenderProgram, MissingDataFileLeavesNoOutputAndKeepsAnOldOne)
{
    QTemporaryDir dir;
    const QString program = RendererWithout(dir, QStringLiteral("KOSEI.DAT"));
    for (const char* name : {"c.png", "c.pdf"}) {
        const QString out = dir.filePath(name);
        RenderRun r = RunRenderer({"--out", out}, {}, {}, program);
        EXPECT_EQ(r.exitCode, 2) << name;
        EXPECT_TRUE(OneReportLine(r.err)) << r.err.constData();
        EXPECT_TRUE(r.err.contains("KOSEI.DAT")) << r.err.constData();
        EXPECT_FALSE(QFile::exists(out)) << name;

        WriteAll(out, "an earlier chart");
        r = RunRenderer({"--out", out, "--save", dir.filePath("s.orv")}, {}, {}, program);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(ReadAll(out), QByteArray("an earlier chart"));
        EXPECT_FALSE(QFile::exists(dir.filePath("s.orv")));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"c.pdf", "c.png", "orvenza-render"}));
}

TEST(RenderProgram, ChartAndHatFileDoNotDependOnADecimalCommaLocale)
{
    const std::optional<QString> locale = DecimalCommaLocale();
    if (!locale)
        GTEST_SKIP() << "no decimal-comma locale on this system (scripts/test.sh builds one)";
    QTemporaryDir dir;
    QStringList lines = FreshDocumentLines();
    lines << "Text,東京" << "Tcolor, 255 " << "Tsize, 24 " << "Tx, .25 " << "Ty,-.5 "
          << "Line,-" << "Lcolor, 0 " << "Lwidth, 5 " << "Lx1, 1E-05 " << "Ly1, .1 " << "Lx2, 1.5 " << "Ly2,-3.51E-05 ";
    const QByteArray file = HatLines(lines);
    const QString in = dir.filePath("in.orv");
    WriteAll(in, file);
    const QStringList options = {"--open", in, "--set", "Fmilky=1", "--set", "Year=26", "--set", "Month=11",
                                 "--set", "Day=6"};
    for (const QString& lc : {QStringLiteral("C"), *locale}) {
        const RenderRun r = RunRenderer(options + QStringList{"--out", dir.filePath(lc + ".png"), "--save", dir.filePath(lc + ".orv")},
                                        {"LC_ALL=" + lc});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    }
    EXPECT_EQ(ReadAll(dir.filePath(*locale + ".png")), ReadAll(dir.filePath("C.png")));
    QByteArray expected = file;
    expected.replace("Fmilky, 0 ", "Fmilky, 1 ");
    EXPECT_EQ(ReadAll(dir.filePath(*locale + ".orv")), expected);
    EXPECT_EQ(ReadAll(dir.filePath("C.orv")), expected);
}

TEST(RenderProgram, BatchMakesEveryChartAsASeparateRunWouldAndReportsTheFailingLine)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const QStringList jobs[] = {
        {"--set", "Fmilky=1", "--out", path("milky.png")},
        {"--set", "Fmilky=1", "--set", "RR0=3", "--out", path("two sheets.pdf"), "--save", path("two sheets.orv")},
        {"--set", "Fsen=abc", "--out", path("refused.png")},
        {"--set", "Fmilky=1", "--set", "KansokuKen=0", "--out", path("hokkaido.png")},
    };
    // The batch file: a comment, a blank line, then one line per job, quoted where a name has blanks.
    QByteArray batch = "# charts for the class\n\n";
    for (const QStringList& job : jobs) {
        QStringList quoted;
        for (const QString& arg : job)
            quoted << (arg.contains(' ') ? '"' + arg + '"' : arg);
        batch += quoted.join(' ').toUtf8() + '\n';
    }
    WriteAll(path("charts.txt"), batch);
    const RenderRun r = RunRenderer({"--batch", path("charts.txt")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, QStringLiteral("orvenza-render: line 5: --set Fsen=abc: %1\n")
                         .arg(ValueText::NotSwitch("abc", false))
                         .toUtf8());
    EXPECT_FALSE(QFile::exists(path("refused.png")));

    QTemporaryDir separate;
    for (const QStringList& job : jobs) {
        if (job.contains("Fsen=abc"))
            continue;
        QStringList args = job;
        args.replaceInStrings(dir.path(), separate.path());
        ASSERT_EQ(RunRenderer(args).exitCode, 0) << args.join(' ').toStdString();
    }
    for (const char* name : {"milky.png", "hokkaido.png", "two sheets.orv"})
        EXPECT_EQ(ReadAll(path(name)), ReadAll(separate.filePath(name))) << name;
    EXPECT_EQ(PdfBody(ReadAll(path("two sheets.pdf"))), PdfBody(ReadAll(separate.filePath("two sheets.pdf"))));
    EXPECT_FALSE(ReadAll(path("milky.png")).isEmpty());
}
