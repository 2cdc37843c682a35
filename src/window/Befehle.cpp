#include "window/Befehle.h"

#include "figures/Gruppe.h"
#include "figures/LinienZug.h"
#include "figures/LinienZugPunkt.h"
#include "figures/LinienZugPunktGriff.h"
#include "figures/LinienZugSegmentGriff.h"
#include "figures/VielEck.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"

#include <algorithm>
#include <cmath>

namespace befehle {

namespace {

const TUmgebungsrechteck &box(const TZeichenObjekt *f)
{
    return f->Umgebungsrechteck;
}

// A figure locked against the mouse stays where it is (outside teacher mode).
bool bleibtLiegen(const TZeichenObjekt *f, bool sperrenBeachten)
{
    return sperrenBeachten && f->MausGesperrt == 1;
}

} // namespace

void Ausrichten(const std::vector<TZeichenObjekt *> &auswahl, TAusrichtenArt art, bool sperrenBeachten)
{
    double links = 10000, rechts = -10000, unten = 10000, oben = -10000;
    for (const TZeichenObjekt *f : auswahl) {
        links = std::min(links, box(f).Links);
        rechts = std::max(rechts, box(f).Rechts);
        unten = std::min(unten, box(f).Unten);
        oben = std::max(oben, box(f).Oben);
    }
    const std::vector<TZeichenObjekt *> liste = auswahl;
    for (TZeichenObjekt *f : liste) {
        if (bleibtLiegen(f, sperrenBeachten))
            continue;
        const TUmgebungsrechteck b = box(f);
        switch (art) {
        case TAusrichtenArt::Links:
            f->verschieben(links - b.Links, 0);
            break;
        case TAusrichtenArt::Rechts:
            f->verschieben(rechts - b.Rechts, 0);
            break;
        case TAusrichtenArt::Oben:
            f->verschieben(0, oben - b.Oben);
            break;
        case TAusrichtenArt::Unten:
            f->verschieben(0, unten - b.Unten);
            break;
        case TAusrichtenArt::HorizontalZentrieren:
            f->verschieben((links + rechts) / 2 - (b.Links + b.Rechts) / 2, 0);
            break;
        case TAusrichtenArt::VertikalZentrieren:
            f->verschieben(0, (unten + oben) / 2 - (b.Unten + b.Oben) / 2);
            break;
        }
        f->GeometrieBerechnen();
    }
}

void Verteilen(std::vector<TZeichenObjekt *> &auswahl, bool horizontal, bool sperrenBeachten)
{
    const std::size_t n = auswahl.size();
    if (n < 3)
        return;
    auto summe = [horizontal](const TZeichenObjekt *f) {
        return horizontal ? box(f).Links + box(f).Rechts : box(f).Unten + box(f).Oben;
    };
    // Sums closer than 1e-6 count as equal; a stable sort keeps such figures
    // in their selection order.
    std::stable_sort(auswahl.begin(), auswahl.end(), [&](const TZeichenObjekt *a, const TZeichenObjekt *b) {
        return summe(b) - summe(a) >= 0.000001;
    });
    auto anfang = [horizontal](const TZeichenObjekt *f) { return horizontal ? box(f).Links : box(f).Unten; };
    auto ende = [horizontal](const TZeichenObjekt *f) { return horizontal ? box(f).Rechts : box(f).Oben; };
    double gesamt = 0;
    for (const TZeichenObjekt *f : auswahl)
        gesamt += ende(f) - anfang(f);
    const double spanne = ende(auswahl.back()) - anfang(auswahl.front());
    const double abstand = (spanne - gesamt) / double(n - 1);
    double pos = ende(auswahl.front());
    for (std::size_t i = 1; i + 1 < n; ++i) {
        TZeichenObjekt *f = auswahl[i];
        pos += abstand;
        if (bleibtLiegen(f, sperrenBeachten)) {
            pos = ende(f);
            continue;
        }
        if (horizontal)
            f->verschieben(pos - anfang(f), 0);
        else
            f->verschieben(0, pos - anfang(f));
        f->GeometrieBerechnen();
        pos = ende(f);
    }
}

void ReihenfolgeAendern(TArbeitsbereich &ab, TReihenfolge art)
{
    TDokument &dok = ab.Dokument();
    if (ab.Auswahl.empty())
        return;
    // The selected figures in document order (rear to front).
    std::vector<TObjekt *> geordnet;
    for (auto &teil : dok.Teile)
        if (ab.IstAusgewaehlt(teil.get()))
            geordnet.push_back(teil.get());
    switch (art) {
    case TReihenfolge::Vordergrund:
        for (TObjekt *o : geordnet)
            dok.TeilInDenVordergrund(o);
        break;
    case TReihenfolge::Hintergrund:
        for (auto it = geordnet.rbegin(); it != geordnet.rend(); ++it)
            dok.TeilInDenHintergrund(*it);
        break;
    case TReihenfolge::EineEbeneNachVorne:
        dok.TeilEineEbeneNachVorne(ab.Auswahl.front());
        break;
    case TReihenfolge::EineEbeneNachHinten:
        dok.TeilEineEbeneNachHinten(ab.Auswahl.front());
        break;
    }
}

void Spiegeln(const std::vector<TZeichenObjekt *> &auswahl, bool horizontal)
{
    for (TZeichenObjekt *f : auswahl) {
        if (horizontal)
            f->horizontalSpiegeln();
        else
            f->vertikalSpiegeln();
        f->GeometrieBerechnen();
    }
}

void Kippen(const std::vector<TZeichenObjekt *> &auswahl, int richtung)
{
    for (TZeichenObjekt *f : auswahl) {
        f->drehen(richtung * 90.0);
        f->GeometrieBerechnen();
    }
}

bool GruppierenMoeglich(const TArbeitsbereich &ab, const TZeichenObjekt *aktuelles)
{
    return aktuelles && ab.Auswahl.size() > 1 && ab.IstAusgewaehlt(aktuelles);
}

TGruppe *Gruppieren(TArbeitsbereich &ab, const TZeichenObjekt *aktuelles, QString *meldung)
{
    if (!GruppierenMoeglich(ab, aktuelles))
        return nullptr;
    const QString verweigert = TGruppe::GruppierenPruefen(ab.Auswahl);
    if (!verweigert.isEmpty()) {
        if (meldung)
            *meldung = verweigert;
        return nullptr;
    }
    for (TZeichenObjekt *f : ab.Auswahl)
        f->GriffeFreigeben();
    auto gruppe = std::make_unique<TGruppe>(&ab.Dokument(), &ab.Analysator(), ab.Klassen().GRUPPE);
    gruppe->Name = QStringLiteral("testgruppe");
    gruppe->NamenVergeben();
    gruppe->ErzeugungProtokollieren();
    TGruppe *g = TGruppe::Gruppieren(std::move(gruppe), ab.Auswahl);
    if (!g)
        return nullptr;
    ab.Auswahl = {g};
    return g;
}

bool AufloesenMoeglich(const TArbeitsbereich &ab, const TZeichenObjekt *aktuelles)
{
    return aktuelles && aktuelles->KlassenId == KlasseGruppe && ab.Auswahl.size() == 1 &&
           ab.Auswahl.front() == aktuelles && (ab.Lehrermodus || !aktuelles->MausGesperrt);
}

TLinienZug *KontextLinienzug(const TGriff *griff)
{
    if (!dynamic_cast<const TLinienZugPunktGriff *>(griff) && !dynamic_cast<const TLinienZugSegmentGriff *>(griff))
        return nullptr;
    return dynamic_cast<TLinienZug *>(griff->Figur);
}

namespace {

// The vertex whose outgoing segment the segment handle stands for.
TLinienZugPunkt *segmentAnfang(const TGriff *griff)
{
    auto *segment = dynamic_cast<const TLinienZugSegmentGriff *>(griff);
    TLinienZug *zug = KontextLinienzug(griff);
    if (!segment || !zug)
        return nullptr;
    return zug->Punkt(segment->PunktIndex - 1);
}

} // namespace

bool PunktBefehlSichtbar(const TGriff *griff, TPunktBefehl befehl)
{
    TLinienZug *zug = KontextLinienzug(griff);
    if (!zug)
        return false;
    switch (befehl) {
    case TPunktBefehl::InKurve: {
        TLinienZugPunkt *p = segmentAnfang(griff);
        return p && p->AbschnittArt == 0;
    }
    case TPunktBefehl::InGerade: {
        TLinienZugPunkt *p = segmentAnfang(griff);
        return p && p->AbschnittArt != 0;
    }
    case TPunktBefehl::PunktLoeschen:
        return dynamic_cast<const TLinienZugPunktGriff *>(griff) != nullptr;
    case TPunktBefehl::Oeffnen:
        return zug->Geschlossen != 0;
    case TPunktBefehl::Schliessen:
        return zug->Geschlossen == 0;
    }
    return false;
}

bool PunktBefehlAusfuehren(TArbeitsbereich &ab, TGriff *griff, TPunktBefehl befehl)
{
    if (!PunktBefehlSichtbar(griff, befehl))
        return false;
    TLinienZug *zug = KontextLinienzug(griff);
    switch (befehl) {
    case TPunktBefehl::InKurve:
        segmentAnfang(griff)->AbschnittArt = 1;
        break;
    case TPunktBefehl::InGerade:
        segmentAnfang(griff)->AbschnittArt = 0;
        break;
    case TPunktBefehl::PunktLoeschen: {
        if (zug->PunktAnzahl() <= 2)
            return false;
        const int k = static_cast<const TLinienZugPunktGriff *>(griff)->PunktIndex;
        TLinienZugPunkt *punkt = zug->Punkt(k);
        if (!punkt)
            return false;
        if (ab.AnalysatorZuruecksetzen)
            ab.AnalysatorZuruecksetzen(punkt);
        if (!zug->PunktLoeschen(k))
            return false;
        break;
    }
    case TPunktBefehl::Oeffnen:
        zug->Geschlossen = 0;
        break;
    case TPunktBefehl::Schliessen:
        if (zug->PunktAnzahl() <= 2)
            return false;
        zug->Geschlossen = 1;
        break;
    }
    zug->GeometrieBerechnen();
    zug->RahmenZuruecksetzen();
    return true;
}

bool EckenzahlSichtbar(const std::vector<TZeichenObjekt *> &auswahl)
{
    return auswahl.size() == 1 && auswahl.front()->KlassenId == KlasseVielEck;
}

void EckenzahlSetzen(const std::vector<TZeichenObjekt *> &auswahl, int eckenzahl)
{
    if (!EckenzahlSichtbar(auswahl))
        return;
    if (auto *vieleck = dynamic_cast<TVielEck *>(auswahl.front())) {
        vieleck->eckenzahlSetzen(eckenzahl);
        vieleck->GeometrieBerechnen();
    }
}

} // namespace befehle
