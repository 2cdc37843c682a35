#include "figures/LinienZug.h"
#include "figures/LinienZugPunkt.h"

TLinienZug::TLinienZug(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteckArt(dokument, analysator, klasse)
{
    ObjektdiagrammZusammengefaltet = true;
    Griffabstand = 10;
    if (IstKlasse) {
        MethodeEintragen(MSchliessen);
        MethodeEintragen(MOeffnen);
        AttributEintragen(AGeschlossen);
    }
}

TLinienZugPunkt *TLinienZug::Punkt(int index) const
{
    if (index < 0 || index >= int(Teile.size()))
        return nullptr;
    return static_cast<TLinienZugPunkt *>(Teile[index].get());
}

void TLinienZug::Zeichnen(TZeichenflaeche *) {}

std::unique_ptr<TObjekt> TLinienZug::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TLinienZug>(Dokument, Analysator, Klasse);
    neu->Uebernehmen(*this);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
        for (auto &punkt : neu->Teile)
            punkt->ErzeugungProtokollieren();
    }
    return neu;
}

void TLinienZug::Uebernehmen(const TObjekt &quelle)
{
    if (const auto *q = dynamic_cast<const TLinienZug *>(&quelle)) {
        Teile.clear();
        for (const auto &qp : q->Teile) {
            auto punkt = std::make_unique<TLinienZugPunkt>(Dokument, Analysator, qp->Klasse);
            punkt->Uebernehmen(*qp);
            TeilAnhaengen(std::move(punkt));
        }
        Geschlossen = q->Geschlossen;
    }
    TRechteckArt::Uebernehmen(quelle);
}

std::unique_ptr<TData> TLinienZug::AttributWert(int attributId) const
{
    if (attributId == AGeschlossen)
        return std::make_unique<TData>(std::uint8_t(Geschlossen ? 1 : 0), ArtWahrheitswert);
    return TRechteckArt::AttributWert(attributId);
}

void TLinienZug::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                   TZeichenflaeche *zf)
{
    TRechteckArt::MethodeAusfuehren(methodenId, p, meldung, zf);
}

void TLinienZug::GeometrieBerechnen() {}
void TLinienZug::GriffeErzeugen(TZeichenflaeche *) {}
bool TLinienZug::Getroffen(TZeichenflaeche *, double, double) { return false; }
void TLinienZug::Aufziehen(TZeichenflaeche *, bool, bool, double, double) {}
