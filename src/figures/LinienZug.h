#pragma once
#include "figures/RechteckArt.h"

#include <QPoint>
#include <QVector>

class TLinienZugPunkt;

class TLinienZug : public TRechteckArt
{
public:
    TLinienZug(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    std::uint8_t Geschlossen = 0;
    QVector<QPoint> Bildpunkte;
    QVector<TWeltPunkt> Umrisspunkte;
    std::uint8_t NeueAbschnittArt = 0;

    TLinienZugPunkt *Punkt(int index) const;
    int PunktAnzahl() const { return int(Teile.size()); }

    void Zeichnen(TZeichenflaeche *zf) override;
    std::unique_ptr<TObjekt> Duplizieren(bool neuerName) override;
    void Uebernehmen(const TObjekt &quelle) override;
    // Defined with the file code in persistence/.
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;
    void GeometrieBerechnen() override;
    void GriffeErzeugen(TZeichenflaeche *zf) override;
    bool Getroffen(TZeichenflaeche *zf, double x, double y) override;
    void Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool ausDerMitte, double x,
                   double y) override;
};
