// The undo history on a drawing of 1,000 figures of every class.
//
// Goals: one undo and one redo of a `verschieben` each under 20 ms; the
// cost recording a step adds to a typed call under 2 ms (BM_Aufruf with
// and without the history); the history's memory after 200 steps reported
// as a counter (bound: 64 MB).
#include "BenchMain.h"
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/Dokumentdatei.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int Figurenanzahl = 1000;

TObjekt *neu(TArbeitsbereich &ws, const char *klasse, TObjekt *besitzer = nullptr)
{
    auto o = ws.Klassen().ObjektErzeugen(QString::fromLatin1(klasse));
    o->NamenVergeben();
    return (besitzer ? besitzer : &ws.Dokument())->TeilAnhaengen(std::move(o));
}

// 1,000 top-level figures cycling through the classes (polylines with four
// vertices, groups of a rectangle and a line), then the history starts.
void Fuellen(TArbeitsbereich &ws, bool mitVerlauf)
{
    ws.Analysator().Angehalten = true;
    static const char *const klassen[] = {"RECHTECK", "ELLIPSE", "LINIE", "LINIENZUG", "VIELECK", "GRUPPE",
                                          "TEXTFELD"};
    for (int i = 0; i < Figurenanzahl; ++i) {
        auto *f = static_cast<TZeichenObjekt *>(neu(ws, klassen[i % 7]));
        f->MitteX = 1.0 + (i % 97) * 0.2;
        f->MitteY = 1.0 + (i % 89) * 0.3;
        if (auto *z = dynamic_cast<TLinienZug *>(f)) {
            // Named, as the program names the vertices it makes.
            for (int p = 0; p < 4; ++p)
                z->PunktAnhaengen(2.0 + p, 3.0 + (p % 2), std::uint8_t(p % 2))->NamenVergeben();
        }
        if (auto *g = dynamic_cast<TGruppe *>(f)) {
            neu(ws, "RECHTECK", g);
            neu(ws, "LINIE", g);
        }
        if (auto *t = dynamic_cast<TTextFeld *>(f))
            t->Text = QStringLiteral("Text Nummer %1").arg(i);
        f->GeometrieBerechnen();
    }
    ws.Analysator().Angehalten = false;
    if (mitVerlauf)
        VerlaufAnschliessen(ws);
}

void Aufruf(TArbeitsbereich &ws)
{
    static const QString text = QStringLiteral("re0.verschieben(0.01, 0)");
    ws.AufrufAusfuehren(text, int(text.size()), nullptr);
}

// A typed `verschieben` on the drawing, with the history (arg 1) and
// without it (arg 0): the difference is what recording a step costs.
void BM_Aufruf(benchmark::State &state)
{
    TArbeitsbereich ws;
    Fuellen(ws, state.range(0) != 0);
    for (auto _ : state)
        Aufruf(ws);
    state.counters["Schritte"] = double(ws.SchrittAnzahl());
}
BENCHMARK(BM_Aufruf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Rueckgaengig(benchmark::State &state)
{
    TArbeitsbereich ws;
    Fuellen(ws, true);
    Aufruf(ws);
    for (auto _ : state) {
        ws.Rueckgaengig();
        state.PauseTiming();
        ws.Wiederherstellen();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Rueckgaengig)->Unit(benchmark::kMillisecond);

void BM_Wiederherstellen(benchmark::State &state)
{
    TArbeitsbereich ws;
    Fuellen(ws, true);
    Aufruf(ws);
    for (auto _ : state) {
        state.PauseTiming();
        ws.Rueckgaengig();
        state.ResumeTiming();
        ws.Wiederherstellen();
    }
}
BENCHMARK(BM_Wiederherstellen)->Unit(benchmark::kMillisecond);

// 200 steps on the drawing: the memory the history holds.
void BM_Speicher200Schritte(benchmark::State &state)
{
    TArbeitsbereich ws;
    Fuellen(ws, true);
    for (auto _ : state)
        for (int i = 0; i < 200; ++i)
            Aufruf(ws);
    state.counters["Schritte"] = double(ws.SchrittAnzahl());
    state.counters["MB"] = double(ws.VerlaufSpeicher()) / (1024.0 * 1024.0);
    state.counters["Dokument_KB"] = double(DokumentAlsBytes(ws.Dokument(), ws.Klassen()).size()) / 1024.0;
}
BENCHMARK(BM_Speicher200Schritte)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return BenchmarkHauptprogramm<QGuiApplication>(argc, argv);
}
