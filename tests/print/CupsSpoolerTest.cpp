// Printing to a real print spooler: a CUPS daemon of the test's own (private configuration,
// socket and spool folders) with one cups-pdf queue that turns every print job into a PDF file.
// The program prints through its own print path, the window's request and the renderer's --print,
// and the documents that arrive are counted and measured. The daemon is stopped by its process id.
//
// What the set-up has to respect: cupsd refuses to run its filters as root, so they run as lp,
// which must reach the private folders (mode 0755 down to the PPD); cups-pdf reads its output
// folder from /etc/cups/cups-pdf-<queue>.conf.

#include "document/HatDocument.h"
#include "document/PendingRequests.h"
#include "print/PrintJob.h"
#include "support/Fixtures.h"
#include "support/PdfTools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace orv;
using namespace orv::test;

namespace {

constexpr auto ReadableFolder = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
    | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

void Write(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text.toUtf8());
}

class PrivateSpooler {
public:
    const QString queue = QStringLiteral("OrvenzaTest%1").arg(getpid());

    PrivateSpooler() { root_.setAutoRemove(true); }
    ~PrivateSpooler()
    {
        if (daemon_.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(daemon_.processId()), SIGTERM);
            daemon_.waitForFinished(10000);
        }
        QFile::remove(CupsPdfConf());
        qunsetenv("CUPS_SERVER");
        cupsSetServer(nullptr);
    }

    QString Socket() const { return root_.filePath(QStringLiteral("cups.sock")); }
    QString OutFolder() const { return root_.filePath(QStringLiteral("out")); }

    void Start()
    {
        ASSERT_TRUE(root_.isValid());
        const QDir root(root_.path());
        for (const char* folder : {"conf", "conf/ppd", "spool", "cache", "state", "tmp", "out", "log"})
            ASSERT_TRUE(root.mkpath(QLatin1String(folder)));
        for (const char* folder : {"", "conf", "conf/ppd", "spool", "cache", "state", "log"})
            QFile::setPermissions(root.filePath(QLatin1String(folder)), ReadableFolder);
        // Anyone may write temporary files and the PDFs (mode 1777).
        for (const char* folder : {"tmp", "out"})
            ::chmod(root.filePath(QLatin1String(folder)).toLocal8Bit().constData(), 01777);

        Write(root.filePath("conf/cupsd.conf"), QStringLiteral("LogLevel warn\n"
                                                                "Listen %1\n"
                                                                "Browsing No\n"
                                                                "WebInterface No\n"
                                                                "DefaultAuthType None\n"
                                                                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                                                "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                                                "  </Limit>\n</Policy>\n")
                                                    .arg(Socket()));
        Write(root.filePath("conf/cups-files.conf"),
              QStringLiteral("User lp\nGroup lp\nSystemGroup root\nServerRoot %1/conf\nServerBin /usr/lib/cups\n"
                             "DataDir /usr/share/cups\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\n"
                             "StateDir %1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                             "PageLog %1/log/page_log\n")
                  .arg(root_.path()));
        Write(root.filePath("conf/printers.conf"),
              QStringLiteral("<DefaultPrinter %1>\nInfo Orvenza test queue\nDeviceURI cups-pdf:/%1\nState Idle\n"
                             "Accepting Yes\nShared No\n</DefaultPrinter>\n")
                  .arg(queue));
        const QString ppd = root.filePath(QStringLiteral("conf/ppd/%1.ppd").arg(queue));
        ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd"), ppd));
        QFile::setPermissions(ppd, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                       | QFileDevice::ReadOther);
        // Label 2: every file gets its job number, so that copies of one title do not overwrite.
        Write(CupsPdfConf(), QStringLiteral("Out %1\nAnonDirName %1\nLabel 2\n").arg(OutFolder()));

        daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        daemon_.start(QStringLiteral("/usr/sbin/cupsd"),
                      {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath("conf/cupsd.conf"),
                       QStringLiteral("-s"), root.filePath("conf/cups-files.conf")});
        ASSERT_TRUE(daemon_.waitForStarted(10000)) << "cupsd (Debian package cups) must be installed";

        qputenv("CUPS_SERVER", Socket().toLocal8Bit());
        cupsSetServer(Socket().toLocal8Bit().constData()); // also drops a connection to another server
        QElapsedTimer waited;
        waited.start();
        while (!QueueProblem().isEmpty() && waited.elapsed() < 20000 && daemon_.state() == QProcess::Running)
            QThread::msleep(100);
        ASSERT_EQ(QueueProblem(), QString()) << "the private cupsd did not come up";
    }

    QString QueueProblem() const
    {
        cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toLocal8Bit().constData(), nullptr);
        if (!dest)
            return QString::fromLocal8Bit(cupsLastErrorString());
        cupsFreeDests(1, dest);
        return {};
    }

    // Runs a CUPS command-line tool (cupsdisable, cupsreject ...) on the queue.
    void Command(const char* tool) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), Socket());
        p.setProcessEnvironment(env);
        p.start(QLatin1String(tool), {queue});
        ASSERT_TRUE(p.waitForFinished(10000));
        ASSERT_EQ(p.exitCode(), 0) << tool << p.readAllStandardError().constData();
    }

    // Waits until the queue has no job left, then lists the PDFs that arrived.
    QStringList Arrived() const
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 90000) {
            cups_job_t* jobs = nullptr;
            const int active = cupsGetJobs(&jobs, queue.toLocal8Bit().constData(), 0, CUPS_WHICHJOBS_ACTIVE);
            cupsFreeJobs(active, jobs);
            if (active == 0)
                break;
            QThread::msleep(200);
        }
        QStringList files;
        for (const QString& name : QDir(OutFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
            files << QDir(OutFolder()).filePath(name);
        return files;
    }

    void ClearArrived() const
    {
        for (const QString& file : Arrived())
            QFile::remove(file);
    }

private:
    QString CupsPdfConf() const { return QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(queue); }

    QTemporaryDir root_{QStringLiteral("/tmp/orvenza-cups-XXXXXX")};
    QProcess daemon_;
};

