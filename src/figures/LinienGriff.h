#pragma once
#include "figures/Griff.h"

class TLinie;

// End point handle of a line; PunktNummer 1 or 2 names the end it moves.
class TLinienGriff : public TGriff
{
public:
    TLinienGriff(TLinie *figur, double posX, double posY, double bezugX, double bezugY,
                 int punktNummer);

    std::int32_t PunktNummer;

    void ZielBerechnen(bool shift, bool ctrl, double x, double y) override;
    void ZiehenBeenden() override;
};
