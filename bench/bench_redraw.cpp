// Times whole redraws: the screen chart for "A4縦" and "A3横×2", and the print of the two-sheet
// "A3横×2" into a PDF file through the print path, with every layer switched on.

#include "document/HatDocument.h"
#include "print/PrintJob.h"
#include "render/RedrawChart.h"
#include "settings/ApplySetting.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void SetUp(orv::HatDocument& doc, int rr0)
{
    doc.Initialise(QDate(2026, 12, 7));
    const QStringList on = {QStringLiteral("Fmilky"), QStringLiteral("Fkodo"), QStringLiteral("Fhoi"),
                            QStringLiteral("Fdaisan")};
    for (const QString& key : on)
        orv::ApplySettingValue(doc.controls, doc.settings, doc.sites, key, QStringLiteral("1"));
    orv::ApplySettingValue(doc.controls, doc.settings, doc.sites, QStringLiteral("RR0"), QString::number(rr0));
}

void ScreenRedraw(benchmark::State& state)
{
    orv::HatDocument doc(QStringLiteral(ORVENZA_SOURCE_DIR));
    SetUp(doc, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        orv::RedrawChart(doc, true);
        benchmark::DoNotOptimize(doc.screen.Image().constBits());
    }
}
BENCHMARK(ScreenRedraw)->Arg(0)->Arg(5)->Unit(benchmark::kMillisecond)->UseRealTime();

void PdfRedraw(benchmark::State& state)
{
    orv::HatDocument doc(QStringLiteral(ORVENZA_SOURCE_DIR));
    SetUp(doc, static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::PrintToPdf(doc, dir.filePath(QStringLiteral("bench.pdf"))).sheets);
}
BENCHMARK(PdfRedraw)->Arg(5)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
