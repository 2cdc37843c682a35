// The main window's drawing area: one step of a figure drag (erase and
// redraw the preview copy on the cached sheet image, update the changed
// rectangle and let it paint) with 10 and with 10,000 figures in the
// drawing, and a full buffered repaint of 1,000 figures at 100 %.
#include "BenchMain.h"
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "window/ui/FMain.h"
#include "window/ui/MyScrollBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

// 0.5 to 3 cm figures of four kinds scattered over the sheet, filled and
// outlined, some dashed; the first one a known rectangle at (5, 25).
void figurenStreuen(TFMain &f, int anzahl)
{
    QRandomGenerator zufall(4711);
    TDokument *dok = f.Dokument();
    TKlassenObjekte *kl = f.Klassen();
    auto farbe = [&] {
        return TFarbe::Echt(FarbWert(std::uint8_t(zufall.bounded(256)), std::uint8_t(zufall.bounded(256)),
                                     std::uint8_t(zufall.bounded(256))));
    };
    for (int i = 0; i < anzahl; ++i) {
        std::unique_ptr<TZeichenObjekt> fig;
        const double x = 1 + zufall.bounded(18.5), y = 1 + zufall.bounded(27.0);
        const double a = 0.5 + zufall.bounded(2.5), b = 0.5 + zufall.bounded(2.5);
        const int art = i == 0 ? 0 : zufall.bounded(4);
        if (art == 3) {
            auto l = std::make_unique<TLinie>(dok, f.Analysator(), kl->LINIE);
            l->Punkt1X = x;
            l->Punkt1Y = y;
            l->Punkt2X = x + a;
            l->Punkt2Y = y + b;
            fig = std::move(l);
        } else {
            std::unique_ptr<TRechteckArt> r;
            if (art == 0)
                r = std::make_unique<TRechteck>(dok, f.Analysator(), kl->RECHTECK);
            else if (art == 1)
                r = std::make_unique<TEllipse>(dok, f.Analysator(), kl->ELLIPSE);
            else
                r = std::make_unique<TVielEck>(dok, f.Analysator(), kl->VIELECK);
            r->MitteX = i == 0 ? 5 : x;
            r->MitteY = i == 0 ? 25 : y;
            r->Länge = a;
            r->Breite = b;
            fig = std::move(r);
        }
        fig->Füllfarbe = farbe();
        fig->Linienfarbe = farbe();
        fig->Linienstärke = 0.01 + 0.01 * zufall.bounded(5);
        fig->Linienart = std::uint8_t(i % 4 == 0 ? 2 + zufall.bounded(4) : 1);
        fig->NamenVergeben();
        fig->GeometrieBerechnen();
        dok->TeilAnhaengen(std::move(fig));
    }
}

void maus(QWidget *w, QEvent::Type typ, QPoint p, Qt::MouseButton t, Qt::MouseButtons gehalten)
{
    QMouseEvent e(typ, QPointF(p), QPointF(w->mapToGlobal(p)), t, gehalten, {});
    QApplication::sendEvent(w, &e);
}

void BM_Ziehschritt(benchmark::State &state)
{
    TFMain f(false);
    f.Arbeitsbereich->Analysator().Angehalten = true; // nothing logged at the end
    f.resize(1000, 900);
    f.show();
    figurenStreuen(f, int(state.range(0)));
    // The dragged rectangle lies in front of all others.
    auto &teile = f.Dokument()->Teile;
    std::rotate(teile.begin(), teile.begin() + 1, teile.end());
    f.Neuzeichnen();
    QCoreApplication::processEvents();
    QWidget *seite = f.Zeichenbereich->Seite;
    const TZeichenflaeche *zf = f.Flaeche();
    const QPoint start(zf->XPixel(5), zf->YPixel(25));
    maus(seite, QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
    maus(seite, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    maus(seite, QEvent::MouseMove, start + QPoint(10, 0), Qt::NoButton, Qt::LeftButton);
    if (f.Steuerung->Mauszustand != TMauszustand::ObjekteZiehen) {
        state.SkipWithError("the drag did not start");
        return;
    }
    const int aufbauten = f.Zeichenbereich->Neuaufbauten();
    int i = 0;
    for (auto _ : state) {
        ++i;
        maus(seite, QEvent::MouseMove, start + QPoint(10 + (i % 40), i % 17), Qt::NoButton,
             Qt::LeftButton);
        QCoreApplication::processEvents(); // the changed rectangle paints
    }
    if (f.Zeichenbereich->Neuaufbauten() != aufbauten)
        state.SkipWithError("a drag step repainted the whole drawing");
    maus(seite, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    state.counters["Figuren"] = double(state.range(0));
}
BENCHMARK(BM_Ziehschritt)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_NeuzeichnenGepuffert(benchmark::State &state)
{
    TFMain f(false);
    f.Arbeitsbereich->Analysator().Angehalten = true;
    f.resize(900, 1350); // the whole sheet is visible at 100 %
    f.show();
    figurenStreuen(f, int(state.range(0)));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        f.Neuzeichnen();
        benchmark::DoNotOptimize(f.Zeichenbereich->Puffer().constBits());
    }
    state.counters["Figuren"] = double(state.range(0));
    state.counters["Sichtbar_px"] = double(f.Zeichenbereich->PufferBereich().width()) *
                                    f.Zeichenbereich->PufferBereich().height();
}
BENCHMARK(BM_NeuzeichnenGepuffert)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same with the copy to the screen that follows it.
void BM_NeuzeichnenMitAnzeige(benchmark::State &state)
{
    TFMain f(false);
    f.Arbeitsbereich->Analysator().Angehalten = true;
    f.resize(900, 1350);
    f.show();
    figurenStreuen(f, int(state.range(0)));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        f.Neuzeichnen();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_NeuzeichnenMitAnzeige)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return BenchmarkHauptprogramm<QApplication>(argc, argv);
}
