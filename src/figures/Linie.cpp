#include "figures/Linie.h"

TLinie::TLinie(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TZeichenObjekt(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeEintragen(MPunkt1Setzen)
            .ParameterHinzufuegen(QStringLiteral("X-Koordinate"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("Y-Koordinate"), ArtLaenge);
        MethodeEintragen(MPunkt2Setzen)
            .ParameterHinzufuegen(QStringLiteral("X-Koordinate"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("Y-Koordinate"), ArtLaenge);
        AttributEintragen(APunkt1X);
        AttributEintragen(APunkt1Y);
        AttributEintragen(APunkt2X);
        AttributEintragen(APunkt2Y);
    }
}

void TLinie::Zeichnen(TZeichenflaeche *) {}

std::unique_ptr<TObjekt> TLinie::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TLinie>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TLinie::GeometrieBerechnen() {}
void TLinie::GriffeErzeugen(TZeichenflaeche *) {}
bool TLinie::Getroffen(TZeichenflaeche *, double, double) { return false; }
void TLinie::Aufziehen(TZeichenflaeche *, bool, bool, double, double) {}
