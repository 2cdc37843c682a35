#pragma once
// Drawings the benchmarks share: 10,000 figures of every class (opening,
// saving) and 1,000 mixed figures (export). bench_umfang also writes them as
// files, so that scripts/vergleich can hand the same bytes to the peers.
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"

namespace Probe {

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

inline void Attribute(TZeichenObjekt *f, int i)
{
    const auto &farbe = BenannteFarben[std::size_t(i % 42)];
    f->Füllfarbe = i % 5 ? TFarbe::Echt(FarbWert(farbe.Rot, farbe.Gruen, farbe.Blau)) : TFarbe::Unsichtbar();
    f->Linienfarbe = TFarbe::Echt(0);
    f->Linienstärke = 0.05 + 0.01 * (i % 7);
    f->Linienart = std::uint8_t(1 + i % 5);
    f->MitteX = 1.0 + (i % 97) * 0.2;
    f->MitteY = 1.0 + (i % 89) * 0.3;
}

// 10,000 top-level figures, cycling through the seven figure classes; the
// polylines have four vertices, the groups a rectangle and a line.
inline void Fuellen(Umgebung &u, int anzahl = Figurenanzahl)
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

// `anzahl` figures of four kinds on the sheet, filled, every fifth outline
// style, turned (the export benchmarks, their peers, the typed call).
inline void Mischen(TDokument &dokument, TKlassenObjekte &klassen, int anzahl)
{
    const char *klassenNamen[] = {"RECHTECK", "ELLIPSE", "VIELECK", "LINIE"};
    for (int i = 0; i < anzahl; ++i) {
        auto o = klassen.ObjektErzeugen(QString::fromLatin1(klassenNamen[i % 4]));
        auto *f = static_cast<TZeichenObjekt *>(o.get());
        o->NamenVergeben();
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

struct Zeichnung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};

    explicit Zeichnung(int anzahl)
    {
        analysator.Angehalten = true;
        Mischen(dokument, klassen, anzahl);
    }
};

// A group gr0 of `anzahl` small rectangles re0, re1, ... in rows of 40.
inline TGruppe *GrosseGruppe(TDokument &dokument, TKlassenObjekte &klassen, int anzahl)
{
    auto g = klassen.ObjektErzeugen(QStringLiteral("GRUPPE"));
    g->NamenVergeben();
    for (int i = 0; i < anzahl; ++i) {
        auto o = klassen.ObjektErzeugen(QStringLiteral("RECHTECK"));
        auto *r = static_cast<TRechteck *>(o.get());
        r->NamenVergeben();
        r->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
        r->Linienfarbe = TFarbe::Echt(0);
        r->Linienstärke = 0.02;
        r->Linienart = 1;
        r->MitteX = 1.0 + (i % 40) * 0.45;
        r->MitteY = 1.0 + (i / 40) * 0.45;
        r->Länge = r->Breite = 0.3;
        r->GeometrieBerechnen();
        g->TeilAnhaengen(std::move(o));
    }
    g->ObjektdiagrammZusammengefaltet = true;
    auto *gruppe = static_cast<TGruppe *>(dokument.TeilAnhaengen(std::move(g)));
    gruppe->GeometrieBerechnen();
    return gruppe;
}

// Groups nested `tiefe` deep, each holding the next group and a rectangle
// (the innermost two rectangles); the innermost rectangle is returned.
inline TRechteck *TiefeGruppen(TDokument &dokument, TKlassenObjekte &klassen, int tiefe)
{
    auto rechteck = [&] {
        auto o = klassen.ObjektErzeugen(QStringLiteral("RECHTECK"));
        o->NamenVergeben();
        auto *r = static_cast<TRechteck *>(o.get());
        r->MitteX = r->MitteY = 5;
        r->Länge = r->Breite = 1;
        r->GeometrieBerechnen();
        return o;
    };
    std::unique_ptr<TObjekt> innen = rechteck();
    auto *innerstes = static_cast<TRechteck *>(innen.get());
    for (int i = 0; i < tiefe; ++i) {
        auto g = klassen.ObjektErzeugen(QStringLiteral("GRUPPE"));
        g->NamenVergeben();
        g->ObjektdiagrammZusammengefaltet = false;
        g->TeilAnhaengen(std::move(innen));
        g->TeilAnhaengen(rechteck());
        innen = std::move(g);
    }
    dokument.TeilAnhaengen(std::move(innen))->GeometrieBerechnen();
    return innerstes;
}

} // namespace Probe
