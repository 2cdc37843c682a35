#pragma once
#include "figures/RechteckArt.h"

#include <QPoint>
#include <QVector>

class TLinienZugPunkt;

// A chain of vertices (class LINIENZUG) joined by straight or curved
// segments, open or closed. The vertices are the polyline's Teile. Curved
// segments are cubic Bezier curves whose control points follow from the
// neighbouring vertices; the outline is flattened into `Umrisspunkte` (cm)
// and `Bildpunkte` (pixels). The box fields form a frame that is reset to
// the axis-parallel bounding box after every method call.
class TLinienZug : public TRechteckArt
{
public:
    TLinienZug(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    // A curved segment never yields more outline points than this.
    static constexpr int MaximaleBogenpunkte = 1000;

    std::uint8_t Geschlossen = 0;
    QVector<QPoint> Bildpunkte;
    QVector<TWeltPunkt> Umrisspunkte;
    std::uint8_t NeueAbschnittArt = 0;
    // The class object of PUNKT, for new vertices; given to the class object
    // by the registry and passed on to every polyline made from it.
    TObjekt *PunktKlasse = nullptr;
    // Outline points per centimetre of chord on curved segments: one per
    // 5 screen pixels at the zoom of the last drawing, one per 2 printer
    // pixels while printing.
    double BogenpunkteProCm = 96.0 / 2.54 / 5.0;
    // The angle the polyline has been turned to since it was drawn (the
    // frame itself always has Winkel 0): winkelSetzen sets it and turns the
    // vertices by the difference, drehen and drehenUm add to it. It is what
    // the attribute Winkel shows and what the file keeps ("Winkel").
    double Drehung = 0.0;

    TLinienZugPunkt *Punkt(int index) const;
    int PunktAnzahl() const { return int(Teile.size()); }
    // A new vertex at index (clamped), not named and not logged.
    TLinienZugPunkt *PunktEinfuegen(int index, double x, double y, std::uint8_t abschnittArt);
    TLinienZugPunkt *PunktAnhaengen(double x, double y, std::uint8_t abschnittArt);
    // Removes and frees a vertex (only while more than 2 remain); true when
    // it was removed. Nothing is logged.
    bool PunktLoeschen(int index);

    void RahmenZuruecksetzen();
    void TangentenBerechnen();
    // Index of the vertex whose outgoing segment passes (x, y), or -1.
    int AbschnittAnStelle(TZeichenflaeche *zf, double x, double y) const;
    // (x, y) lies in the bounding box widened by the segment tolerance.
    bool ImWeitenRahmen(TZeichenflaeche *zf, double x, double y) const;

    // --- drawing point by point with the mouse ---
    // Fixes the moving point; true when this click closed the polyline.
    bool PunktAnklicken(TZeichenflaeche *zf);
    // Ends an open polyline (double click); false when too few points remain.
    bool LinienzugAbschliessen(TZeichenflaeche *zf);

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
    void AufziehenBeginnen(TZeichenflaeche *zf, double x, double y) override;
    void Aufziehen(TZeichenflaeche *zf, bool quadratisch, bool ausDerMitte, double x,
                   double y) override;

    void verschieben(double dx, double dy) override;
    void streckenMitZentrum(double zx, double zy, double faktor) override;
    void strecken(double faktor) override;
    void drehenUm(double px, double py, double winkel) override;
    void drehen(double winkel) override;
    void spiegelnAnVertikalerAchse(double x0) override;
    void spiegelnAnHorizontalerAchse(double y0) override;
    void BreiteSetzen(double breite) override;
    void LängeSetzen(double laenge) override;
    void streckenMitZentrumLB(double zx, double zy, double faktorLaenge,
                              double faktorBreite) override;

private:
    void dichteAnpassen(const TZeichenflaeche *zf);
    void bildpunkteBerechnen(const TZeichenflaeche *zf);
    void bogenpunkteSpeichern();
    // Applies f to the position of every vertex.
    template <typename F> void punkteAbbilden(F f);
};
