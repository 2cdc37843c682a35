#pragma once
#include "model/Farbe.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QVector>
#include <memory>

// One entry of the zoom list.
struct TZoomfaktor {
    enum TArt : std::uint8_t { Fest = 0, GanzeSeite = 1, Seitenbreite = 2 };
    double Faktor = 1.0;
    std::uint8_t Art = Fest;
    QString Text;
};

// The surface figures draw onto: the current painter (`Leinwand`), the
// mapping between world centimetres (origin bottom-left, y upward) and
// pixels of the screen at the current zoom or of the printer, and the
// drawing primitives that need that mapping. It knows no widget: the drawing
// area widget points it at its buffer, a printer or, in tests, a QImage.
class TZeichenflaeche
{
public:
    TZeichenflaeche();

    // --- the sheet ---
    static constexpr double StandardDruckerPixelProCm = 236.2205; // 600 dpi
    // Sets up the sheet size from a printer's resolution and page size in
    // pixels; without a printer (aufloesungX <= 0) the sheet is
    // 20.5 cm x 29.2 cm at 236.2205 px/cm.
    void SeiteEinrichten(double druckerPixelProCmX = 0, double druckerPixelProCmY = 0,
                         int papierBreitePixel = 0, int papierHoehePixel = 0);
    // Screen pixels per inch (96 by default); recomputes the scales.
    void BildschirmAufloesungSetzen(double pixelProZoll);
    void ZoomSetzen(double zoom);

    double DruckerPixelProCmX = StandardDruckerPixelProCm;
    double DruckerPixelProCmY = StandardDruckerPixelProCm;
    int PapierBreitePixel = 0;
    int PapierHoehePixel = 0;
    double SeitenBreiteCm = 0;
    double SeitenHoeheCm = 0;
    double Zoom = 1.0;
    double BildschirmPixelProCm = 96.0 / 2.54;
    double SkalaX = 96.0 / 2.54;
    double SkalaY = 96.0 / 2.54;

    // Sheet size in screen pixels at the current zoom.
    int SeitenBreitePixel() const;
    int SeitenHoehePixel() const;

    // --- where drawing goes now ---
    QPainter *Leinwand = nullptr;
    bool Drucken = false;
    bool Gepuffert = false;
    // Visible part of the sheet during buffered painting.
    int SichtX = 0, SichtY = 0, SichtBreite = 0, SichtHoehe = 0;

    // --- mapping ---
    int XPixel(double x) const;
    int YPixel(double y) const;
    double LaengePixel(double laenge) const;
    double XWelt(double spalte) const;
    double YWelt(double zeile) const;
    // A pixel count as centimetres at the current screen zoom.
    double PixelZuCm(double pixel) const { return pixel / SkalaX; }

    // --- primitives ---
    void StiftbreiteSetzen(double linienstaerkeCm);
    void RundRechteck(double x1, double y1, double x2, double y2, double rundung);
    void LinienZugZeichnen(const QVector<QPoint> &punkte, std::uint8_t linienart, bool geschlossen,
                           double linienstaerkeCm);
    void SchriftAnpassen(double groessePunkte);
    void HintergrundZeichnen(const TFarbe &farbe);

    // --- zoom list ---
    static QVector<TZoomfaktor> ZoomListe();
    // Zoom for "Ganze Seite" / "Seitenbreite" in a client area of the given
    // pixel size; 0 when no candidate.
    double GanzeSeiteZoom(int clientBreite, int clientHoehe) const;
    double SeitenbreiteZoom(int clientBreite) const;

private:
    double skalaXAktuell() const { return Drucken ? DruckerPixelProCmX : SkalaX; }
    double skalaYAktuell() const { return Drucken ? DruckerPixelProCmY : SkalaY; }
    double hoeheAktuell() const;
};

// Rounds to the nearest integer, halves to even.
int RundenGerade(double wert);
