#pragma once
#include "figures/Griff.h"

class TRechteckArt;

// Side, corner and rotation handle of a box-shaped figure.
class TRechteckArtGriff : public TGriff
{
public:
    // Richtung: 0 top or bottom side, 1 left or right side, 2 corner,
    // 3 rotation.
    enum TRichtung : std::uint8_t { ObenUnten = 0, LinksRechts = 1, Ecke = 2, Drehung = 3 };

    TRechteckArtGriff(std::uint8_t griffArt, TRechteckArt *figur, double winkel, double posX,
                      double posY, double bezugX, double bezugY, std::uint8_t richtung);

    std::uint8_t Richtung;
    double FixX = 0.0, FixY = 0.0;
    double FaktorLänge = 1.0, FaktorBreite = 1.0;
    double Drehwinkel = 0.0;

    void ZielBerechnen(bool shift, bool ctrl, double x, double y) override;
    void ZiehenBeenden() override;

private:
    TRechteckArt *box() const;
};
