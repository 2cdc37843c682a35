#include "figures/Gruppe.h"
#include "figures/Gemeinsamkeitsfinder.h"
#include "model/Analysator.h"
#include "model/MethodenAufruf.h"
#include "model/Dokument.h"

#include <algorithm>

TGruppe::TGruppe(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteckArt(dokument, analysator, klasse, true)
{
    ObjektdiagrammZusammengefaltet = false;
    if (IstKlasse) {
        MethodeEintragen(MSchlucken)
            .ParameterHinzufuegen(QStringLiteral("Objekt"), ArtObjektverweis);
        MethodeEintragen(MGruppierungAufheben);
    }
}

TZeichenObjekt *TGruppe::Mitglied(int index) const
{
    if (index < 0 || index >= int(Teile.size()))
        return nullptr;
    return static_cast<TZeichenObjekt *>(Teile[index].get());
}

std::vector<TZeichenObjekt *> TGruppe::mitglieder() const
{
    std::vector<TZeichenObjekt *> liste;
    liste.reserve(Teile.size());
    for (const auto &t : Teile)
        if (auto *f = dynamic_cast<TZeichenObjekt *>(t.get()))
            liste.push_back(f);
    return liste;
}

void TGruppe::oeffnen(std::unique_ptr<TMethodenAufruf> aufruf)
{
    if (Analysator)
        Analysator->Oeffnen(std::move(aufruf));
}

void TGruppe::schliessen()
{
    if (Analysator)
        Analysator->Schliessen();
}

void TGruppe::gemeinsameWerteUebernehmen(bool mitSperren)
{
    TGemeinsamkeitsfinder finder;
    finder.GemeinsameWerte(mitglieder());
    Füllfarbe = *finder.Füllfarbe;
    Linienfarbe = *finder.Linienfarbe;
    Linienstärke = finder.Linienstärke;
    Linienart = finder.Linienart;
    if (mitSperren) {
        MausGesperrt = finder.MausGesperrt;
        TastaturGesperrt = finder.TastaturGesperrt;
    }
}

// ---------------------------------------------------------------- structure

TGruppe *TGruppe::Gruppieren(std::unique_ptr<TGruppe> gruppe,
                             const std::vector<TZeichenObjekt *> &liste)
{
    if (!gruppe || !gruppe->Dokument)
        return nullptr;
    TDokument *dokument = gruppe->Dokument;
    int kleinsterIndex = -1;
    for (std::size_t i = 0; i < dokument->Teile.size();) {
        TObjekt *teil = dokument->Teile[i].get();
        if (std::find(liste.begin(), liste.end(), teil) == liste.end()) {
            ++i;
            continue;
        }
        if (kleinsterIndex < 0)
            kleinsterIndex = int(i);
        gruppe->TeilAnhaengen(dokument->TeilHerausloesen(teil));
    }
    gruppe->gemeinsameWerteUebernehmen(true);
    TGruppe *roh = gruppe.get();
    if (kleinsterIndex < 0)
        kleinsterIndex = int(dokument->Teile.size());
    dokument->TeilEinfuegen(kleinsterIndex, std::move(gruppe));
    roh->GeometrieBerechnen();
    return roh;
}

QString TGruppe::ZuTiefText()
{
    return QStringLiteral("Die Gruppe wäre zu tief verschachtelt, um sie speichern und wieder öffnen zu können.");
}

QString TGruppe::GruppierenPruefen(const std::vector<TZeichenObjekt *> &liste)
{
    // The new group takes the level of its members, which move one down.
    for (const TZeichenObjekt *f : liste)
        if (f->Ebene() + f->Hoehe() > MaxDateiTiefe)
            return ZuTiefText();
    return {};
}

std::unique_ptr<TObjekt> TGruppe::GruppierungAufloesen(std::vector<TZeichenObjekt *> &auswahl)
{
    // A group inside another group gives its members to that group.
    TObjekt *besitzer = Besitzer;
    if (!besitzer)
        return nullptr;
    const int i = besitzer->TeilIndex(this);
    if (i < 0)
        return nullptr;
    const bool imDokument = besitzer == Dokument;
    while (!Teile.empty()) {
        std::unique_ptr<TObjekt> teil = std::move(Teile.back());
        Teile.pop_back();
        auto *figur = dynamic_cast<TZeichenObjekt *>(teil.get());
        besitzer->TeilEinfuegen(i, std::move(teil));
        if (figur && imDokument)
            auswahl.push_back(figur);
    }
    GriffeFreigeben();
    std::erase(auswahl, static_cast<TZeichenObjekt *>(this));
    return besitzer->TeilHerausloesen(this);
}

QString TGruppe::Schlucken(TObjekt *objekt)
{
    if (!objekt)
        return QStringLiteral("Objekt erwartet.");
    if (objekt == this)
        return QStringLiteral("Eine Gruppe kann sich nicht selbst schlucken.");
    auto *figur = dynamic_cast<TZeichenObjekt *>(objekt);
    if (figur) {
        for (TObjekt *o = Besitzer; o; o = o->Besitzer)
            if (o == objekt)
                return QStringLiteral(
                    "Eine Gruppe kann keine Gruppe schlucken, in der sie selbst enthalten ist.");
    }
    if (!figur || !Dokument || objekt->Besitzer != Dokument) {
        if (objekt->Besitzer == this)
            return QStringLiteral("Das Objekt ") + objekt->Name +
                   QStringLiteral(" ist bereits in dieser Gruppe enthalten.");
        if (dynamic_cast<TGruppe *>(objekt->Besitzer))
            return QStringLiteral("Das Objekt ") + objekt->Name +
                   QStringLiteral(" ist bereits in einer anderen Gruppe enthalten.");
        return QStringLiteral("Das Objekt ") + objekt->Name +
               QStringLiteral(" liegt nicht direkt im Dokument und kann nicht geschluckt werden.");
    }
    // The object moves below this group: its deepest part must still fit
    // into a file.
    if (Ebene() + objekt->Hoehe() > MaxDateiTiefe)
        return ZuTiefText();
    const int objektIndex = Dokument->TeilIndex(objekt);
    const int eigenerIndex = Dokument->TeilIndex(this);
    std::unique_ptr<TObjekt> teil = Dokument->TeilHerausloesen(objekt);
    if (objektIndex >= eigenerIndex)
        TeilAnhaengen(std::move(teil));
    else
        TeilEinfuegen(0, std::move(teil));
    gemeinsameWerteUebernehmen(false);
    GeometrieBerechnen();
    return {};
}

// ---------------------------------------------------------------- drawing, geometry

void TGruppe::Zeichnen(TZeichenflaeche *zf)
{
    for (auto &teil : Teile)
        teil->Zeichnen(zf);
}

void TGruppe::GeometrieBerechnen()
{
    for (auto &teil : Teile)
        teil->GeometrieBerechnen();
    rahmenAusMitgliedern();
}

void TGruppe::rahmenAusMitgliedern()
{
    bool erstes = true;
    TUmgebungsrechteck r{};
    for (auto &teil : Teile) {
        const TUmgebungsrechteck &t = teil->Umgebungsrechteck;
        if (erstes) {
            r = t;
            erstes = false;
            continue;
        }
        r.Links = std::min(r.Links, t.Links);
        r.Rechts = std::max(r.Rechts, t.Rechts);
        r.Unten = std::min(r.Unten, t.Unten);
        r.Oben = std::max(r.Oben, t.Oben);
    }
    if (erstes) // no members: a point at the centre
        r = {MitteX, MitteX, MitteY, MitteY};
    Umgebungsrechteck = r;
    MitteX = (r.Links + r.Rechts) / 2.0;
    MitteY = (r.Unten + r.Oben) / 2.0;
    Länge = r.Rechts - r.Links;
    Breite = r.Oben - r.Unten;
}

void TGruppe::BildpunkteBerechnen()
{
    for (TZeichenObjekt *f : mitglieder())
        f->BildpunkteBerechnen();
}

bool TGruppe::Getroffen(TZeichenflaeche *zf, double x, double y)
{
    for (TZeichenObjekt *f : mitglieder())
        if (f->Getroffen(zf, x, y))
            return true;
    return false;
}

// ---------------------------------------------------------------- copies

std::unique_ptr<TObjekt> TGruppe::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TGruppe>(Dokument, Analysator, Klasse);
    neu->Uebernehmen(*this);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    for (auto &teil : Teile)
        neu->TeilAnhaengen(teil->Duplizieren(neuerName));
    neu->GeometrieBerechnen();
    return neu;
}

