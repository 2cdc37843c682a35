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
    void BildpunkteBerechnen() override;
    bool Getroffen(TZeichenflaeche *zf, double x, double y) override;
    void AufziehenBeenden(TZeichenflaeche *zf) override;

    // The four corners as an outline (for hit tests).
    QVector<TWeltPunkt> Umriss() const;

protected:
    void bildpunkteFuer(const TZeichenflaeche *zf);
};
