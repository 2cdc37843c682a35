#pragma once
#include "figures/ZeichenObjekt.h"

#include <QPoint>
#include <array>

class TLinie : public TZeichenObjekt
{
public:
    TLinie(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    double Punkt1X = 0.0, Punkt1Y = 0.0;
    double Punkt2X = 0.0, Punkt2Y = 0.0;
    std::array<QPoint, 2> Bildpunkte{};

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