void TGruppe::Uebernehmen(const TObjekt &quelle)
{
    TRechteckArt::Uebernehmen(quelle);
    const std::size_t n = std::min(Teile.size(), quelle.Teile.size());
    for (std::size_t i = 0; i < n; ++i)
        Teile[i]->Uebernehmen(*quelle.Teile[i]);
}

// ---------------------------------------------------------------- methods

void TGruppe::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                TZeichenflaeche *zf)
{
    meldung.clear();
    switch (methodenId) {
    case MSchlucken:
        meldung = Schlucken(p.empty() ? nullptr : p[0]->Objekt());
        return;
    case MGruppierungAufheben:
        Protokolliere(MGruppierungAufheben);
        if (Dokument)
            Dokument->Wuensche.GruppierungAufheben = this;
        return;
    case MWinkelSetzen: {
        // A group's box never turns: setting its angle turns the members
        // about the centre by the difference to the angle turned so far.
        const double w = p.empty() ? 0.0 : p[0]->Zahl();
        const double dreh = w - Zusatzwinkel;
        const double cx = MitteX, cy = MitteY;
        auto aufruf = Aufruf(MWinkelSetzen);
        aufruf->WinkelHinzufuegen(w);
        oeffnen(std::move(aufruf));
        for (TZeichenObjekt *f : mitglieder())
            f->drehenUm(cx, cy, dreh);
        schliessen();
        Zusatzwinkel = w;
        GeometrieBerechnen();
        return;
    }
    default:
        TRechteckArt::MethodeAusfuehren(methodenId, p, meldung, zf);
    }
}

