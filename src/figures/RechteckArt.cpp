#include "figures/RechteckArt.h"
#include "language/MethodenAufruf.h"

TRechteckArt::TRechteckArt(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse,
                           bool nurProportional)
    : TZeichenObjekt(dokument, analysator, klasse), NurProportional(nurProportional ? 1 : 0)
{
    if (IstKlasse) {
        MethodeEintragen(MFuellfarbeSetzen)
            .ParameterHinzufuegen(QStringLiteral("Füllfarbe"), ArtFarbwert);
        MethodeEintragen(MWinkelSetzen).ParameterHinzufuegen(QStringLiteral("Winkel"), ArtWinkel);
        AttributEintragen(AFuellfarbe);
        AttributEintragen(AWinkel);
        if (!NurProportional)
            MethodeEintragen(MStreckenLaengeBreite)
                .ParameterHinzufuegen(QStringLiteral("FaktorLänge"), ArtFaktor)
                .ParameterHinzufuegen(QStringLiteral("FaktorBreite"), ArtFaktor);
    }
}

void TRechteckArt::Uebernehmen(const TObjekt &quelle)
{
    if (const auto *q = dynamic_cast<const TRechteckArt *>(&quelle)) {
        Breite = q->Breite;
        Länge = q->Länge;
        Winkel = q->Winkel;
        Zusatzwinkel = q->Zusatzwinkel;
        Griffabstand = q->Griffabstand;
    }
    TZeichenObjekt::Uebernehmen(quelle);
}

std::unique_ptr<TData> TRechteckArt::AttributWert(int attributId) const
{
    switch (attributId) {
    case AWinkel:
        return std::make_unique<TData>(Winkel, ArtWinkel);
    default:
        return TZeichenObjekt::AttributWert(attributId);
    }
}

void TRechteckArt::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                     TZeichenflaeche *zf)
{
    TZeichenObjekt::MethodeAusfuehren(methodenId, p, meldung, zf);
}

void TRechteckArt::BreiteSetzen(double breite)
{
    Breite = breite;
}

void TRechteckArt::LängeSetzen(double laenge)
{
    Länge = laenge;
}

void TRechteckArt::streckenMitZentrumLB(double, double, double, double) {}
