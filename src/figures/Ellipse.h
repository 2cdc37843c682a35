#pragma once
#include "figures/RechteckArt.h"

#include <QPoint>
#include <QVector>

class TEllipse : public TRechteckArt
{
public:
    TEllipse(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    QVector<TWeltPunkt> Umrisspunkte;
    QVector<QPoint> Bildpunkte;

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
