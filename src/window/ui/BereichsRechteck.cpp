#include "window/ui/BereichsRechteck.h"
#include "figures/ZeichenObjekt.h"
#include "surface/Zeichenflaeche.h"
#include "window/ui/FensterKontext.h"

#include <algorithm>

void TBereichsRechteck::normalisieren()
{
    Links = std::min(StartX, EndeX);
    Rechts = std::max(StartX, EndeX);
    Unten = std::min(StartY, EndeY);
    Oben = std::max(StartY, EndeY);
}

void TBereichsRechteck::RahmenBeginnen(double x, double y)
{
    StartX = EndeX = x;
    StartY = EndeY = y;
    Sichtbar = true;
    normalisieren();
    RahmenZeichnen();
}

void TBereichsRechteck::RahmenAktualisieren(double x, double y)
{
    RahmenZeichnen();
    EndeX = x;
    EndeY = y;
    normalisieren();
    RahmenZeichnen();
}

void TBereichsRechteck::Malen(TZeichenflaeche *zf) const
{
    if (!zf || !zf->Leinwand)
        return;
    QPainter &p = *zf->Leinwand;
    p.save();
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(zf->XPixel(Links), zf->YPixel(Oben)),
                     QPoint(zf->XPixel(Rechts), zf->YPixel(Unten))));
    p.restore();
}

void TBereichsRechteck::RahmenZeichnen()
{
    kontext_->VorschauMalen([this](TZeichenflaeche *zf) { Malen(zf); });
}

void TBereichsRechteck::RahmenBeenden(bool shift, bool abgebrochen)
{
    if (!abgebrochen) {
        auto &auswahl = kontext_->Auswahl();
        TZeichenflaeche *zf = kontext_->Flaeche();
        for (auto &teil : kontext_->Dokument()->Teile) {
            auto *figur = dynamic_cast<TZeichenObjekt *>(teil.get());
            if (!figur)
                continue;
            const bool drin = figur->LiegtImRechteck(Links, Unten, Rechts, Oben);
            const auto stelle = std::find(auswahl.begin(), auswahl.end(), figur);
            const bool gewaehlt = stelle != auswahl.end();
            if (drin && !gewaehlt) {
                auswahl.push_back(figur);
                figur->GriffeErzeugen(zf);
            } else if (!drin && gewaehlt && !shift) {
                auswahl.erase(stelle);
                figur->GriffeFreigeben();
            }
        }
    }
    if (Sichtbar) {
        RahmenZeichnen();
        Sichtbar = false;
    }
}
