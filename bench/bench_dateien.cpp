// Opening and saving a document of 10,000 figures of every class, with Qt's
// own XML parser reading the same file as a yardstick.
//
// Goals: opening (parse and build every object) at most three times the
// yardstick's bare parse; saving under 100 ms; the recovery copy of a
// 1,000-figure drawing costs the user-interface thread under 15 ms (the
// file itself is written on a worker thread).
#include "BenchMain.h"
#include "Probedokumente.h"
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "model/Codec1252.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/Dokumentdatei.h"
#include "persistence/Wiederherstellung.h"
#include "persistence/XMLDOM.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

namespace {

using Probe::Fuellen;
using Probe::Umgebung;

const QByteArray &Dateiinhalt()
{
    static const QByteArray bytes = [] {
        Umgebung u;
        Fuellen(u);
        return DokumentAlsBytes(u.dokument, u.klassen);
    }();
    return bytes;
}

// Opening: parse and build every object into the open document.
void BM_Oeffnen(benchmark::State &state)
{
    const QByteArray &bytes = Dateiinhalt();
    Umgebung u;
    QString meldung;
    for (auto _ : state) {
        if (!DokumentAusBytes(bytes, u.dokument, u.klassen, meldung))
            state.SkipWithError(meldung.toStdString().c_str());
        benchmark::DoNotOptimize(u.dokument.Teile.data());
    }
    state.counters["Bytes"] = double(bytes.size());
    state.counters["Figuren"] = double(u.dokument.Teile.size());
}
BENCHMARK(BM_Oeffnen)->Unit(benchmark::kMillisecond);

// Only Figuro's XML reader, building the element tree.
void BM_XMLLesen(benchmark::State &state)
{
    const QByteArray &bytes = Dateiinhalt();
    for (auto _ : state) {
        TXMLDOM dom;
        QString fehler;
        if (!dom.LadenAusBytes(bytes, fehler))
            state.SkipWithError(fehler.toStdString().c_str());
        benchmark::DoNotOptimize(dom.Wurzel());
    }
}
BENCHMARK(BM_XMLLesen)->Unit(benchmark::kMillisecond);

// The yardstick: QXmlStreamReader reads the same file (decoded from
// Windows-1252 beforehand, since the file names no encoding) and touches
// every attribute value.
void BM_QXmlStreamReader(benchmark::State &state)
{
    const QString text = Codec1252::Dekodieren(Dateiinhalt());
    for (auto _ : state) {
        QXmlStreamReader leser(text);
        qsizetype summe = 0;
        while (!leser.atEnd()) {
            if (leser.readNext() == QXmlStreamReader::StartElement)
                for (const QXmlStreamAttribute &a : leser.attributes())
                    summe += a.value().size();
        }
        if (leser.hasError())
            state.SkipWithError(leser.errorString().toStdString().c_str());
        benchmark::DoNotOptimize(summe);
    }
}
BENCHMARK(BM_QXmlStreamReader)->Unit(benchmark::kMillisecond);

// Saving: the element tree, the bytes, a temporary file and the rename.
void BM_Speichern(benchmark::State &state)
{
    Umgebung u;
    Fuellen(u);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross.fgo"));
    QString meldung;
    for (auto _ : state) {
        if (!DokumentSpeichern(pfad, u.dokument, u.klassen, meldung))
            state.SkipWithError(meldung.toStdString().c_str());
    }
}
BENCHMARK(BM_Speichern)->Unit(benchmark::kMillisecond);

// Only turning the objects into bytes.
void BM_AlsBytes(benchmark::State &state)
{
    Umgebung u;
    Fuellen(u);
    for (auto _ : state)
        benchmark::DoNotOptimize(DokumentAlsBytes(u.dokument, u.klassen));
}
BENCHMARK(BM_AlsBytes)->Unit(benchmark::kMillisecond);

} // namespace

// The recovery copy after a change (one figure moved, so the bytes differ):
// Arg 0 times what the user-interface thread pays (the drawing turned into
// bytes and handed to the worker), Arg 1 also the worker writing the file.
void BM_Wiederherstellungskopie(benchmark::State &state)
{
    Umgebung u;
    Fuellen(u, 1000);
    QTemporaryDir ordner;
    TWiederherstellung kopie(ordner.path());
    auto *figur = static_cast<TZeichenObjekt *>(u.dokument.Teile.front().get());
    const bool mitSchreiben = state.range(0) != 0;
    for (auto _ : state) {
        figur->MitteX += 0.001;
        kopie.Sichern(u.dokument, u.klassen, QStringLiteral("/schule/haus.fgo"));
        if (mitSchreiben) {
            kopie.Warten();
        } else {
            state.PauseTiming();
            kopie.Warten();
            state.ResumeTiming();
        }
    }
    kopie.Loeschen();
}
BENCHMARK(BM_Wiederherstellungskopie)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return BenchmarkHauptprogramm<QGuiApplication>(argc, argv);
}
