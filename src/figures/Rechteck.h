#pragma once
#include "figures/RechteckArt.h"

#include <QPoint>
#include <array>

class TRechteck : public TRechteckArt
{
public:
    TRechteck(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    std::array<TWeltPunkt, 4> Ecken{};
    std::array<QPoint, 4> Bildpunkte{};

    void Zeichnen(TZeichenflaeche *zf) override;
    std::unique_ptr<TObjekt> Duplizieren(bool neuerName) override;
    // Defined with the file code in persistence/.
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;
    void GeometrieBerechnen() override;
    void GriffeErzeugen(TZeichenflaeche *zf) override;
    bool Getroffen(TZeichenflaeche *zf, double x, double y) override;
    void Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool ausDerMitte, double x,
                   double y) override;
};
