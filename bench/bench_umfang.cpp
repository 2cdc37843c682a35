// Figuro at scale (docs/performance.md): a big group's moves and the call
// log's bound, the object tree after a change (groups nested 990 deep, a flat
// drawing of 3,000 objects as yardstick) and "Enter to screen": one typed
// `verschieben` with the repaint of the drawing and the analyser window's
// refresh at 10, 1,000 and 10,000 figures.
//
//   bench_umfang --dateien ORDNER   writes the inputs scripts/vergleich hands
//                                   to figuro-konsole and to the peers
#include "BenchMain.h"
#include "Probedokumente.h"
#include "analyser/DiagrammFlaeche.h"
#include "analyser/ObjektBaum.h"
#include "analyser/ui/FAnalysator.h"
#include "language/Arbeitsbereich.h"
#include "model/MethodenAufruf.h"
#include "language/ui/EingabeFeld.h"
#include "persistence/Dokumentdatei.h"
#include "window/ui/FMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {

const QString GruppenAufruf = QStringLiteral("gr0.verschieben(1 mm, 0)");

// One typed move of a group of 2,000 rectangles, its log entry written out
// as the console runner writes it.
void BM_GruppeVerschieben(benchmark::State &state)
{
    TArbeitsbereich ws;
    Probe::GrosseGruppe(ws.Dokument(), ws.Klassen(), int(state.range(0)));
    QString ausgabe;
    ws.Analysator().BeobachterAnmelden([&ausgabe](const TMethodenAufruf &a) {
        ausgabe.truncate(0);
        a.AnzeigeTextAnhaengen(ausgabe);
        for (const auto &u : a.Unteraufrufe) {
            ausgabe += QLatin1String("\n  ");
            u->AnzeigeTextAnhaengen(ausgabe);
        }
    });
    for (auto _ : state) {
        const TAufrufErgebnis e = ws.AufrufAusfuehren(GruppenAufruf, int(GruppenAufruf.size()), nullptr);
        if (!e.Fehlermeldung.isEmpty())
            state.SkipWithError(e.Fehlermeldung.toStdString().c_str());
    }
    state.counters["Eintraege"] = double(ws.Analysator().Protokoll().size());
    state.counters["Aufrufe"] = double(ws.Analysator().AufrufAnzahl());
}
BENCHMARK(BM_GruppeVerschieben)->Arg(2000)->Unit(benchmark::kMillisecond);

// The object tree after a typed move of the innermost rectangle, with the
// analyser window shown (arg 1) or hidden (arg 0); the full rebuild of the
// cards follows as its own benchmark.
void objektbaumNachAenderung(benchmark::State &state, bool tief)
{
    TArbeitsbereich ws;
    const TRechteck *r = tief ? Probe::TiefeGruppen(ws.Dokument(), ws.Klassen(), 990) : nullptr;
    if (!tief)
        Probe::Mischen(ws.Dokument(), ws.Klassen(), 3000);
    TFAnalysator fenster(ws);
    if (state.range(0))
        fenster.show();
    QCoreApplication::processEvents();
    const QString aufruf = (tief ? r->Name : QStringLiteral("re0")) + QStringLiteral(".verschieben(1 mm, 0)");
    for (auto _ : state) {
        ws.AufrufAusfuehren(aufruf, int(aufruf.size()), nullptr);
        fenster.Aktualisieren();
        QCoreApplication::processEvents();
    }
    state.counters["Karten"] = fenster.Objektbaum()->KnotenAnzahl();
}
void BM_ObjektbaumTief990(benchmark::State &state) { objektbaumNachAenderung(state, true); }
void BM_ObjektbaumFlach3000(benchmark::State &state) { objektbaumNachAenderung(state, false); }
BENCHMARK(BM_ObjektbaumTief990)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ObjektbaumFlach3000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Building every card anew (after objects were added or removed).
void BM_ObjektbaumAufbauenTief(benchmark::State &state)
{
    Probe::Umgebung u;
    Probe::TiefeGruppen(u.dokument, u.klassen, int(state.range(0)));
    TDiagrammFlaeche flaeche;
    TObjektBaum baum(&u.dokument, AusrichtungHorizontal, &flaeche);
    for (auto _ : state)
        baum.Aufbauen();
    state.counters["Karten"] = baum.KnotenAnzahl();
}
BENCHMARK(BM_ObjektbaumAufbauenTief)->Arg(100)->Arg(990)->Unit(benchmark::kMillisecond);

// Enter to screen: the typed call through the main window's execute
// command, the analyser's refresh, and the paint of both windows.
void BM_EnterBisBildschirm(benchmark::State &state)
{
    TFMain f(false);
    TFAnalysator analysator(f.Analysator(), f.Dokument(), f.Klassen());
    f.AnalysatorFensterAnschliessen(&analysator);
    f.resize(900, 1000);
    Probe::Mischen(*f.Dokument(), *f.Klassen(), int(state.range(0)));
    f.show();
    f.Neuzeichnen();
    analysator.Aktualisieren();
    QCoreApplication::processEvents();
    auto *feld = qobject_cast<TEingabeFeld *>(f.Eingabefeld);
    const QString aufruf = QStringLiteral("re0.verschieben(1 mm, 0)");
    for (auto _ : state) {
        feld->TextSetzen(aufruf);
        f.OnEingabeFeldEnter();
        QCoreApplication::processEvents();
    }
    state.counters["Figuren"] = double(state.range(0));
}
BENCHMARK(BM_EnterBisBildschirm)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

bool speichern(const QString &pfad, const TDokument &d, const TKlassenObjekte &k)
{
    QString meldung;
    if (DokumentSpeichern(pfad, d, k, meldung))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(pfad), qPrintable(meldung));
    return false;
}

// The inputs of scripts/vergleich.
int dateienSchreiben(const QString &ordner)
{
    QDir().mkpath(ordner);
    const QDir dir(ordner);
    bool gut = true;
    {
        Probe::Umgebung u;
        Probe::Fuellen(u);
        gut &= speichern(dir.filePath(QStringLiteral("zehntausend.fgo")), u.dokument, u.klassen);
    }
    {
        Probe::Zeichnung z(1000);
        gut &= speichern(dir.filePath(QStringLiteral("tausend.fgo")), z.dokument, z.klassen);
    }
    {
        Probe::Umgebung u;
        Probe::GrosseGruppe(u.dokument, u.klassen, 2000);
        gut &= speichern(dir.filePath(QStringLiteral("gruppe2000.fgo")), u.dokument, u.klassen);
        QFile skript(dir.filePath(QStringLiteral("verschieben2000.txt")));
        gut &= skript.open(QIODevice::WriteOnly);
        for (int i = 0; i < 2000; ++i)
            skript.write(GruppenAufruf.toUtf8() + '\n');
    }
    return gut ? 0 : 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--dateien") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return dateienSchreiben(QString::fromLocal8Bit(argv[2]));
    }
    return BenchmarkHauptprogramm<QApplication>(argc, argv);
}
