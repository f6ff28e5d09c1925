// Hat files from outside: the command line, a second start handing its file to the running copy
// (in process and between two real processes), and the answers that need no display.
#include "app/InstanceChannel.h"
#include "app/MainWindow.h"
#include "app/OutsideFiles.h"
#include "app/ProgramSession.h"
#include "document/HatFile.h"
#include "support/Fixtures.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <future>
#include <gtest/gtest.h>

namespace orv {
namespace {

// Runs the event loop until `done` or the time is up.
bool WaitFor(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QString WriteHatFile(const QString& path, std::initializer_list<std::pair<const char*, const char*>> sets)
{
    auto doc = test::FreshDocument(QDate(2026, 12, 7), sets);
    EXPECT_EQ(SaveHatFile(*doc, path), QString());
    return path;
}

TEST(OutsideFiles, CommandLineNamesBecomeAbsoluteAndOnlyHatFilesAreTakenFromDrops)
{
    EXPECT_EQ(CommandLineFile(QStringLiteral("sky.orv")), QDir::current().absoluteFilePath(QStringLiteral("sky.orv")));
    EXPECT_EQ(CommandLineFile(QStringLiteral("/h/空.orv")), QStringLiteral("/h/空.orv"));
    EXPECT_EQ(CommandLineFile(QStringLiteral("file:///h/a%20b.orv")), QStringLiteral("/h/a b.orv"));
    EXPECT_EQ(CommandLineFile(QString()), QString());

    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/x.orv")), QUrl::fromLocalFile(QStringLiteral("/h/a.png")),
                  QUrl::fromLocalFile(QStringLiteral("/h/SKY.ORV"))});
    EXPECT_EQ(DroppedHatFile(&data), QStringLiteral("/h/SKY.ORV"));
    EXPECT_EQ(DroppedHatFile(nullptr), QString());
}

TEST(InstanceChannel, SecondStartHandsItsFileOverOrAsksToBeRaised)
{
    QTemporaryDir runtime;
    const QString name = runtime.filePath(QStringLiteral("orvenza.socket"));
    EXPECT_FALSE(InstanceChannel::HandOver(name, QStringLiteral("/h/a.orv"), 300)); // nobody listens

    InstanceChannel channel(name);
    ASSERT_TRUE(channel.Listen());
    QStringList opened;
    int raised = 0;
    QObject::connect(&channel, &InstanceChannel::FileHandedOver, [&](const QString& p) { opened << p; });
    QObject::connect(&channel, &InstanceChannel::RaiseRequested, [&] { ++raised; });

    // The second start blocks on its side; the running copy answers from its event loop.
    const QString odd = QStringLiteral("/h/星 空\n%20,\"x\".orv");
    auto second = std::async(std::launch::async, [&] { return InstanceChannel::HandOver(name, odd); });
    ASSERT_TRUE(WaitFor([&] { return second.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    EXPECT_TRUE(second.get());
    ASSERT_TRUE(WaitFor([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QStringList({odd}));

    auto third = std::async(std::launch::async, [&] { return InstanceChannel::HandOver(name, QString()); });
    ASSERT_TRUE(WaitFor([&] { return third.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    EXPECT_TRUE(third.get());
    ASSERT_TRUE(WaitFor([&] { return raised == 1; }));

    // A socket left behind by a copy that crashed does not stop the next copy from listening.
    InstanceChannel next(name);
    EXPECT_TRUE(next.Listen());
}

TEST(ProgramSession, FileGivenAtStartIsOpenedOnceTheMainWindowIsUpLaterOnesAtOnce)
{
    QTemporaryDir dir;
    const QString first = WriteHatFile(dir.filePath(QStringLiteral("first.orv")), {{"KansokuKen", "12"}, {"KansokuShi", "0"}});
    const QString other = WriteHatFile(dir.filePath(QStringLiteral("other.orv")), {{"KansokuKen", "46"}, {"KansokuShi", "0"}});

    ProgramSession session(QStringLiteral(ORVENZA_PROGRAM_DIR), QDate(2026, 12, 7));
    session.OpenWhenReady(first);
    session.Start();
    ASSERT_NE(session.Cover(), nullptr);
    EXPECT_EQ(session.Window(), nullptr); // waiting on the cover
    QTest::keyClick(session.Cover(), Qt::Key_Space);
    MainWindow* window = session.Window();
    ASSERT_NE(window, nullptr);
    window->SetExitQuestion([] { return true; });
    EXPECT_EQ(window->CurrentFile(), first);
    EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("ComboKansokuShi"))->currentText(), QStringLiteral("千代田区"));

    session.OpenWhenReady(other);
    EXPECT_EQ(window->CurrentFile(), other);
    EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("ComboKansokuKen"))->currentText(), QStringLiteral("沖縄県"));
    window->close();
}

// The environment of a program started by a test: its own home and runtime folders, offscreen.
QProcessEnvironment ProgramEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

TEST(ProgramProcess, SecondStartHandsItsFileToTheFirstAndEnds)
{
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral(".config"));
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString file = WriteHatFile(home.filePath(QStringLiteral("other.orv")), {{"KansokuKen", "46"}});

    QProcess first;
    first.setProcessEnvironment(ProgramEnvironment(home.path()));
    first.start(QStringLiteral(ORVENZA_WINDOW_EXE), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(home.filePath(QStringLiteral("orvenza.socket"))); }));

    // Relative to its own working folder, as a user types it.
    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(home.path()));
    second.setWorkingDirectory(home.path());
    second.start(QStringLiteral(ORVENZA_WINDOW_EXE), {QStringLiteral("other.orv")});
    // Had the hand-over failed, it would wait at "既に起動されています" instead of ending.
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}

TEST(ProgramProcess, HelpAndVersionAnswerWithoutADisplay)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ORVENZA_WINDOW_EXE), {QStringLiteral("--version")});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput(), QByteArray("orvenza 1.4\n"));

    program.start(QStringLiteral(ORVENZA_WINDOW_EXE), {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardOutput().startsWith("Usage: orvenza [options] [FILE.orv]"));

    // Without a display and without an option it says so in one line.
    program.start(QStringLiteral(ORVENZA_WINDOW_EXE), {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(program.readAllStandardError().count('\n'), 1);
}

} // namespace
} // namespace orv
