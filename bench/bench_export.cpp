// Exporting a drawing of 1,000 mixed figures as a PNG of the whole sheet at
// 300 dpi (2421 x 3449 pixels), the case a teacher meets when putting a
// busy worksheet picture on a slide.
#include "BenchMain.h"
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "persistence/Export.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Zeichnung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};

    explicit Zeichnung(int anzahl)
    {
        analysator.Angehalten = true;
        const char *klassenNamen[] = {"RECHTECK", "ELLIPSE", "VIELECK", "LINIE"};
        for (int i = 0; i < anzahl; ++i) {
            auto o = klassen.ObjektErzeugen(QString::fromLatin1(klassenNamen[i % 4]));
            auto *f = static_cast<TZeichenObjekt *>(o.get());
            const auto &farbe = BenannteFarben[std::size_t(i % 42)];
            f->Füllfarbe = TFarbe::Echt(FarbWert(farbe.Rot, farbe.Gruen, farbe.Blau));
            f->Linienfarbe = TFarbe::Echt(0);
            f->Linienstärke = 0.05;
            f->Linienart = std::uint8_t(1 + i % 5);
            const double x = 1.0 + (i * 37 % 180) * 0.1, y = 1.0 + (i * 53 % 270) * 0.1;
            const double groesse = 0.5 + (i % 6) * 0.5;
            if (auto *box = dynamic_cast<TRechteckArt *>(f)) {
                box->MitteX = x;
                box->MitteY = y;
                box->Länge = groesse;
                box->Breite = groesse * 0.7;
                box->Winkel = i % 90;
            } else if (auto *linie = dynamic_cast<TLinie *>(f)) {
                linie->Punkt1X = x;
                linie->Punkt1Y = y;
                linie->Punkt2X = x + groesse;
                linie->Punkt2Y = y + groesse / 2;
            }
            f->GeometrieBerechnen();
            dokument.TeilAnhaengen(std::move(o));
        }
    }
};

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