std::unique_ptr<TData> TGruppe::AttributWert(int attributId) const
{
    // The box never turns: the group's angle is the one it was turned to.
    if (attributId == AWinkel)
        return std::make_unique<TData>(Zusatzwinkel, ArtWinkel);
    return TRechteckArt::AttributWert(attributId);
}

// ---------------------------------------------------------------- forwarded operations

void TGruppe::VorschauSetzen(bool vorschau)
{
    TRechteckArt::VorschauSetzen(vorschau);
    for (TZeichenObjekt *f : mitglieder())
        f->VorschauSetzen(vorschau);
}

void TGruppe::FüllfarbeSetzen(const TFarbe &farbe)
{
    auto aufruf = Aufruf(MFuellfarbeSetzen);
    aufruf->FarbeHinzufuegen(farbe);
    oeffnen(std::move(aufruf));
    for (TZeichenObjekt *f : mitglieder())
        f->FüllfarbeSetzen(farbe);
    schliessen();
    Füllfarbe = farbe;
}

void TGruppe::LinienfarbeSetzen(const TFarbe &farbe)
{
    auto aufruf = Aufruf(MLinienfarbeSetzen);
    aufruf->FarbeHinzufuegen(farbe);
    oeffnen(std::move(aufruf));
    for (TZeichenObjekt *f : mitglieder())
        f->LinienfarbeSetzen(farbe);
    schliessen();
    Linienfarbe = farbe;
}

void TGruppe::LinienstärkeSetzen(double staerke)
{
    auto aufruf = Aufruf(MLinienstaerkeSetzen);
    aufruf->LaengeHinzufuegen(staerke);
    oeffnen(std::move(aufruf));
    for (TZeichenObjekt *f : mitglieder())
        f->LinienstärkeSetzen(staerke);
    schliessen();
    Linienstärke = staerke;
}

void TGruppe::LinienartSetzen(std::uint8_t art)
{
    auto aufruf = Aufruf(MLinienartSetzen);
    aufruf->LinienartHinzufuegen(art);
    oeffnen(std::move(aufruf));
    for (TZeichenObjekt *f : mitglieder())
        f->LinienartSetzen(art);
    schliessen();
    Linienart = art;
}

void TGruppe::verschieben(double dx, double dy)
{
    auto aufruf = Aufruf(MVerschieben);
    aufruf->LaengeHinzufuegen(dx).LaengeHinzufuegen(dy);
    oeffnen(std::move(aufruf));
    for (TZeichenObjekt *f : mitglieder())
        f->verschieben(dx, dy);
    schliessen();
    // Every member recomputed its own geometry while moving.
    rahmenAusMitgliedern();
}

