#include "document/RenderJob.h"

#include "astro/Numeric.h"
#include "document/HatDocument.h"
#include "document/HatFile.h"
#include "document/ReplaceFile.h"
#include "layers/MilkyWay.h"
#include "print/PrintJob.h"
#include "render/RedrawChart.h"
#include "settings/ApplySetting.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace orv {

namespace {

const QString OpenOption = QStringLiteral("open");
const QString SetOption = QStringLiteral("set");
const QString PaperOption = QStringLiteral("paper");
const QString OutOption = QStringLiteral("out");
const QString SaveOption = QStringLiteral("save");
const QString PrintOption = QStringLiteral("print");
const QString CopiesOption = QStringLiteral("copies");

// Messages may run over several lines in the window; the renderer reports each on one line.
QString OneLine(QString message)
{
    return message.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// Compression of the PNG chart: Qt's quality 60 is zlib level 3, which writes a chart in two
// thirds of the default's time for a file about a fifth larger. Writing the PNG is most of the
// work of a chart, so this is what makes many charts quick.
constexpr int PngQuality = 60;

bool IsPdf(const QString& path)
{
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

bool IsPng(const QString& path)
{
    return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

// The single value of an option that takes one file name: the empty string when the option is
// absent; a reason when it is given twice or empty.
QString FileOption(const QCommandLineParser& parser, const QString& name, QString& value)
{
    const QStringList values = parser.values(name);
    if (values.size() > 1)
        return QStringLiteral("--%1 is given more than once").arg(name);
    value = values.value(0);
    if (parser.isSet(name) && value.isEmpty())
        return QStringLiteral("--%1 needs a file name").arg(name);
    return {};
}

QString ReadSets(const QCommandLineParser& parser, RenderJob& job)
{
    for (const QString& kv : parser.values(SetOption)) {
        const qsizetype eq = kv.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return QStringLiteral("--set needs KEY=VALUE, got \"%1\"").arg(kv);
        job.sets.append({kv.left(eq), kv.mid(eq + 1)});
    }
    return {};
}

QString ReadPaper(const QCommandLineParser& parser, RenderJob& job)
{
    static const QStringList papers = {QStringLiteral("A4"), QStringLiteral("B4"), QStringLiteral("A3")};
    const QStringList values = parser.values(PaperOption);
    if (values.isEmpty())
        return {};
    if (values.size() > 1)
        return QStringLiteral("--paper is given more than once");
    const qsizetype index = papers.indexOf(values.first().toUpper());
    if (index < 0)
        return QStringLiteral("--paper must be A4, B4 or A3, got \"%1\"").arg(values.first());
    job.paperIndex = static_cast<int16_t>(index);
    return {};
}

// The printed sheets as the "PDFファイル" printer writes them, read back as bytes, so that the
// job's files are all written only once everything has been made. A hat that does not fit its
// paper is refused.
std::optional<QByteArray> PrintedSheets(HatDocument& doc, QString& failure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheets.pdf"));
    const PrintOutcome outcome = PrintToPdf(doc, path);
    failure = outcome.failure.simplified();
    QFile file(path);
    if (!failure.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Draws the chart: the screen chart as PNG bytes, or the printed sheets as PDF bytes. Nothing,
// with the reason, when a data file was missing or malformed (the chart would be incomplete).
std::optional<QByteArray> DrawChart(HatDocument& doc, const QString& out, QString& failure)
{
    std::optional<QByteArray> bytes;
    if (IsPdf(out)) {
        bytes = PrintedSheets(doc, failure);
    } else {
        // The screen chart, with the texts and lines of an opened hat file drawn over it.
        RedrawChart(doc, true);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (doc.screen.Image().save(&buffer, "PNG", PngQuality))
            bytes = buffer.data();
    }
    if (!doc.problems.Empty())
        failure = doc.problems.Messages().join(QLatin1Char(' '));
    else if (!bytes && failure.isEmpty())
        failure = QStringLiteral("cannot draw \"%1\"").arg(out);
    if (!failure.isEmpty())
        return std::nullopt;
    return bytes;
}

// Copies: a whole number from 0 to 50.
QString ReadCopies(const QCommandLineParser& parser, RenderJob& job)
{
    const QStringList values = parser.values(CopiesOption);
    if (values.isEmpty())
        return {};
    if (values.size() > 1)
        return QStringLiteral("--copies is given more than once");
    const std::optional<int> copies = WholeNumberIn(values.first(), 0, 50);
    if (!copies)
        return QStringLiteral("--copies must be a whole number from 0 to 50, got \"%1\"").arg(values.first());
    job.copies = *copies;
    return {};
}

// The print step: every sheet its own print job, copies by drawing again.
QString PrintSheets(HatDocument& doc, const RenderJob& job)
{
    const PrintOutcome outcome = PrintOnPrinter(doc, job.printer, job.copies);
    if (!outcome.failure.isEmpty())
        return outcome.failure.simplified();
    if (!doc.problems.Empty())
        return doc.problems.Messages().join(QLatin1Char(' '));
    return {};
}

QString ApplySets(HatDocument& doc, const RenderJob& job)
{
    for (const auto& [key, value] : job.sets) {
        const ApplyResult r = ApplySettingValue(doc.controls, doc.settings, doc.sites, key, value, SettingSource::Option);
        if (r.kind == ApplyResult::UnknownKey)
            return QStringLiteral("unknown setting key \"%1\"").arg(key);
        if (r.kind == ApplyResult::Failed)
            return QStringLiteral("--set %1=%2: %3").arg(key, value, r.message);
    }
    if (job.paperIndex)
        doc.PrintPaperIndex = *job.paperIndex;
    return {};
}

} // namespace

void AddRenderJobOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {OpenOption, QStringLiteral("Start from the hat file FILE.orv instead of the fresh-start settings."),
         QStringLiteral("FILE.orv")},
        {SetOption, QStringLiteral("Set a key as a hat file stores it (list position, 0/1, colour number); "
                                   "may be repeated."),
         QStringLiteral("KEY=VALUE")},
        {PaperOption, QStringLiteral("Paper of the free-radius layouts: A4, B4 or A3."), QStringLiteral("A4|B4|A3")},
        {OutOption, QStringLiteral("Write the screen chart as PNG or the printed sheets as PDF."),
         QStringLiteral("FILE.png|FILE.pdf")},
        {PrintOption, QStringLiteral("Print the sheets on PRINTER (see --list-printers), each sheet its own job."),
         QStringLiteral("PRINTER")},
        {CopiesOption, QStringLiteral("Copies to print with --print, 0 to 50 (default 1), each drawn again."),
         QStringLiteral("N")},
        {SaveOption, QStringLiteral("Write the resulting document as a hat file."), QStringLiteral("FILE.orv")},
    });
}

QString ReadRenderJob(const QCommandLineParser& parser, RenderJob& job)
{
    job = {};
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst());
    for (const QString& failure : {FileOption(parser, OpenOption, job.open), FileOption(parser, OutOption, job.out),
                                   FileOption(parser, SaveOption, job.save), FileOption(parser, PrintOption, job.printer),
                                   ReadSets(parser, job), ReadPaper(parser, job), ReadCopies(parser, job)})
        if (!failure.isEmpty())
            return failure;
    if (job.out.isEmpty() && job.save.isEmpty() && job.printer.isEmpty())
        return QStringLiteral("--out FILE.png or FILE.pdf (or --print PRINTER, or --save FILE.orv) is required");
    if (parser.isSet(CopiesOption) && job.printer.isEmpty())
        return QStringLiteral("--copies goes with --print");
    if (!job.out.isEmpty() && !IsPng(job.out) && !IsPdf(job.out))
        return QStringLiteral("--out must end in .png or .pdf: \"%1\"").arg(job.out);
    return {};
}

QString ParseRenderJob(const QStringList& arguments, RenderJob& job)
{
    QCommandLineParser parser;
    AddRenderJobOptions(parser);
    if (!parser.parse(QStringList(QStringLiteral("orvenza-render")) + arguments))
        return parser.errorText();
    return ReadRenderJob(parser, job);
}

QString RunRenderJob(const RenderJob& job, const QString& programDir, QDate today, const SiteTable* sites)
{
    RestartMilkyWaySequence();
    HatDocument doc(programDir);
    if (sites)
        doc.Initialise(today, *sites);
    else if (!doc.Initialise(today))
        return doc.data.MissingMessage(QString::fromLatin1(SiteTable::FileName));
    if (!job.open.isEmpty())
        if (const QString failure = LoadHatFile(doc, job.open); !failure.isEmpty())
            return OneLine(failure);
    if (const QString failure = ApplySets(doc, job); !failure.isEmpty())
        return failure;

    // Everything is made in memory first, so that a failure writes nothing.
    QByteArray chart;
    if (!job.out.isEmpty()) {
        if (const QString missing = MissingChoice(doc.controls); !missing.isEmpty())
            return QStringLiteral("cannot draw the chart: %1").arg(missing);
        QString failure;
        const std::optional<QByteArray> bytes = DrawChart(doc, job.out, failure);
        if (!bytes)
            return failure;
        chart = *bytes;
    }
    if (!job.save.isEmpty()) {
        QString failure;
        if (!HatFileBytes(doc, &failure))
            return OneLine(HatFileText::SaveFailed(job.save, failure));
    }
    if (!job.printer.isEmpty())
        if (const QString failure = PrintSheets(doc, job); !failure.isEmpty())
            return failure;
    if (!job.out.isEmpty())
        if (const QString failure = WriteFileReplacing(job.out, chart); !failure.isEmpty())
            return QStringLiteral("cannot write \"%1\": %2").arg(job.out, failure);
    if (!job.save.isEmpty()) {
        if (const QString failure = SaveHatFile(doc, job.save); !failure.isEmpty()) {
            // The chart goes with the failed save: the job leaves all its files or none.
            if (!job.out.isEmpty())
                QFile::remove(job.out);
            return OneLine(failure);
        }
    }
    return {};
}

bool RunRenderBatch(const QString& path, const QString& programDir, QDate today,
                    const std::function<void(const QString&)>& report)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(QStringLiteral("cannot read the batch file \"%1\"").arg(path));
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    SiteTable sites;
    const DataFolder data(programDir);
    if (!sites.LoadSiteTable(data)) {
        report(data.MissingMessage(QString::fromLatin1(SiteTable::FileName)));
        return false;
    }
    bool allMade = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        RenderJob job;
        QString failure = ParseRenderJob(QProcess::splitCommand(line), job);
        if (failure.isEmpty())
            failure = RunRenderJob(job, programDir, today, &sites);
        if (!failure.isEmpty()) {
            report(QStringLiteral("line %1: %2").arg(i + 1).arg(failure));
            allMade = false;
        }
    }
    return allMade;
}

} // namespace orv
