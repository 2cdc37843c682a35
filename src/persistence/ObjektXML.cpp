// The XML operations of the object base, the document and the class
// registry, and the shared reading steps.
#include "persistence/ObjektXML.h"

#include "figures/Gruppe.h"
#include "figures/LinienZug.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "persistence/XMLKnoten.h"
#include "teacher/Passwort.h"

namespace {

thread_local const TKlassenObjekte *aktuelleKlassen = nullptr;

const QString NameSchluessel = QStringLiteral("Name");
const QString MausSchluessel = QStringLiteral("BearbeitenMitMaus");
const QString TastaturSchluessel = QStringLiteral("BearbeitenMitTastatur");

// Which sub-objects an object of a class may own. Anything else found in a
// file (a vertex in a group, a rectangle in a polyline, ...) is skipped like
// an unknown element, so the object tree keeps the shape the figures rely on.
bool TeilErlaubt(int besitzerKlasse, int teilKlasse)
{
    const bool figur = teilKlasse != KlasseDokument && teilKlasse != KlassePunkt;
    switch (besitzerKlasse) {
    case KlasseDokument:
    case KlasseGruppe:
        return figur;
    case KlasseLinienZug:
        return teilKlasse == KlassePunkt;
    default:
        return false;
    }
}

// A polyline needs two vertices and a group a member; such broken objects
// cannot arise in the program and are not loaded.
bool Vollstaendig(const TObjekt &objekt)
{
    if (objekt.KlassenId == KlasseLinienZug)
        return objekt.Teile.size() >= 2;
    if (objekt.KlassenId == KlasseGruppe)
        return !objekt.Teile.empty();
    return true;
}

} // namespace

namespace ObjektXML {

TLeseKontext::TLeseKontext(const TKlassenObjekte *klassen) : alt_(aktuelleKlassen)
{
    aktuelleKlassen = klassen;
}

TLeseKontext::~TLeseKontext()
{
    aktuelleKlassen = alt_;
}

const TKlassenObjekte *TLeseKontext::Aktuell()
{
    return aktuelleKlassen;
}

TProtokollPause::TProtokollPause(TAnalysator *analysator) : analysator_(analysator)
{
    if (analysator_) {
        alt_ = analysator_->Angehalten;
        analysator_->Angehalten = true;
    }
}

TProtokollPause::~TProtokollPause()
{
    if (analysator_)
        analysator_->Angehalten = alt_;
}

QString ZaehlerName(const QString &klassenName)
{
    return klassenName + QStringLiteral("zähler");
}

namespace {

std::unique_ptr<TObjekt> ObjektLesenIn(const TKlassenObjekte &klassen, const TXMLKnoten &knoten, int besitzerKlasse)
{
    TLeseKontext kontext(&klassen);
    std::unique_ptr<TObjekt> objekt = klassen.ObjektErzeugen(knoten.Name);
    if (!objekt)
        return nullptr;
    objekt->AusXMLLesen(knoten);
    if (!Vollstaendig(*objekt))
        return nullptr;
    // A group recomputes all its members, so a group inside a group is left
    // to the outermost one: deep nestings cost linear, not quadratic time.
    const bool vonAussenBerechnet = objekt->KlassenId == KlasseGruppe && besitzerKlasse == KlasseGruppe;
    if (objekt->KlassenId != KlasseDokument && objekt->KlassenId != KlassePunkt && !vonAussenBerechnet)
        objekt->GeometrieBerechnen();
    if (objekt->KlassenId == KlasseLinienZug)
        static_cast<TLinienZug &>(*objekt).RahmenZuruecksetzen();
    return objekt;
}

} // namespace

std::unique_ptr<TObjekt> ObjektLesen(const TKlassenObjekte &klassen, const TXMLKnoten &knoten)
{
    return ObjektLesenIn(klassen, knoten, KlasseDokument);
}

std::vector<std::unique_ptr<TObjekt>> TeileLesen(const TXMLKnoten &knoten, int besitzerKlasse)
{
    std::vector<std::unique_ptr<TObjekt>> teile;
    const TKlassenObjekte *klassen = TLeseKontext::Aktuell();
    if (!klassen)
        return teile;
    for (const auto &kind : knoten.Kinder) {
        const TObjekt *klasse = klassen->KlasseZuName(kind->Name);
        if (!klasse || !TeilErlaubt(besitzerKlasse, klasse->KlassenId))
            continue;
        if (auto teil = ObjektLesenIn(*klassen, *kind, besitzerKlasse))
            teile.push_back(std::move(teil));
    }
    return teile;
}

TGrunddaten GrunddatenLesen(const TXMLKnoten &knoten)
{
    TGrunddaten d;
    if (const TXMLAttribut *a = knoten.AttributSuchen(NameSchluessel))
        d.Name = a->AlsText();
    // Objects are either locked or not; "nicht_einheitlich" only describes
    // selections and reads as allowed.
    if (const TXMLAttribut *a = knoten.AttributSuchen(MausSchluessel))
        d.MausGesperrt = a->AlsSperrzustand() == 1 ? 1 : 0;
    if (const TXMLAttribut *a = knoten.AttributSuchen(TastaturSchluessel))
        d.TastaturGesperrt = a->AlsSperrzustand() == 1 ? 1 : 0;
    return d;
}

void GrunddatenAnwenden(const TGrunddaten &daten, TObjekt &objekt)
{
    if (daten.Name)
        objekt.Name = *daten.Name;
    objekt.MausGesperrt = daten.MausGesperrt;
    objekt.TastaturGesperrt = daten.TastaturGesperrt;
}

TDokumentDaten DokumentDatenLesen(const TDokument &dokument, const TXMLKnoten &knoten)
{
    TDokumentDaten d;
    d.Grund = GrunddatenLesen(knoten);
    d.Figuren = TeileLesen(knoten, KlasseDokument);
    if (const TXMLAttribut *a = knoten.AttributSuchen(QStringLiteral("Hintergrundfarbe"))) {
        TFarbe farbe = dokument.Hintergrundfarbe;
        a->AlsFarbe(farbe);
        d.Hintergrundfarbe = farbe;
    }
    if (const TXMLAttribut *a = knoten.AttributSuchen(QStringLiteral("ObjektdiagrammZusammengefaltet")))
        d.Zusammengefaltet = a->AlsWahrheitswert();
    if (const TXMLAttribut *a = knoten.AttributSuchen(QStringLiteral("Passwort")))
        d.Passwort = PasswortEntschluesseln(a->AlsText());
    return d;
}

void DokumentDatenAnwenden(TDokumentDaten &daten, TDokument &dokument)
{
    GrunddatenAnwenden(daten.Grund, dokument);
    for (auto &figur : daten.Figuren)
        dokument.TeilAnhaengen(std::move(figur));
    daten.Figuren.clear();
    if (daten.Hintergrundfarbe)
        dokument.Hintergrundfarbe = *daten.Hintergrundfarbe;
    if (daten.Zusammengefaltet)
        dokument.ObjektdiagrammZusammengefaltet = *daten.Zusammengefaltet;
    dokument.Passwort = daten.Passwort;
}

TZaehlerstaende ZaehlerLesen(const TKlassenObjekte &klassen, const TXMLKnoten &knoten)
{
    TZaehlerstaende staende;
    for (const TObjekt *klasse : klassen.Klassen()) {
        if (klasse->KlassenId == KlasseDokument || klasse->KlassenId >= staende.size())
            continue;
        if (const TXMLAttribut *a = knoten.AttributSuchen(ZaehlerName(klasse->KlassenName()))) {
            // A counter that could not give a new, typeable name (negative,
            // or at the end of the integers) starts again at 0; the name
            // generator skips the names in use.
            const std::int32_t stand = a->AlsGanzzahl();
            staende[klasse->KlassenId] = TObjekt::ZaehlerBrauchbar(stand) ? stand : 0;
        }
    }
    return staende;
}

} // namespace ObjektXML

