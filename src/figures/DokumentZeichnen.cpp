// The document's drawing. TDokument belongs to the object model, which knows
// neither the surface nor the figures; its drawing lives here with the
// handles it draws last.
#include "figures/ZeichenObjekt.h"
#include "model/Dokument.h"
#include "model/Katalog.h"
#include "surface/Zeichenflaeche.h"

static void griffeZeichnen(TObjektListe &teile, TZeichenflaeche *zf)
{
    for (auto &teil : teile)
        if (auto *figur = dynamic_cast<TZeichenObjekt *>(teil.get()))
            figur->GriffeZeichnen(zf);
}

void TDokument::Zeichnen(TZeichenflaeche *zf)
{
    if (zf)
        zf->HintergrundZeichnen(Hintergrundfarbe);
    for (auto &teil : Teile)
        teil->Zeichnen(zf);
    griffeZeichnen(Teile, zf);
}

void TDokument::ZeichnenMitTeilen(TZeichenflaeche *zf)
{
    if (zf)
        zf->HintergrundZeichnen(Hintergrundfarbe);
    for (std::size_t i = 0; i < Teile.size(); ++i) {
        QString meldung;
        Teile[i]->MethodeAusfuehren(MZeichnen, {}, meldung, zf);
    }
    griffeZeichnen(Teile, zf);
}
