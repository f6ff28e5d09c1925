// The program a user starts: one copy at a time, the cover, then the main window. A hat file named
// on the command line is opened once the main window is up; a second start hands its file to the
// copy already running, or brings that copy to the front, and ends.

#include "app/AppTexts.h"
#include "app/InstanceChannel.h"
#include "app/JapaneseUi.h"
#include "app/OutsideFiles.h"
#include "app/ProgramSession.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>

using namespace orv;

namespace {

struct CommandLine {
    QString file; // absolute, empty when none
};

// Reads the options before any window system is touched, so that --help and --version answer on a
// machine without a display. Ends the process for --help, --version and a bad option.
CommandLine ParseCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Orvenza: 星座早見笠を描いて印刷します。"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("この説明を表示して終わります"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("版を表示して終わります"));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("FILE.orv"), QStringLiteral("開く笠ファイル"), QStringLiteral("[FILE.orv]"));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "orvenza: %s\n", parser.errorText().toLocal8Bit().constData());
        std::fputs("orvenza --help で使い方を表示します\n", stderr);
        std::exit(2);
    }
    if (parser.isSet(help)) {
        // Without an application object the parser cannot know the program's name.
        const QString text = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("orvenza"));
        std::fputs(text.toLocal8Bit().constData(), stdout);
        std::exit(0);
    }
    if (parser.isSet(version)) {
        std::printf("orvenza %s\n", ORVENZA_VERSION);
        std::exit(0);
    }
    if (parser.positionalArguments().size() > 1) {
        std::fputs("orvenza: 開ける笠ファイルは一つだけです\n", stderr);
        std::exit(2);
    }
    return {parser.positionalArguments().isEmpty() ? QString() : CommandLineFile(parser.positionalArguments().constFirst())};
}

// True when a window system can be reached; otherwise says so in one line.
bool DisplayAvailable()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return true;
    std::fputs("orvenza: 画面（X11 または Wayland のディスプレイ）がないため起動できません。"
               "DISPLAY か WAYLAND_DISPLAY を設定してください。\n",
               stderr);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(ProductName);
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVENZA_VERSION));
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (!DisplayAvailable())
        return 1;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("orvenza"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orvenza.png")));
    const QStringList warnings = InstallJapaneseUi(app);
    for (const QString& warning : warnings)
        std::fprintf(stderr, "orvenza: %s\n", warning.toLocal8Bit().constData());

    SingleInstance instance;
    if (!instance.Acquire()) {
        // The copy already running takes the file, or only comes to the front.
        if (InstanceChannel::HandOver(InstanceChannel::DefaultName(), commandLine.file))
            return 0;
        QMessageBox::information(nullptr, ProductName, AlreadyRunningMessage, QMessageBox::Ok);
        return 0;
    }

    ProgramSession session(QCoreApplication::applicationDirPath(), QDate::currentDate(), warnings);
    InstanceChannel channel;
    if (!channel.Listen())
        std::fputs("orvenza: 二つ目の起動からファイルを受け取れません\n", stderr);
    QObject::connect(&channel, &InstanceChannel::FileHandedOver, &session, &ProgramSession::OpenWhenReady);
    QObject::connect(&channel, &InstanceChannel::RaiseRequested, &session, &ProgramSession::Raise);

    if (!commandLine.file.isEmpty())
        session.OpenWhenReady(commandLine.file);
    session.Start();
    return app.exec();
}
