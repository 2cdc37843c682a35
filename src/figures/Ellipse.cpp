#include "figures/Ellipse.h"

TEllipse::TEllipse(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteckArt(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeEintragen(MRadiusXSetzen).ParameterHinzufuegen(QStringLiteral("RadiusX"), ArtLaenge);
        MethodeEintragen(MRadiusYSetzen).ParameterHinzufuegen(QStringLiteral("RadiusY"), ArtLaenge);
        MethodeEintragen(MMittelpunktSetzen)
            .ParameterHinzufuegen(QStringLiteral("X-Koordinate"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("Y-Koordinate"), ArtLaenge);
        AttributEintragen(ARadiusX);
        AttributEintragen(ARadiusY);
        AttributEintragen(AMittelpunktX);
        AttributEintragen(AMittelpunktY);
    }
}

void TEllipse::Zeichnen(TZeichenflaeche *) {}

std::unique_ptr<TObjekt> TEllipse::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TEllipse>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TEllipse::GeometrieBerechnen() {}
void TEllipse::GriffeErzeugen(TZeichenflaeche *) {}
bool TEllipse::Getroffen(TZeichenflaeche *, double, double) { return false; }
void TEllipse::Aufziehen(TZeichenflaeche *, bool, bool, double, double) {}