// ---------------------------------------------------------------------------
// Object base

void TObjekt::InXMLSchreiben(TXMLKnoten &knoten) const
{
    knoten.NameSetzen(KlassenName());
    knoten.TextHinzufuegen(NameSchluessel, Name);
    if (MausGesperrt)
        knoten.SperrzustandHinzufuegen(MausSchluessel, 1);
    if (TastaturGesperrt)
        knoten.SperrzustandHinzufuegen(TastaturSchluessel, 1);
    for (const auto &teil : Teile)
        knoten.KindSchreiben(*teil);
}

void TObjekt::AusXMLLesen(const TXMLKnoten &knoten)
{
    // Sub-objects first: if one of them is bad nothing has changed yet.
    auto teile = ObjektXML::TeileLesen(knoten, KlassenId);
    ObjektXML::GrunddatenAnwenden(ObjektXML::GrunddatenLesen(knoten), *this);
    for (auto &teil : teile)
        TeilAnhaengen(std::move(teil));
}

// ---------------------------------------------------------------------------
// Document

void TDokument::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TObjekt::InXMLSchreiben(knoten);
    knoten.FarbeHinzufuegen(QStringLiteral("Hintergrundfarbe"), Hintergrundfarbe);
    knoten.WahrheitswertHinzufuegen(QStringLiteral("ObjektdiagrammZusammengefaltet"), ObjektdiagrammZusammengefaltet);
    if (!Passwort.isEmpty())
        knoten.TextHinzufuegen(QStringLiteral("Passwort"), PasswortVerschluesseln(Passwort));
}

void TDokument::AusXMLLesen(const TXMLKnoten &knoten)
{
    ObjektXML::TDokumentDaten daten = ObjektXML::DokumentDatenLesen(*this, knoten);
    ObjektXML::DokumentDatenAnwenden(daten, *this);
}

// ---------------------------------------------------------------------------
// Class registry

std::unique_ptr<TObjekt> TKlassenObjekte::ObjektAusXML(const TXMLKnoten &knoten) const
{
    ObjektXML::TProtokollPause pause(Analysator);
    try {
        return ObjektXML::ObjektLesen(*this, knoten);
    } catch (const EKonvertierungsFehler &) {
        return nullptr;
    }
}

void TKlassenObjekte::InXMLSchreiben(TXMLKnoten &knoten) const
{
    knoten.Name = QStringLiteral("KLASSENVERZEICHNIS");
    for (const TObjekt *klasse : klassen_)
        if (klasse->KlassenId != KlasseDokument)
            knoten.GanzzahlHinzufuegen(ObjektXML::ZaehlerName(klasse->KlassenName()), klasse->Zaehler);
}

void TKlassenObjekte::AusXMLLesen(const TXMLKnoten &knoten)
{
    ObjektXML::TZaehlerstaende staende;
    try {
        staende = ObjektXML::ZaehlerLesen(*this, knoten);
    } catch (const EKonvertierungsFehler &) {
        return; // a damaged directory changes no counter
    }
    for (TObjekt *klasse : klassen_)
        if (klasse->KlassenId < staende.size() && staende[klasse->KlassenId])
            klasse->Zaehler = *staende[klasse->KlassenId];
}
