#pragma once
#include "figures/ZeichenObjekt.h"

#include <QPoint>
#include <array>

// The straight line segment (class LINIE): its geometry is its two end
// points; centre and bounding box follow from them.
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
    void Uebernehmen(const TObjekt &quelle) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;
    void GeometrieBerechnen() override;

    void verschieben(double dx, double dy) override;
    void streckenMitZentrum(double zx, double zy, double faktor) override;
    void strecken(double faktor) override;
    void drehenUm(double px, double py, double winkel) override;
    void drehen(double winkel) override;
    void spiegelnAnVertikalerAchse(double x0) override;
    void spiegelnAnHorizontalerAchse(double y0) override;

    void GriffeErzeugen(TZeichenflaeche *zf) override;
    std::vector<TGriffPlatz> GriffPlaetze(const TZeichenflaeche *zf) const override;
    bool Getroffen(TZeichenflaeche *zf, double x, double y) override;
    // Starts drag creation with both points at the anchor.
    void AufziehenBeginnen(TZeichenflaeche *zf, double x, double y) override;
    // Shift: the direction snaps to 15 degree steps; Ctrl: the anchor is the
    // centre.
    void Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool ausDerMitte, double x,
                   double y) override;

    // The point setters do not log (the line handles log their effect).
    void punkt1Setzen(double x, double y);
    void punkt2Setzen(double x, double y);
};
