#pragma once
#include "figures/Griff.h"

class TLinienZug;

// Handle of one vertex of a polyline; a drag moves that vertex.
class TLinienZugPunktGriff : public TGriff
{
public:
    TLinienZugPunktGriff(TLinienZug *figur, double x, double y, int punktIndex);

    std::int32_t PunktIndex;

    void ZielBerechnen(bool shift, bool ctrl, double x, double y) override;
    void ZiehenBeenden() override;
};
