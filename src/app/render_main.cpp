// orvenza-render: draws hats without a window, to a PNG (the screen chart) or a PDF (the printed
// sheets at full scale), or prints them (--print, --copies) through the window's own print path,
// from the fresh-start settings or a hat file, changed by --set options; --save writes the
// resulting document as a hat file; --batch makes many charts in one run; --list-printers lists
// the printers.

#include "document/RenderJob.h"
#include "print/PrinterChoice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <cstdio>

namespace {

constexpr int ExitProblem = 2;

void Report(const QString& message)
{
    std::fprintf(stderr, "orvenza-render: %s\n", message.toUtf8().constData());
}

// Reports a failure (nothing when message is empty) and gives the exit status for it.
int Status(const QString& message)
{
    if (message.isEmpty())
        return 0;
    Report(message);
    return ExitProblem;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the renderer's own one-line reports only, not Qt's diagnostics.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            Report(message);
    });
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvenza-render"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVENZA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws a planisphere hat without a window. Exit status 0 when every chart was made, 2 otherwise."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    orv::AddRenderJobOptions(parser);
    const QCommandLineOption batch(QStringLiteral("batch"),
                                   QStringLiteral("Make one chart per line of FILE, each line holding the options "
                                                  "of one chart; no other option goes with it."),
                                   QStringLiteral("FILE"));
    parser.addOption(batch);
    const QCommandLineOption listPrinters(QStringLiteral("list-printers"),
                                          QStringLiteral("List the printers --print takes, one per line."));
    parser.addOption(listPrinters);
    if (!parser.parse(QCoreApplication::arguments()))
        return Status(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();

    if (parser.isSet(listPrinters)) {
        if (parser.optionNames().size() > 1 || !parser.positionalArguments().isEmpty())
            return Status(QStringLiteral("--list-printers takes no other option"));
        for (const QString& name : orv::QtSystemPrinters().names())
            std::printf("%s\n", name.toUtf8().constData());
        return 0;
    }

    const QString programDir = QCoreApplication::applicationDirPath();
    if (parser.isSet(batch)) {
        if (parser.optionNames().size() > 1 || !parser.positionalArguments().isEmpty())
            return Status(QStringLiteral("--batch takes no other option"));
        return orv::RunRenderBatch(parser.value(batch), programDir, QDate::currentDate(), Report) ? 0 : ExitProblem;
    }
    orv::RenderJob job;
    if (const QString failure = orv::ReadRenderJob(parser, job); !failure.isEmpty())
        return Status(failure);
    return Status(orv::RunRenderJob(job, programDir, QDate::currentDate()));
}
