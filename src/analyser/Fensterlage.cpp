#include "analyser/Fensterlage.h"

#include <algorithm>

TFensterlage AnalysatorFensterlage(const QRect &hauptfenster, const QRect &bildschirm)
{
    TFensterlage lage;
    int links = hauptfenster.right() + 1;
    const int oben = std::clamp(hauptfenster.top(), bildschirm.top(), bildschirm.bottom());
    int breite = bildschirm.right() + 1 - links;
    if (breite < AnalysatorMindestBreite) {
        breite = std::min(AnalysatorMindestBreite, bildschirm.width());
        links = bildschirm.right() + 1 - breite;
    }
    const int hoehe = std::max(100, bildschirm.bottom() + 1 - oben - 30);
    lage.Rahmen = QRect(links, oben, breite, hoehe);
    lage.UnteresFeldHoehe = bildschirm.height() * 2 / 5;
    return lage;
}
