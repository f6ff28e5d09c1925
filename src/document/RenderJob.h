#pragma once
// The headless renderer's work, one chart at a time: the options one chart takes (on the command
// line or on a line of a batch file), and the making of that chart with its files. The program
// orvenza-render only reads its command line and calls these.

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QCommandLineParser;

namespace orv {

class SiteTable;

// One chart: what to start from, what to change and which files to write.
struct RenderJob {
    QString open;                        // hat file to start from; empty: the fresh-start settings
    QList<QPair<QString, QString>> sets; // --set KEY=VALUE, applied in order
    std::optional<int16_t> paperIndex;   // --paper: 0 A4, 1 B4, 2 A3 (paper of the free radii)
    QString out;                         // the chart: the screen chart as .png, the sheets as .pdf
    QString printer;                     // --print: the printer the sheets go to
    int copies = 1;                      // --copies: 0 to 50, each drawn again
    QString save;                        // the resulting document as a hat file
};

// Adds the options of one chart (the same on the command line and on every line of a batch file)
// to the parser, and makes it read "-name" as "--name".
void AddRenderJobOptions(QCommandLineParser& parser);

// Reads one chart's options from a parser that has parsed them. The empty string, or a one-line
// reason why the options do not make a chart.
QString ReadRenderJob(const QCommandLineParser& parser, RenderJob& job);

// Parses one line of a batch file (options only, no program name) into the job; the empty string
// or a one-line reason.
QString ParseRenderJob(const QStringList& arguments, RenderJob& job);

// Makes the chart and writes its files exactly as a separate run of the program would: a fresh
// document for the day today, the Milky Way's random sequence started again; with a printer, the
// sheets are printed through the window's own print path. sites, when given, is the site table
// already read from programDir's DATA folder. The empty string on success, otherwise one line
// saying what failed; then no file of the job has been written (a file that was there before is
// kept as it was) and nothing has been printed, unless the printer itself failed midway.
QString RunRenderJob(const RenderJob& job, const QString& programDir, QDate today, const SiteTable* sites = nullptr);

// Runs every line of a batch file as one job (blank lines and lines starting with # are skipped),
// in one process, reading the site table once for all. A line that fails is reported as "line N: reason" and the others still run.
// False when any line failed or the file cannot be read.
bool RunRenderBatch(const QString& path, const QString& programDir, QDate today,
                    const std::function<void(const QString&)>& report);

} // namespace orv
