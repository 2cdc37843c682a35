#pragma once
#include "figures/ZeichenObjekt.h"

// Brings an angle into 0 <= angle < 360 (in bounded time for any value).
double WinkelNormalisieren(double winkel);

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

    // --- geometry operations of the box (each ends with GeometrieBerechnen) ---
    void verschieben(double dx, double dy) override;
    void streckenMitZentrum(double zx, double zy, double faktor) override;
    void strecken(double faktor) override;
    void drehenUm(double px, double py, double winkel) override;
    void drehen(double winkel) override;
    void spiegelnAnVertikalerAchse(double x0) override;
    void spiegelnAnHorizontalerAchse(double y0) override;

    void GriffeErzeugen(TZeichenflaeche *zf) override;
    std::vector<TGriffPlatz> GriffPlaetze(const TZeichenflaeche *zf) const override;
    // Starts drag creation with a box of size 0 at the anchor.
    void AufziehenBeginnen(TZeichenflaeche *zf, double x, double y) override;
    // Drag creation of a box from corner to corner (Shift: square, Ctrl:
    // from the centre).
    void Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool ausDerMitte, double x,
                   double y) override;

    // A box of extent 0 on an axis has no area to hit: its hit test falls
    // back to the outline.
    bool Flach() const;

    virtual void BreiteSetzen(double breite);
    virtual void LängeSetzen(double laenge);
    // Stretches along the figure's own axes about (zx, zy).
    virtual void streckenMitZentrumLB(double zx, double zy, double faktorLaenge,
                                      double faktorBreite);
    // Sets the centre; logs DiagonalenschnittpunktSetzen.
    void DiagonalenschnittpunktSetzen(double x, double y);
    // Sets the angle as given (not normalised); logs winkelSetzen.
    void winkelSetzen(double winkel);
};
