#pragma once
#include "model/Farbe.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRectF>
#include <QVector>
#include <array>
#include <memory>
#include <optional>

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
//
// Every primitive clips what it hands to QPainter to the painter's device
// (plus a margin for the pen), so coordinates far outside the sheet cost
// no more than the visible part of a figure.
class TZeichenflaeche
{
public:
    TZeichenflaeche();

    // The surface that figures use when they compute screen points outside
    // of drawing (GeometrieBerechnen has no surface parameter): the one the
    // main window registered, or a built-in 100 % surface at 96 pixels per
    // inch when none is registered (console runner, tests).
    static TZeichenflaeche *Aktuell();
    static void AktuellSetzen(TZeichenflaeche *zf);

    // --- the sheet ---
    static constexpr double StandardDruckerPixelProCm = 236.2205; // 600 dpi
    // Sets up the sheet size from a printer's resolution and page size in
    // pixels; without a printer (aufloesungX <= 0) the sheet is
    // 20.5 cm x 29.2 cm at 236.2205 px/cm.
    void SeiteEinrichten(double druckerPixelProCmX = 0, double druckerPixelProCmY = 0,
                         int papierBreitePixel = 0, int papierHoehePixel = 0);
    // Screen pixels per inch (96 by default); recomputes the scales and the
    // reference device used for font fitting.
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
    // The mouse locks are in force (teacher mode is off): a selected
    // figure that is locked against the mouse shows a lock mark instead of
    // handles it could not use.
    bool SperrenWirksam = false;
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
    // Pixels per centimetre of what is drawn now (the printer's while
    // printing).
    double SkalaXAktuell() const { return Drucken ? DruckerPixelProCmX : SkalaX; }
    double SkalaYAktuell() const { return Drucken ? DruckerPixelProCmY : SkalaY; }

    // --- primitives ---
    // Pen width = round(width * scale), at least 1 pixel (and at most
    // MaximaleStiftbreite).
    void StiftbreiteSetzen(double linienstaerkeCm);
    static constexpr int MaximaleStiftbreite = 20000;
    // Rounded rectangle between two corners (cm) with the given size of the
    // corner rounding (cm), current pen and brush.
    void RundRechteck(double x1, double y1, double x2, double y2, double rundung);
    // Fill (when the brush is not clear) and outline (unless the pen is off)
    // of a polygon or polyline in pixels, in one of the five line styles;
    // the dash pattern is walked by the program itself and runs on across
    // corners and the closing edge.
    void LinienZugZeichnen(const QVector<QPoint> &punkte, std::uint8_t linienart, bool geschlossen,
                           double linienstaerkeCm);
    // A polygon or polyline with the painter's current pen and brush as they
    // are (previews), clipped like everything else.
    void PolygonZeichnen(const QVector<QPoint> &punkte, bool geschlossen);
    void LinieZeichnen(QPoint a, QPoint b);
    // Sets the canvas's font size so that text is as wide in centimetres as
    // on an unzoomed screen.
    void SchriftAnpassen(double groessePunkte);
    void HintergrundZeichnen(const TFarbe &farbe);

    // The dash pattern of a line style in centimetres (drawn, skipped,
    // drawn, skipped); nothing for "durchgezogen" and unknown styles.
    static std::optional<std::array<double, 4>> Strichmuster(std::uint8_t linienart);

    // The reference paint device for font measuring (screen resolution).
    const QImage &Referenzbild() const { return referenz_; }

    // --- zoom list ---
    static QVector<TZoomfaktor> ZoomListe();
    // Zoom for "Ganze Seite" / "Seitenbreite" in a client area of the given
    // pixel size (the sheet plus its two 30-pixel margins fits).
    double GanzeSeiteZoom(int clientBreite, int clientHoehe) const;
    double SeitenbreiteZoom(int clientBreite) const;
    // The zoom an entry of the list asks for in a client area of that size.
    double ZoomKandidat(const TZoomfaktor &eintrag, int clientBreite, int clientHoehe) const;
    // Takes the candidate when 0.01 < kandidat < 5.0; answers whether it did.
    bool ZoomUebernehmen(double kandidat);
    // A zoom typed into the zoom box: only the digits count; the percentage
    // when it lies strictly between 10 and 1000, otherwise nothing.
    static std::optional<int> ZoomEingabeLesen(const QString &text);

    // The part of the painter's coordinate space that reaches its device,
    // enlarged by rand pixels; empty without an active painter.
    QRectF SichtbarerBereich(double rand) const;

private:
    double hoeheAktuell() const;
    void referenzEinrichten();

    QImage referenz_;
};

// Rounds to the nearest integer, halves to even; bounded to +-1e9 so that
// any value can be turned into a pixel coordinate.
int RundenGerade(double wert);
