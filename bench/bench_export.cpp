// Exporting a drawing of 1,000 mixed figures as a PNG of the whole sheet at
// 300 dpi (2421 x 3449 pixels), the case a teacher meets when putting a
// busy worksheet picture on a slide.
#include "BenchMain.h"
#include "Probedokumente.h"
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/Export.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using Probe::Zeichnung;

void PngMit300Dpi(benchmark::State &state)
{
    Zeichnung z(int(state.range(0)));
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("blatt.png"));
    TExportOptionen optionen;
    optionen.Dpi = 300;
    for (auto _ : state) {
        QString meldung;
        if (!Exportieren(z.dokument, pfad, optionen, meldung))
            state.SkipWithError(meldung.toStdString().c_str());
    }
}
BENCHMARK(PngMit300Dpi)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);

void PdfDesBlattes(benchmark::State &state)
{
    Zeichnung z(int(state.range(0)));
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("blatt.pdf"));
    for (auto _ : state) {
        QString meldung;
        Exportieren(z.dokument, pfad, {}, meldung);
    }
}
BENCHMARK(PdfDesBlattes)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return BenchmarkHauptprogramm<QGuiApplication>(argc, argv);
}
