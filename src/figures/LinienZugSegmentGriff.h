#pragma once
#include "figures/Griff.h"

class TLinienZug;

// The invisible handle lying on every segment of a polyline: a drag inserts
// a new vertex there. The hit test finds the segment and sets PunktIndex,
// the index the new vertex will get.
class TLinienZugSegmentGriff : public TGriff
{
public:
    explicit TLinienZugSegmentGriff(TLinienZug *figur);

    std::int32_t PunktIndex = 0;

    void Zeichnen(TZeichenflaeche *zf) override;
    bool Getroffen(TZeichenflaeche *zf, double x, double y) override;
    void ZiehenBeginnen(TZeichenflaeche *zf, double x, double y) override;
    void ZielBerechnen(bool shift, bool ctrl, double x, double y) override;
    // Inserts the new vertex into the polyline, names it and logs its
    // creation. The workspace then refreshes the analyser.
    void ZiehenBeenden() override;
};
