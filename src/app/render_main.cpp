// orvenza-render: draws a hat without a window, to a PNG (the screen chart) or a PDF (the printed
// sheets at full scale), or prints it on a printer (--print, --copies) through the window's own
// print path, from the fresh-start settings or a hat file (--open) changed by --set KEY=VALUE
// options; --save writes the resulting document as a hat file. --list-printers lists the printers.

#include "document/HatDocument.h"
#include "document/HatFile.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"
#include "render/RedrawChart.h"
#include "settings/ApplySetting.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <optional>

namespace {

constexpr int ExitProblem = 2;

struct Options {
    QList<QPair<QString, QString>> sets;
    std::optional<int16_t> paperIndex;
    QString out;
    QString printer;
    int copies = 1;
    bool listPrinters = false;
    QString open;
    QString save;
};

const char Usage[] =
    "usage: orvenza-render [--open FILE.orv] [--set KEY=VALUE]... [--paper A4|B4|A3]\n"
    "                      [--out FILE.png|FILE.pdf] [--print PRINTER [--copies N]] [--save FILE.orv]\n"
    "       orvenza-render --list-printers\n";

[[noreturn]] void Fail(const QString& message)
{
    std::fprintf(stderr, "orvenza-render: %s\n", message.toUtf8().constData());
    std::exit(ExitProblem);
}

// Takes the value of an option given either as "--name value" or "--name=value".
QString OptionValue(const QStringList& args, int& i, const QString& name)
{
    const QString& arg = args[i];
    if (arg.startsWith(name + QLatin1Char('=')))
        return arg.mid(name.size() + 1);
    if (i + 1 >= args.size())
        Fail(QStringLiteral("%1 needs a value").arg(name));
    return args[++i];
}

Options ParseOptions(const QStringList& args)
{
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        if (name == QLatin1String("--set")) {
            const QString kv = OptionValue(args, i, name);
            const int eq = kv.indexOf(QLatin1Char('='));
            if (eq <= 0)
                Fail(QStringLiteral("--set needs KEY=VALUE, got \"%1\"").arg(kv));
            o.sets.append({kv.left(eq), kv.mid(eq + 1)});
        } else if (name == QLatin1String("--paper")) {
            static const QStringList papers = {QStringLiteral("A4"), QStringLiteral("B4"), QStringLiteral("A3")};
            const QString paper = OptionValue(args, i, name);
            const int index = static_cast<int>(papers.indexOf(paper.toUpper()));
            if (index < 0)
                Fail(QStringLiteral("--paper must be A4, B4 or A3, got \"%1\"").arg(paper));
            o.paperIndex = static_cast<int16_t>(index);
        } else if (name == QLatin1String("--print")) {
            o.printer = OptionValue(args, i, name);
            if (o.printer.isEmpty())
                Fail(QStringLiteral("--print needs a printer name"));
        } else if (name == QLatin1String("--copies")) {
            const QString value = OptionValue(args, i, name);
            bool ok = false;
            o.copies = value.toInt(&ok);
            if (!ok || o.copies < 0 || o.copies > 50)
                Fail(QStringLiteral("--copies must be a whole number from 0 to 50, got \"%1\"").arg(value));
        } else if (arg == QLatin1String("--list-printers")) {
            o.listPrinters = true;
        } else if (name == QLatin1String("--out")) {
            o.out = OptionValue(args, i, name);
        } else if (name == QLatin1String("--open")) {
            o.open = OptionValue(args, i, name);
        } else if (name == QLatin1String("--save")) {
            o.save = OptionValue(args, i, name);
            if (o.save.isEmpty())
                Fail(QStringLiteral("--save needs a file name"));
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(Usage, stdout);
            std::exit(0);
        } else {
            Fail(QStringLiteral("unknown option \"%1\"\n%2").arg(arg, QString::fromLatin1(Usage).trimmed()));
        }
    }
    if (o.out.isEmpty() && o.save.isEmpty() && o.printer.isEmpty() && !o.listPrinters)
        Fail(QStringLiteral("--out FILE.png or FILE.pdf (or --print PRINTER, or --save FILE.orv) is required"));
    if (!o.out.isEmpty() && !o.out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
        && !o.out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        Fail(QStringLiteral("--out must end in .png or .pdf: \"%1\"").arg(o.out));
    return o;
}

void ApplySets(orv::HatDocument& doc, const Options& o)
{
    for (const auto& [key, value] : o.sets) {
        const orv::ApplyResult r = orv::ApplySettingValue(doc.controls, doc.settings, doc.sites, key, value);
        if (r.kind == orv::ApplyResult::UnknownKey)
            Fail(QStringLiteral("unknown setting key \"%1\"").arg(key));
        if (r.kind == orv::ApplyResult::Failed)
            Fail(QStringLiteral("bad value \"%1\" for %2: %3").arg(value, key, r.message));
    }
    if (o.paperIndex)
        doc.PrintPaperIndex = *o.paperIndex;
}

// Refuses the output when a data file was missing or malformed: the chart would be incomplete.
void FailOnProblems(const orv::HatDocument& doc, const QString& out)
{
    if (doc.problems.Empty())
        return;
    QFile::remove(out);
    Fail(doc.problems.Messages().join(QLatin1Char(' ')));
}

// Reads the hat file given by --open into the fresh document.
void OpenHatFile(orv::HatDocument& doc, const QString& path)
{
    const QString failure = orv::LoadHatFile(doc, path);
    if (!failure.isEmpty())
        Fail(QStringLiteral("cannot open \"%1\": %2").arg(path, failure));
}

// Writes the document given by --save; a failure takes the rendered output away with it.
void SaveHatFile(const orv::HatDocument& doc, const Options& o)
{
    const QString failure = orv::SaveHatFile(doc, o.save);
    if (failure.isEmpty())
        return;
    if (!o.out.isEmpty())
        QFile::remove(o.out);
    Fail(QStringLiteral("cannot save \"%1\": %2").arg(o.save, failure));
}

// The screen chart; after --open it is drawn as the open's redraw draws it, with the loaded
// texts and lines.
void RenderPng(orv::HatDocument& doc, const QString& out, bool opened)
{
    doc.printing = false;
    doc.LoadPending = opened;
    orv::RedrawChart(doc, true);
    doc.LoadPending = false;
    FailOnProblems(doc, out);
    if (!doc.screen.Image().save(out, "PNG")) {
        QFile::remove(out);
        Fail(QStringLiteral("cannot write \"%1\"").arg(out));
    }
}

// The printed sheets as the "PDFファイル" printer writes them; a hat that does not fit its paper
// is refused.
void RenderPdf(orv::HatDocument& doc, const QString& out)
{
    const orv::PrintOutcome outcome = orv::PrintToPdf(doc, out);
    FailOnProblems(doc, out);
    if (!outcome.failure.isEmpty())
        Fail(outcome.failure.simplified());
}

// The window's print request: every sheet its own print job, copies by drawing again.
void PrintOnPrinter(orv::HatDocument& doc, const Options& o)
{
    const orv::PrintOutcome outcome = orv::PrintOnPrinter(doc, o.printer, o.copies);
    if (!outcome.failure.isEmpty())
        Fail(outcome.failure.simplified());
    if (!doc.problems.Empty())
        Fail(doc.problems.Messages().join(QLatin1Char(' ')));
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the renderer's own one-line reports only, not Qt's diagnostics.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "orvenza-render: %s\n", message.toUtf8().constData());
    });
    QGuiApplication app(argc, argv);
    const Options options = ParseOptions(QCoreApplication::arguments());
    if (options.listPrinters) {
        for (const QString& name : orv::QtSystemPrinters().names())
            std::printf("%s\n", name.toUtf8().constData());
        return 0;
    }

    orv::HatDocument doc(QCoreApplication::applicationDirPath());
    if (!doc.Initialise(QDate::currentDate()))
        Fail(doc.data.MissingMessage(QString::fromLatin1(orv::SiteTable::FileName)));
    if (!options.open.isEmpty())
        OpenHatFile(doc, options.open);
    ApplySets(doc, options);

    if (options.out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        RenderPdf(doc, options.out);
    else if (!options.out.isEmpty())
        RenderPng(doc, options.out, !options.open.isEmpty());
    if (!options.printer.isEmpty())
        PrintOnPrinter(doc, options);
    if (!options.save.isEmpty())
        SaveHatFile(doc, options);
    return 0;
}
