#include "figures/Gruppe.h"

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

void TGruppe::Zeichnen(TZeichenflaeche *zf)
{
    for (auto &teil : Teile)
        teil->Zeichnen(zf);
}

std::unique_ptr<TObjekt> TGruppe::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TGruppe>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TGruppe::Uebernehmen(const TObjekt &quelle)
{
    TRechteckArt::Uebernehmen(quelle);
}

void TGruppe::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                TZeichenflaeche *zf)
{
    TRechteckArt::MethodeAusfuehren(methodenId, p, meldung, zf);
}

void TGruppe::GeometrieBerechnen() {}
void TGruppe::GriffeErzeugen(TZeichenflaeche *) {}
bool TGruppe::Getroffen(TZeichenflaeche *, double, double) { return false; }
void TGruppe::Aufziehen(TZeichenflaeche *, bool, bool, double, double) {}
