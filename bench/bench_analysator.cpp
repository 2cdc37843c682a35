// Object diagram layout: building and placing the cards of documents with
// 100, 1,000 and 5,000 objects (groups nested three deep, polylines
// unfolded), finding a card, and painting one window-sized view.
#include "BenchMain.h"
#include "analyser/DiagrammFlaeche.h"
#include "analyser/ObjektBaum.h"
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

struct TProbeDokument {
    TAnalysator Analysator;
    TDokument Dokument{&Analysator};
    TKlassenObjekte Klassen{&Analysator, &Dokument};
    int Anzahl = 0;

    TObjekt *neu(const char *klasse, TObjekt *eltern)
    {
        auto o = Klassen.ObjektErzeugen(QString::fromLatin1(klasse));
        o->NamenVergeben();
        ++Anzahl;
        return eltern->TeilAnhaengen(std::move(o));
    }
    void linienzug(TObjekt *eltern, int punkte)
    {
        TObjekt *lz = neu("LINIENZUG", eltern);
        lz->ObjektdiagrammZusammengefaltet = false;
        for (int i = 0; i < punkte; ++i)
            neu("PUNKT", lz);
    }

    // Units of: a group holding a rectangle, a polyline and a group that
    // holds an ellipse and a third-level group (line, rectangle); then a
    // polyline and a text field on the top level. 17 objects per unit.
    explicit TProbeDokument(int ziel)
    {
        while (Anzahl < ziel) {
            TObjekt *g1 = neu("GRUPPE", &Dokument);
            neu("RECHTECK", g1);
            linienzug(g1, 3);
            TObjekt *g2 = neu("GRUPPE", g1);
            neu("ELLIPSE", g2);
            TObjekt *g3 = neu("GRUPPE", g2);
            neu("LINIE", g3);
            neu("RECHTECK", g3);
            linienzug(&Dokument, 4);
            neu("TEXTFELD", &Dokument);
        }
    }
};

void Aufbauen(benchmark::State &state, std::uint8_t ausrichtung)
{
    TProbeDokument d(int(state.range(0)));
    TDiagrammFlaeche flaeche;
    TObjektBaum baum(&d.Dokument, ausrichtung, &flaeche);
    for (auto _ : state) {
        baum.Aufbauen();
        benchmark::DoNotOptimize(baum.Wurzel.get());
    }
    state.SetComplexityN(d.Anzahl);
    state.counters["Karten"] = baum.KnotenAnzahl();
    state.counters["BreiteCm"] = flaeche.DiagrammBreite;
    state.counters["HoeheCm"] = flaeche.DiagrammHoehe;
}

void BM_AufbauenNachUnten(benchmark::State &state) { Aufbauen(state, AusrichtungHorizontal); }
void BM_AufbauenNachRechts(benchmark::State &state) { Aufbauen(state, AusrichtungVertikal); }

void BM_KnotenSuchen(benchmark::State &state)
{
    TProbeDokument d(int(state.range(0)));
    TDiagrammFlaeche flaeche;
    TObjektBaum baum(&d.Dokument, AusrichtungHorizontal, &flaeche);
    baum.Aufbauen();
    // The last card: the search visits every card before it.
    const TObjektKnoten *letzte = baum.Wurzel.get();
    while (!letzte->Kinder.empty())
        letzte = letzte->Kinder.back().get();
    const QPointF ziel = letzte->Bildrechteck().center();
    for (auto _ : state) {
        bool gefaltet = false;
        benchmark::DoNotOptimize(baum.KnotenSuchen(ziel.x(), ziel.y(), gefaltet));
    }
    state.SetComplexityN(d.Anzahl);
}

void BM_SichtbarenTeilZeichnen(benchmark::State &state)
{
    TProbeDokument d(int(state.range(0)));
    TDiagrammFlaeche flaeche;
    TObjektBaum baum(&d.Dokument, AusrichtungHorizontal, &flaeche);
    baum.Aufbauen();
    QImage bild(1000, 700, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&bild);
        flaeche.LeinwandSetzen(&p);
        baum.Zeichnen(nullptr, {}, bild.rect());
        flaeche.LeinwandSetzen(nullptr);
    }
    state.SetComplexityN(d.Anzahl);
}

} // namespace

BENCHMARK(BM_AufbauenNachUnten)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_AufbauenNachRechts)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_KnotenSuchen)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
BENCHMARK(BM_SichtbarenTeilZeichnen)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return BenchmarkHauptprogramm<QGuiApplication>(argc, argv);
}