bool IsA4(const QSizeF& mm)
{
    const QSizeF portrait = mm.width() < mm.height() ? mm : mm.transposed();
    return std::abs(portrait.width() - 210) < 1 && std::abs(portrait.height() - 297) < 1;
}

} // namespace

TEST(CupsSpooler, CopiesArriveAsOneDocumentPerSheetAndFailuresAreNamed)
{
    PrivateSpooler spooler;
    ASSERT_NO_FATAL_FAILURE(spooler.Start());

    // The window's request: "A4横×2", two copies, carried out as the chart window does.
    auto doc = FreshDocument(QDate(2026, 12, 7), {{"RR0", "3"}});
    ASSERT_TRUE(doc->printerChoice.Offered().contains(spooler.queue));
    doc->printerChoice.SelectPrinterByName(spooler.queue);
    doc->printRequest.PrintCopies = 2;
    doc->printRequest.PrintPending = true;
    QStringList failures;
    RequestHooks hooks;
    hooks.reportFailure = [&](const QString& m) { failures << m; };
    RunPendingRequests(*doc, hooks);
    EXPECT_TRUE(failures.isEmpty()) << failures.join(' ').toStdString();
    EXPECT_FALSE(doc->printRequest.PrintPending);

    const QStringList documents = spooler.Arrived();
    ASSERT_EQ(documents.size(), 4) << documents.join(' ').toStdString();
    for (const QString& document : documents) {
        const std::vector<QSizeF> pages = PageSizesMm(document);
        ASSERT_EQ(pages.size(), 1u) << document.toStdString();
        EXPECT_TRUE(IsA4(pages[0])) << pages[0].width() << " x " << pages[0].height();
    }
    spooler.ClearArrived();

    // A stopped queue, a queue that refuses jobs and a queue that does not exist: the printer is
    // named, nothing is sent.
    spooler.Command("cupsdisable");
    EXPECT_EQ(PrintOnPrinter(*doc, spooler.queue, 2).failure, QStringLiteral("プリンタ「%1」は停止しています。").arg(spooler.queue));
    spooler.Command("cupsenable");
    spooler.Command("cupsreject");
    const PrintOutcome refused = PrintOnPrinter(*doc, spooler.queue, 2);
    EXPECT_EQ(refused.sheets, 0);
    EXPECT_TRUE(refused.failure.startsWith(QStringLiteral("プリンタ「%1」が印刷を受け付けませんでした").arg(spooler.queue)))
        << refused.failure.toStdString();
    spooler.Command("cupsaccept");
    EXPECT_EQ(PrintOnPrinter(*doc, QStringLiteral("NoSuchQueue"), 1).failure,
              QStringLiteral("プリンタ「NoSuchQueue」が見つかりません。"));
    EXPECT_TRUE(spooler.Arrived().isEmpty());

    // The renderer's --print: "半径12cm" on A3, whose horizon measures 12 cm on the spooler's PDF.
    QProcess render;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), spooler.Socket());
    render.setProcessEnvironment(env);
    render.start(QStringLiteral(ORVENZA_RENDER_EXE), {QStringLiteral("--set"), QStringLiteral("RR0=12"), QStringLiteral("--paper"),
                                                     QStringLiteral("A3"), QStringLiteral("--print"), spooler.queue,
                                                     QStringLiteral("--copies"), QStringLiteral("1")});
    ASSERT_TRUE(render.waitForFinished(60000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().constData();
    const QStringList a3 = spooler.Arrived();
    ASSERT_EQ(a3.size(), 1);
    const std::vector<QSizeF> pages = PageSizesMm(a3[0]);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width(), 297, 1);
    EXPECT_NEAR(pages[0].height(), 420, 1);
    const QImage sheet = RasterisePage(a3[0], 1, 254); // 0.1 mm per pixel
    const QRect ink = InkBounds(sheet);
    EXPECT_NEAR(CircleRadius(sheet, HatCentre(ink), 1200), 1200, 3); // 12 cm within 0.3 mm
    EXPECT_LE(std::abs(ink.left() - (sheet.width() - 1 - ink.right())), 10);
}
