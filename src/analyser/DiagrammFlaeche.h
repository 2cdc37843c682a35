#pragma once
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>

// The surface the analyser's diagrams are drawn on: the object tree and the
// class and object cards. Diagram coordinates are centimetres with the
// origin at the top-left corner and y pointing down; pixel = round(cm x
// scale), scale = screen pixels per cm x zoom. It knows no widget: the
// diagram scroll box points `Leinwand` at its surface while painting, tests
// point it at a QImage.
class TDiagrammFlaeche
{
public:
    TDiagrammFlaeche();

    // --- where drawing goes now ---
    QPainter *Leinwand = nullptr;
    // Points the surface at a painter (or none) and gives it the current font.
    void LeinwandSetzen(QPainter *leinwand);

    // --- scale and size ---
    double BildschirmPixelProCm = 96.0 / 2.54;
    double Zoom = 1.0;
    double Skala() const { return BildschirmPixelProCm * Zoom; }
    void BildschirmAufloesungSetzen(double pixelProZoll);

    // Accepts the factor only when 0.01 < zoom < 10.0 (every percentage the
    // zoom box takes, typed ones up to 999 %); re-applies the font
    // size at the new zoom and recomputes the surface. False when refused.
    bool ZoomSetzen(double zoom);

    // Size of the diagram in centimetres, 10 x 10 at start.
    double DiagrammBreite = 10.0;
    double DiagrammHoehe = 10.0;
    // Stores the size and lets the owner recompute the surface.
    void DiagrammGroesseSetzen(double breite, double hoehe);
    // Surface size in pixels at the current scale.
    int BreitePixel() const;
    int HoehePixel() const;

    // Called whenever the surface size in pixels may have changed (set by
    // the scroll box that shows this surface).
    std::function<void()> Einrichten;

    // --- mapping (y downward) ---
    int XPixel(double x) const;
    int YPixel(double y) const;
    double LaengePixel(double laenge) const { return laenge * Skala(); }
    double PixelZuCm(double pixel) const { return pixel / Skala(); }

    // --- font ---
    // Font size in points at zoom 1; the canvas gets max(1, round(points x
    // zoom)) points.
    int Schriftgroesse = 10;
    void SchriftgroesseSetzen(int punkte);
    // The canvas font (family "Arial", size as set above).
    const QFont &Schrift() const { return schrift_; }
    // Size of a text in the current font, in centimetres at zoom 1
    // (pixels on the canvas divided by the zoomed scale).
    double TextBreite(const QString &text) const;
    double TextHoehe(const QString &text) const;

    // --- primitives (all lengths in cm) ---
    // Pen width in cm, at least 1 pixel.
    void StiftbreiteSetzen(double breiteCm);
    void Linie(double x1, double y1, double x2, double y2);
    void Rechteck(double x1, double y1, double x2, double y2);
    // Writes the text with its top-left corner at (x, y).
    void Text(const QString &text, double x, double y);
    // Rectangle whose corners are quarter circles of radius r, each drawn as
    // a polyline of n + 1 points at steps of 90 / n degrees, n being r in
    // pixels (rounded). Filled with the brush, outlined with the pen.
    void RundRechteck(double r, double x1, double y1, double x2, double y2);
    // Fills the whole surface with the colour, with a black 1-pixel outline.
    void HintergrundZeichnen(const QColor &farbe);

private:
    void schriftAnwenden();
    QFont schrift_;
};

// The corner points of a rounded rectangle in pixels, as drawn by
// RundRechteck (four quarter-circle polylines joined by straight sides).
QPolygon RundRechteckPunkte(int links, int oben, int rechts, int unten, double radiusPixel);
