#pragma once
#include "figures/ZeichenObjekt.h"

// Abstract base of every figure whose geometry is a turnable box around its
// centre: rectangle, text field, ellipse, polygon, polyline, group.
class TRechteckArt : public TZeichenObjekt
{
public:
    // nurProportional must be known before the catalogue is built (groups).
    TRechteckArt(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse,
                 bool nurProportional = false);

    double Breite = 0.0;
    double Länge = 0.0;
    double Winkel = 0.0;
    std::uint8_t NurProportional = 0;
    double Zusatzwinkel = 0.0;
    int Griffabstand = 0;

    void Uebernehmen(const TObjekt &quelle) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;

    virtual void BreiteSetzen(double breite);
    virtual void LängeSetzen(double laenge);
    virtual void streckenMitZentrumLB(double zx, double zy, double faktorLaenge,
                                      double faktorBreite);
};
