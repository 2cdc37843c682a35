#pragma once
#include "figures/RechteckArt.h"

#include <QPoint>
#include <QVector>

// A regular polygon inscribed in the box (class VIELECK).
class TVielEck : public TRechteckArt
{
public:
    static constexpr int MinimaleEckenzahl = 3;
    static constexpr int MaximaleEckenzahl = 1000;

    TVielEck(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    QVector<TWeltPunkt> Umrisspunkte;
    QVector<QPoint> Bildpunkte;
    std::int32_t Eckenzahl = 6;

    void Zeichnen(TZeichenflaeche *zf) override;
    std::unique_ptr<TObjekt> Duplizieren(bool neuerName) override;
    // Defined with the file code in persistence/.
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;
    void Uebernehmen(const TObjekt &quelle) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;
    void GeometrieBerechnen() override;
    void BildpunkteBerechnen() override;
    bool Getroffen(TZeichenflaeche *zf, double x, double y) override;
    void AufziehenBeenden(TZeichenflaeche *zf) override;
    void spiegelnAnVertikalerAchse(double x0) override;
    void spiegelnAnHorizontalerAchse(double y0) override;

    void mittelpunktSetzen(double x, double y);
    // Sets the number of corners (3 to 1000) and logs it; any other count
    // changes nothing and answers the message for the pupil.
    QString eckenzahlSetzen(std::int32_t n);
};
