#pragma once
#include "model/Dokument.h"
#include "model/Farbe.h"
#include "model/Objekt.h"

#include <QPointF>
#include <QVector>
#include <memory>
#include <vector>

class TGriff;
class TZeichenflaeche;

// A world point in centimetres.
struct TWeltPunkt {
    double X = 0.0;
    double Y = 0.0;
};

// Turns (x, y) about (px, py) by winkel degrees, counter-clockwise.
TWeltPunkt PunktDrehen(double x, double y, double px, double py, double winkel);
// Mirror value of v about the axis value a: 2a - v.
inline double Spiegelwert(double a, double v) { return 2.0 * a - v; }
// Outline hit test: is P within tolerance t (cm, at least 2 pixels) of A-B.
bool PunktNahAnStrecke(const TZeichenflaeche *zf, double px, double py, double t, double ax,
                       double ay, double bx, double by);
// A pixel count as centimetres on the surface (the current surface when zf
// is null).
double PixelInCm(const TZeichenflaeche *zf, double pixel);
// Area test by crossings: the point is inside when an odd number of edges
// crosses the horizontal line through y strictly right of x; an edge counts
// when one end has y-coordinate <= y and the other > y (half-open).
bool PunktInPolygon(const QVector<TWeltPunkt> &punkte, double x, double y);
// Outline test: PunktNahAnStrecke for some edge of the closed outline.
bool PunktNahAnUmriss(const TZeichenflaeche *zf, const QVector<TWeltPunkt> &punkte, double x,
                      double y, double toleranz);

// Where one handle of a selected figure goes: what GriffeErzeugen turns
// into a handle object.
struct TGriffPlatz {
    std::uint8_t GriffArt = 0;  // 0 side, 1 corner or line end, 2 rotation
    std::uint8_t Richtung = 0;  // box handles: 0 top/bottom, 1 left/right, 2 corner, 3 rotation
    int PunktNummer = 0;        // line handles: 1 or 2
    double PosX = 0.0, PosY = 0.0;     // display position (cm)
    double BezugX = 0.0, BezugY = 0.0; // the point of the figure it stands for (cm)
    double Winkel = 0.0;               // the figure's Winkel (degrees)
};

// Abstract base of every figure.
class TZeichenObjekt : public TObjekt
{
public:
    TZeichenObjekt(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);
    ~TZeichenObjekt() override;

    TFarbe Füllfarbe;
    TFarbe Linienfarbe;
    double Linienstärke = 0.0;
    std::uint8_t Linienart = 0;
    double MitteX = 0.0, MitteY = 0.0;
    double AnkerX = 0.0, AnkerY = 0.0;
    std::vector<std::unique_ptr<TGriff>> Griffe;

    // --- operations of the object base ---
    void Zeichnen(TZeichenflaeche *zf) override;
    void Uebernehmen(const TObjekt &quelle) override;
    // Defined with the file code in persistence/.
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;

    // --- figure operations ---
    virtual void VorschauSetzen(bool vorschau);
    virtual void FüllfarbeSetzen(const TFarbe &farbe);
    virtual void LinienfarbeSetzen(const TFarbe &farbe);
    virtual void LinienstärkeSetzen(double staerke);
    virtual void LinienartSetzen(std::uint8_t art);
    virtual void BildpunkteBerechnen() {}
    virtual void verschieben(double dx, double dy);
    virtual void streckenMitZentrum(double zx, double zy, double faktor);
    virtual void strecken(double faktor);
    virtual void drehenUm(double px, double py, double winkel);
    virtual void drehen(double winkel);
    virtual void spiegelnAnVertikalerAchse(double x0);
    virtual void spiegelnAnHorizontalerAchse(double y0);
    virtual void vertikalSpiegeln();
    virtual void horizontalSpiegeln();
    virtual void GriffeErzeugen(TZeichenflaeche *zf) = 0;
    // Positions of the handles GriffeErzeugen makes, at the zoom of zf (the
    // current surface when null); empty for figures without handles.
    virtual std::vector<TGriffPlatz> GriffPlaetze(const TZeichenflaeche *zf) const;
    virtual bool Getroffen(TZeichenflaeche *zf, double x, double y) = 0;
    virtual bool LiegtImRechteck(double x1, double y1, double x2, double y2) const;
    virtual void AufziehenBeginnen(TZeichenflaeche *zf, double x, double y);
    virtual void Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool ausDerMitte, double x,
                           double y) = 0;
    virtual void AufziehenBeenden(TZeichenflaeche *zf);

    // --- handle list ---
    // Draws the handles; a figure locked against the mouse draws the lock
    // mark instead while the surface says the locks are in force.
    void GriffeZeichnen(TZeichenflaeche *zf);
    // The lock mark: a dotted frame around the bounding box and a padlock
    // at its top right corner.
    void SchlossZeichnen(TZeichenflaeche *zf) const;
    TGriff *GriffAnStelle(TZeichenflaeche *zf, double x, double y);
    void GriffeFreigeben();

    // Pen and brush for drawing this figure (preview: inverting dotted pen,
    // no antialiasing, clear brush).
    void StiftUndPinselEinstellen(TZeichenflaeche *zf);

};
