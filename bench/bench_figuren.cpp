// Rendering cost of a drawing: many mixed small figures, and a few large
// ellipses (large fills, many outline points).
#include "BenchMain.h"
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "surface/Zeichenflaeche.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <random>

namespace {

struct TZeichnung {
    TAnalysator a;
    TDokument d{&a};
    TKlassenObjekte k{&a, &d};
    TZeichenflaeche zf;
    QImage bild{1000, 1400, QImage::Format_RGB32};

    TZeichnung() { a.Angehalten = true; }

    template <class T>
    T *Neu(const char *klasse)
    {
        auto objekt = k.ObjektErzeugen(QString::fromLatin1(klasse));
        T *f = static_cast<T *>(objekt.get());
        d.TeilAnhaengen(std::move(objekt));
        return f;
    }

    // One frame: geometry recomputed, background and every figure drawn.
    void Bild()
    {
        QPainter p(&bild);
        zf.Leinwand = &p;
        d.AlleGeometrienBerechnen();
        d.Zeichnen(&zf);
        zf.Leinwand = nullptr;
    }
};

// n figures of 0.5 to 3 cm scattered over the sheet: rectangles, ellipses,
// polygons and lines, filled and outlined, every fourth dashed.
void GemischteFiguren(TZeichnung &z, int n)
{
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> x(0, z.zf.SeitenBreiteCm), y(0, z.zf.SeitenHoeheCm),
        groesse(0.5, 3.0), winkel(0, 360);
    std::uniform_int_distribution<int> farbe(0, 0xFFFFFF), art(2, 5);
    for (int i = 0; i < n; ++i) {
        TZeichenObjekt *f = nullptr;
        const double mx = x(zufall), my = y(zufall);
        if (i % 4 == 3) {
            auto *l = z.Neu<TLinie>("LINIE");
            const double a = winkel(zufall) * M_PI / 180, d = groesse(zufall);
            l->Punkt1X = mx;
            l->Punkt1Y = my;
            l->Punkt2X = mx + d * std::cos(a);
            l->Punkt2Y = my + d * std::sin(a);
            f = l;
        } else {
            TRechteckArt *b = nullptr;
            if (i % 4 == 0)
                b = z.Neu<TRechteck>("RECHTECK");
            else if (i % 4 == 1)
                b = z.Neu<TEllipse>("ELLIPSE");
            else
                b = z.Neu<TVielEck>("VIELECK");
            b->MitteX = mx;
            b->MitteY = my;
            b->Länge = groesse(zufall);
            b->Breite = groesse(zufall);
            b->Winkel = winkel(zufall);
            b->Füllfarbe = i % 3 == 0 ? TFarbe::Unsichtbar() : TFarbe::Echt(std::uint32_t(farbe(zufall)));
            f = b;
        }
        f->Linienfarbe = TFarbe::Echt(std::uint32_t(farbe(zufall)));
        f->Linienstärke = (i % 5) * 0.02;
        f->Linienart = i % 4 == 2 ? std::uint8_t(art(zufall)) : std::uint8_t(1);
    }
}

void BM_GemischteFiguren(benchmark::State &state)
{
    TZeichnung z;
    GemischteFiguren(z, int(state.range(0)));
    for (auto _ : state) {
        z.Bild();
        benchmark::DoNotOptimize(z.bild.constBits());
    }
    state.SetComplexityN(state.range(0));
    state.counters["Figuren/s"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_GemischteFiguren)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// 100 ellipses of 5 cm radius, filled and outlined, overlapping on the sheet.
void BM_GrosseEllipsen(benchmark::State &state)
{
    TZeichnung z;
    std::mt19937 zufall(815);
    std::uniform_real_distribution<double> x(0, z.zf.SeitenBreiteCm), y(0, z.zf.SeitenHoeheCm);
    for (int i = 0; i < 100; ++i) {
        auto *e = z.Neu<TEllipse>("ELLIPSE");
        e->MitteX = x(zufall);
        e->MitteY = y(zufall);
        e->Länge = e->Breite = 10;
        e->Füllfarbe = TFarbe::Echt(FarbWert(std::uint8_t(i * 2), 100, 200));
        e->Linienfarbe = TFarbe::Echt(0);
        e->Linienstärke = 0.05;
        e->Linienart = i % 2 ? 1 : 2;
    }
    for (auto _ : state) {
        z.Bild();
        benchmark::DoNotOptimize(z.bild.constBits());
    }
}
BENCHMARK(BM_GrosseEllipsen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return BenchmarkHauptprogramm<QGuiApplication>(argc, argv);
}
