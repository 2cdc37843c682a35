#include "figures/LinienZugPunktGriff.h"
#include "figures/LinienZug.h"
#include "figures/LinienZugPunkt.h"

#include <cmath>

TLinienZugPunktGriff::TLinienZugPunktGriff(TLinienZug *figur, double x, double y, int punktIndex)
    : TGriff(GriffPunkt, figur, 0.0, x, y, x, y), PunktIndex(punktIndex)
{
}

void TLinienZugPunktGriff::ZielBerechnen(bool shift, bool, double x, double y)
{
    auto *kopie = static_cast<TLinienZug *>(VorschauKopie.get());
    auto *f = static_cast<TLinienZug *>(Figur);
    if (!kopie || !f || !f->Punkt(PunktIndex) || !kopie->Punkt(PunktIndex))
        return;
    const TLinienZugPunkt *alt = f->Punkt(PunktIndex);
    if (shift) {
        // A tie counts as vertical.
        if (std::fabs(alt->X - x) <= std::fabs(alt->Y - y))
            x = alt->X;
        else
            y = alt->Y;
    }
    kopie->Punkt(PunktIndex)->PositionSetzen(x, y);
    kopie->GeometrieBerechnen();
}

void TLinienZugPunktGriff::ZiehenBeenden()
{
    auto *kopie = static_cast<TLinienZug *>(VorschauKopie.get());
    auto *f = static_cast<TLinienZug *>(Figur);
    if (kopie && f && f->Punkt(PunktIndex) && kopie->Punkt(PunktIndex)) {
        f->Punkt(PunktIndex)->Uebernehmen(*kopie->Punkt(PunktIndex));
        f->GeometrieBerechnen();
        f->RahmenZuruecksetzen();
    }
    VorschauKopie.reset();
}
