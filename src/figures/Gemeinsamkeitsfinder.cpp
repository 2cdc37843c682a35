#include "figures/Gemeinsamkeitsfinder.h"
#include "figures/ZeichenObjekt.h"

#include <cmath>

void TGemeinsamkeitsfinder::GemeinsameWerte(const std::vector<TZeichenObjekt *> &figuren)
{
    const TFarbe gemischt(FarbArtNichtEinheitlich, 0);
    if (figuren.empty()) {
        Füllfarbe = gemischt;
        Linienfarbe = gemischt;
        Linienart = 0;
        Linienstärke = -1.0;
        MausGesperrt = TastaturGesperrt = SperreUneinheitlich;
        return;
    }
    const TZeichenObjekt &erste = *figuren.front();
    TFarbe fuell = erste.Füllfarbe, linie = erste.Linienfarbe;
    Linienart = erste.Linienart;
    Linienstärke = erste.Linienstärke;
    MausGesperrt = erste.MausGesperrt;
    TastaturGesperrt = erste.TastaturGesperrt;
    for (const TZeichenObjekt *f : figuren) {
        // A differing colour turns the kind to "mixed"; its value stays.
        if (f->Füllfarbe != fuell)
            fuell.FarbArt = FarbArtNichtEinheitlich;
        if (f->Linienfarbe != linie)
            linie.FarbArt = FarbArtNichtEinheitlich;
        if (f->Linienart != Linienart)
            Linienart = 0;
        if (std::fabs(f->Linienstärke - Linienstärke) > 0.0001)
            Linienstärke = -1.0;
        if (f->MausGesperrt != MausGesperrt)
            MausGesperrt = SperreUneinheitlich;
        if (f->TastaturGesperrt != TastaturGesperrt)
            TastaturGesperrt = SperreUneinheitlich;
    }
    Füllfarbe = fuell;
    Linienfarbe = linie;
}
