// An install into a temporary prefix: every file in place, the launcher and AppStream data valid,
// and both programs working from another working folder.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Outcome RunProgram(const QString& program, const QStringList& arguments, const QString& workingFolder = {},
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir;
        installed = RunProgram(QStringLiteral(ORVENZA_CMAKE_COMMAND),
                               {QStringLiteral("--install"), QStringLiteral(ORVENZA_BUILD_DIR), QStringLiteral("--prefix"),
                                prefix->path()});
    }
    static void TearDownTestSuite() { delete prefix; }
    static QString Path(const QString& relative) { return QDir(prefix->path()).filePath(relative); }

    static inline QTemporaryDir* prefix = nullptr;
    static inline Outcome installed;
};

TEST_F(InstallTest, EverythingLandsInBinAndShare)
{
    ASSERT_EQ(installed.exitCode, 0) << installed.err.constData();
    for (const char* file :
         {"bin/orvenza", "bin/orvenza-render", "share/orvenza/DATA/IDOKEIDO.DAT", "share/orvenza/DATA/KOSEI.DAT",
          "share/orvenza/DATA/sandogasa.gif", "share/orvenza/orvenza.hlp", "share/applications/orvenza.desktop",
          "share/metainfo/orvenza.metainfo.xml", "share/mime/packages/orvenza.xml", "share/man/man1/orvenza.1.gz",
          "share/man/man1/orvenza-render.1.gz", "share/doc/orvenza/copyright", "share/doc/orvenza/changelog.gz"})
        EXPECT_TRUE(QFile::exists(Path(QLatin1String(file)))) << file;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(Path(QStringLiteral("share/icons/hicolor/%1x%1/apps/orvenza.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    // Nothing at the prefix root any more.
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("DATA"))));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("orvenza"))));

    // The licence texts of the data sources travel with the program.
    QFile copyright(Path(QStringLiteral("share/doc/orvenza/copyright")));
    ASSERT_TRUE(copyright.open(QIODevice::ReadOnly));
    const QByteArray text = copyright.readAll();
    for (const char* needed : {"Olaf Frohn", "NumFOCUS", "CC0-1.0", "the Orvenza developers"})
        EXPECT_TRUE(text.contains(needed)) << needed;
}

TEST_F(InstallTest, LauncherOpensHatFilesAndPassesTheDesktopChecks)
{
    QFile desktop(Path(QStringLiteral("share/applications/orvenza.desktop")));
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    const QByteArray entry = desktop.readAll();
    EXPECT_TRUE(entry.contains("Categories=Education;Science;Astronomy;"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-orvenza-hat;"));
    EXPECT_TRUE(entry.contains("Exec=orvenza %f"));
    EXPECT_TRUE(entry.contains(QStringLiteral("Name[ja]=").toUtf8()));
    QFile mime(Path(QStringLiteral("share/mime/packages/orvenza.xml")));
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    EXPECT_TRUE(mime.readAll().contains("<glob pattern=\"*.orv\"/>"));

    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validate.isEmpty()) {
        const Outcome r = RunProgram(validate, {desktop.fileName()});
        EXPECT_EQ(r.exitCode, 0) << r.out.constData() << r.err.constData();
        EXPECT_FALSE(r.out.contains("error")) << r.out.constData();
    }
    const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (!appstream.isEmpty()) {
        const Outcome r = RunProgram(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             Path(QStringLiteral("share/metainfo/orvenza.metainfo.xml"))});
        // Errors fail; the one warning left is the id, which is not a reversed domain name.
        EXPECT_FALSE(r.out.contains("\nE: ") || r.out.startsWith("E: ")) << r.out.constData();
    }
}

TEST_F(InstallTest, ProgramsRunFromAnotherWorkingFolder)
{
    QTemporaryDir elsewhere;
    const QString png = elsewhere.filePath(QStringLiteral("chart.png"));
    const Outcome render = RunProgram(Path(QStringLiteral("bin/orvenza-render")),
                                  {QStringLiteral("--set"), QStringLiteral("RR0=5"), QStringLiteral("--out"), png},
                                  QStringLiteral("/"));
    ASSERT_EQ(render.exitCode, 0) << render.err.constData();
    const QImage chart(png);
    EXPECT_EQ(chart.width(), 1112);

    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(QLatin1String(name));
    const Outcome version = RunProgram(Path(QStringLiteral("bin/orvenza")), {QStringLiteral("--version")}, elsewhere.path(),
                                   noDisplay);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("orvenza 1.4\n"));
}

} // namespace
