// Opening and saving a document of 10,000 figures of every class, with Qt's
// own XML parser reading the same file as a yardstick.
//
// Goals: opening (parse and build every object) at most three times the
// yardstick's bare parse; saving under 100 ms; the recovery copy of a
// 1,000-figure drawing costs the user-interface thread under 15 ms (the
// file itself is written on a worker thread).
#include "BenchMain.h"
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "model/Codec1252.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "persistence/Dokumentdatei.h"
#include "persistence/Wiederherstellung.h"
#include "persistence/XMLDOM.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

namespace {

constexpr int Figurenanzahl = 10000;

struct Umgebung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};

    // Freeing 10,000 figures would log 10,000 releases; the log is not what
    // is measured here.
    Umgebung() { analysator.Angehalten = true; }

    template <class T> T *neu(const char *klasse, TObjekt *besitzer = nullptr)
    {
        auto o = klassen.ObjektErzeugen(QString::fromLatin1(klasse));
        o->NamenVergeben();
        TObjekt *ziel = besitzer ? besitzer : &dokument;
        return static_cast<T *>(ziel->TeilAnhaengen(std::move(o)));
    }
};

void Attribute(TZeichenObjekt *f, int i)
{
    const auto &farbe = BenannteFarben[std::size_t(i % 42)];
    f->Füllfarbe = i % 5 ? TFarbe::Echt(FarbWert(farbe.Rot, farbe.Gruen, farbe.Blau)) : TFarbe::Unsichtbar();
    f->Linienfarbe = TFarbe::Echt(0);
    f->Linienstärke = 0.05 + 0.01 * (i % 7);
    f->Linienart = std::uint8_t(1 + i % 5);
    f->MitteX = 1.0 + (i % 97) * 0.2;
    f->MitteY = 1.0 + (i % 89) * 0.3;
}

// 10,000 top-level figures (or `anzahl`), cycling through the seven figure
// classes; the polylines have four vertices, the groups a rectangle and a
// line.
void Fuellen(Umgebung &u, int anzahl = Figurenanzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        switch (i % 7) {
        case 0: {
            auto *r = u.neu<TRechteck>("RECHTECK");
            Attribute(r, i);
            r->Breite = 1.5;
            r->Länge = 2.5;
            r->Winkel = i % 360;
            break;
        }
        case 1: {
            auto *e = u.neu<TEllipse>("ELLIPSE");
            Attribute(e, i);
            e->Breite = 1;
            e->Länge = 3;
            break;
        }
        case 2: {
            auto *l = u.neu<TLinie>("LINIE");
            Attribute(l, i);
            l->Punkt1X = 1.25;
            l->Punkt1Y = 2.5;
            l->Punkt2X = 7.125;
            l->Punkt2Y = 3.75;
            break;
        }
        case 3: {
            auto *z = u.neu<TLinienZug>("LINIENZUG");
            Attribute(z, i);
            for (int p = 0; p < 4; ++p) {
                auto *pt = u.neu<TLinienZugPunkt>("PUNKT", z);
                pt->X = 2.0 + p;
                pt->Y = 3.0 + (p % 2);
                pt->AbschnittArt = std::uint8_t(p % 2);
            }
            break;
        }
        case 4: {
            auto *v = u.neu<TVielEck>("VIELECK");
            Attribute(v, i);
            v->Länge = 2;
            v->Breite = 2;
            v->Eckenzahl = 3 + i % 10;
            break;
        }
        case 5: {
            auto *g = u.neu<TGruppe>("GRUPPE");
            Attribute(g, i);
            auto *r = u.neu<TRechteck>("RECHTECK", g);
            Attribute(r, i + 1);
            r->Breite = r->Länge = 1;
            Attribute(u.neu<TLinie>("LINIE", g), i + 2);
            break;
        }
        default: {
            auto *t = u.neu<TTextFeld>("TEXTFELD");
            Attribute(t, i);
            t->Breite = 1;
            t->Länge = 4;
            t->Text = QStringLiteral("Text Nummer %1").arg(i);
            t->Ausrichtung = std::uint8_t(i % 4);
            break;
        }
        }
    }
    for (auto &f : u.dokument.Teile) {
        f->GeometrieBerechnen();
        if (auto *z = dynamic_cast<TLinienZug *>(f.get()))
            z->RahmenZuruecksetzen();
    }
}

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
