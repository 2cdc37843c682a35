#include "figures/LinienZugSegmentGriff.h"
#include "figures/LinienZug.h"
#include "figures/LinienZugPunkt.h"

TLinienZugSegmentGriff::TLinienZugSegmentGriff(TLinienZug *figur)
    : TGriff(GriffSegment, figur, 0.0, 0.0, 0.0, 0.0, 0.0)
{
}

void TLinienZugSegmentGriff::Zeichnen(TZeichenflaeche *) {}

bool TLinienZugSegmentGriff::Getroffen(TZeichenflaeche *zf, double x, double y)
{
    auto *f = static_cast<TLinienZug *>(Figur);
    const int k = f ? f->AbschnittAnStelle(zf, x, y) : -1;
    PunktIndex = k + 1;
    return k >= 0;
}

void TLinienZugSegmentGriff::ZiehenBeginnen(TZeichenflaeche *zf, double x, double y)
{
    KopieAnlegen();
    MausStartX = x;
    MausStartY = y;
    auto *kopie = static_cast<TLinienZug *>(VorschauKopie.get());
    if (kopie) {
        const TLinienZugPunkt *vorgaenger = kopie->Punkt(PunktIndex - 1);
        kopie->PunktEinfuegen(PunktIndex, x, y, vorgaenger ? vorgaenger->AbschnittArt : 0);
        kopie->GeometrieBerechnen();
    }
    KopieZeichnen(zf);
}

void TLinienZugSegmentGriff::ZielBerechnen(bool, bool, double x, double y)
{
    auto *kopie = static_cast<TLinienZug *>(VorschauKopie.get());
    if (!kopie || !kopie->Punkt(PunktIndex))
        return;
    kopie->Punkt(PunktIndex)->PositionSetzen(x, y);
    kopie->GeometrieBerechnen();
}

void TLinienZugSegmentGriff::ZiehenBeenden()
{
    auto *kopie = static_cast<TLinienZug *>(VorschauKopie.get());
    auto *f = static_cast<TLinienZug *>(Figur);
    const TLinienZugPunkt *quelle = kopie ? kopie->Punkt(PunktIndex) : nullptr;
    if (f && quelle) {
        if (TLinienZugPunkt *neu =
                f->PunktEinfuegen(PunktIndex, quelle->X, quelle->Y, quelle->AbschnittArt)) {
            neu->NamenVergeben();
            neu->ErzeugungProtokollieren();
        }
        f->GeometrieBerechnen();
        f->RahmenZuruecksetzen();
    }
    VorschauKopie.reset();
}
