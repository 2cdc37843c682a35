#pragma once
#include "model/Dokument.h"
#include "model/Farbe.h"
#include "model/Objekt.h"

#include <QPointF>
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
    virtual bool Getroffen(TZeichenflaeche *zf, double x, double y) = 0;
    virtual bool LiegtImRechteck(double x1, double y1, double x2, double y2) const;
    virtual void AufziehenBeginnen(TZeichenflaeche *zf, double x, double y);
    virtual void Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool ausDerMitte, double x,
                           double y) = 0;
    virtual void AufziehenBeenden(TZeichenflaeche *zf);

    // --- handle list ---
    void GriffeZeichnen(TZeichenflaeche *zf);
    TGriff *GriffAnStelle(TZeichenflaeche *zf, double x, double y);
    void GriffeFreigeben();

protected:
    // Pen and brush for drawing this figure (preview: inverting dotted pen).
    void StiftUndPinselEinstellen(TZeichenflaeche *zf);
};