void TGruppe::strecken(double faktor)
{
    const double cx = MitteX, cy = MitteY;
    auto aufruf = Aufruf(MStrecken);
    aufruf->FaktorHinzufuegen(faktor);
    oeffnen(std::move(aufruf));
    for (TZeichenObjekt *f : mitglieder())
        f->streckenMitZentrum(cx, cy, faktor);
    schliessen();
    GeometrieBerechnen();
}

void TGruppe::streckenMitZentrum(double zx, double zy, double faktor)
{
    auto aufruf = Aufruf(MStreckenMitZentrum);
    aufruf->LaengeHinzufuegen(zx).LaengeHinzufuegen(zy).FaktorHinzufuegen(faktor);
    oeffnen(std::move(aufruf));
    for (TZeichenObjekt *f : mitglieder())
        f->streckenMitZentrum(zx, zy, faktor);
    schliessen();
    GeometrieBerechnen();
}

void TGruppe::drehen(double winkel)
{
    const double cx = MitteX, cy = MitteY;
    auto aufruf = Aufruf(MDrehen);
    aufruf->WinkelHinzufuegen(winkel);
    oeffnen(std::move(aufruf));
    for (TZeichenObjekt *f : mitglieder())
        f->drehenUm(cx, cy, winkel);
    schliessen();
    // Normalised like a box figure's Winkel, so the card shows 0 ... 360.
    Zusatzwinkel = WinkelNormalisieren(Zusatzwinkel + winkel);
    GeometrieBerechnen();
}

void TGruppe::drehenUm(double px, double py, double winkel)
{
    auto aufruf = Aufruf(MDrehenUm);
    aufruf->LaengeHinzufuegen(px).LaengeHinzufuegen(py).WinkelHinzufuegen(winkel);
    oeffnen(std::move(aufruf));
    for (TZeichenObjekt *f : mitglieder())
        f->drehenUm(px, py, winkel);
    schliessen();
    // Normalised like a box figure's Winkel, so the card shows 0 ... 360.
    Zusatzwinkel = WinkelNormalisieren(Zusatzwinkel + winkel);
    GeometrieBerechnen();
}

void TGruppe::spiegelnAnVertikalerAchse(double x0)
{
    for (TZeichenObjekt *f : mitglieder()) {
        f->spiegelnAnVertikalerAchse(x0);
        auto aufruf = f->Aufruf(MSpiegelnAnVertikalerAchse);
        aufruf->LaengeHinzufuegen(x0);
        f->Protokolliere(std::move(aufruf));
    }
    GeometrieBerechnen();
}

void TGruppe::spiegelnAnHorizontalerAchse(double y0)
{
    for (TZeichenObjekt *f : mitglieder()) {
        f->spiegelnAnHorizontalerAchse(y0);
        auto aufruf = f->Aufruf(MSpiegelnAnHorizontalerAchse);
        aufruf->LaengeHinzufuegen(y0);
        f->Protokolliere(std::move(aufruf));
    }
    GeometrieBerechnen();
}

template <typename F>
void TGruppe::spiegeln(std::uint8_t kompositum, std::uint8_t einzeln, double achse,
                       F mitgliedSpiegeln)
{
    oeffnen(Aufruf(kompositum));
    for (TZeichenObjekt *f : mitglieder()) {
        auto aufruf = f->Aufruf(einzeln);
        aufruf->LaengeHinzufuegen(achse);
        // A member group's own members log inside its entry.
        const bool verschachtelt = dynamic_cast<TGruppe *>(f) != nullptr && Analysator;
        if (verschachtelt)
            Analysator->Oeffnen(std::move(aufruf));
        else
            f->Protokolliere(std::move(aufruf));
        mitgliedSpiegeln(f);
        if (verschachtelt)
            Analysator->Schliessen();
    }
    schliessen();
    GeometrieBerechnen();
}

void TGruppe::vertikalSpiegeln()
{
    const double x0 = MitteX;
    spiegeln(MSpiegelnVertikal, MSpiegelnAnVertikalerAchse, x0,
             [x0](TZeichenObjekt *f) { f->spiegelnAnVertikalerAchse(x0); });
}

void TGruppe::horizontalSpiegeln()
{
    const double y0 = MitteY;
    spiegeln(MSpiegelnHorizontal, MSpiegelnAnHorizontalerAchse, y0,
             [y0](TZeichenObjekt *f) { f->spiegelnAnHorizontalerAchse(y0); });
}
