#include "figures/VielEck.h"

TVielEck::TVielEck(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteckArt(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeEintragen(MLaengeSetzen).ParameterHinzufuegen(QStringLiteral("Länge"), ArtLaenge);
        MethodeEintragen(MBreiteSetzen).ParameterHinzufuegen(QStringLiteral("Breite"), ArtLaenge);
        MethodeEintragen(MEckenzahlSetzen)
            .ParameterHinzufuegen(QStringLiteral("Eckenzahl"), ArtGanzzahl);
        AttributEintragen(ABreite);
        AttributEintragen(ALaenge);
        AttributEintragen(AMittelpunktX);
        AttributEintragen(AMittelpunktY);
        AttributEintragen(AEckenzahl);
    }
}

void TVielEck::Zeichnen(TZeichenflaeche *) {}

std::unique_ptr<TObjekt> TVielEck::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TVielEck>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TVielEck::GeometrieBerechnen() {}
void TVielEck::GriffeErzeugen(TZeichenflaeche *) {}
bool TVielEck::Getroffen(TZeichenflaeche *, double, double) { return false; }
void TVielEck::Aufziehen(TZeichenflaeche *, bool, bool, double, double) {}
