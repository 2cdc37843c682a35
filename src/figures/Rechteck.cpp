#include "figures/Rechteck.h"

TRechteck::TRechteck(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteckArt(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeEintragen(MDiagonalenschnittpunktSetzen)
            .ParameterHinzufuegen(QStringLiteral("x"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("y"), ArtLaenge);
        MethodeEintragen(MLaengeSetzen).ParameterHinzufuegen(QStringLiteral("Länge"), ArtLaenge);
        MethodeEintragen(MBreiteSetzen).ParameterHinzufuegen(QStringLiteral("Breite"), ArtLaenge);
        AttributEintragen(ALaenge);
        AttributEintragen(ABreite);
        AttributEintragen(ADiagonalenschnittpunktX);
        AttributEintragen(ADiagonalenschnittpunktY);
    }
}

void TRechteck::Zeichnen(TZeichenflaeche *) {}

std::unique_ptr<TObjekt> TRechteck::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TRechteck>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TRechteck::GeometrieBerechnen() {}
void TRechteck::GriffeErzeugen(TZeichenflaeche *) {}
bool TRechteck::Getroffen(TZeichenflaeche *, double, double) { return false; }
void TRechteck::Aufziehen(TZeichenflaeche *, bool, bool, double, double) {}
