#pragma once
#include <cstdint>
#include <memory>

class QPainter;
class TZeichenflaeche;
class TZeichenObjekt;

// The canvas made ready for the marks drawn over the figures (handles, the
// lock mark, the focus frame): its state saved, plain source-over
// composition, antialiasing off unless kept; the state comes back at the
// end of the scope. False when the surface has no canvas.
class TMarkenMaler
{
public:
    explicit TMarkenMaler(TZeichenflaeche *zf, bool kantenglaettungAus = true);
    ~TMarkenMaler();
    TMarkenMaler(const TMarkenMaler &) = delete;
    TMarkenMaler &operator=(const TMarkenMaler &) = delete;

    explicit operator bool() const { return p_ != nullptr; }
    QPainter &operator*() const { return *p_; }

private:
    QPainter *p_ = nullptr;
};

// The mouse cursor a handle wants while the mouse is over it. The core only
// names the kind; the drawing area widget maps it to a Qt cursor.
enum class TCursorArt : std::uint8_t {
    Pfeil,                   // the standard arrow
    GroesseHorizontal,       // horizontal double arrow
    GroesseDiagonalSteigend, // double arrow from upper right to lower left
    GroesseVertikal,         // vertical double arrow
    GroesseDiagonalFallend,  // double arrow from upper left to lower right
    Drehen,                  // program cursor "DREHCURSOR"
    PunktVerschieben,        // program cursor "PUNKTVERSCHIEBECURSOR"
    LinienAbschnitt,         // program cursor "LINIENABSCHNITTCURSOR"
};

// Handle kinds (GriffArt).
enum TGriffArtWert : std::uint8_t {
    GriffSeite = 0,
    GriffEcke = 1, // also the end points of a line
    GriffDrehung = 2,
    GriffPunkt = 3,
    GriffSegment = 4,
};

// One of the small marks around a selected figure. The figure owns its
// handles (`Griffe`). A drag works on an unnamed preview copy of the figure
// (`VorschauKopie`), drawn with the inverting pen, and applies the result to
// the figure through its logged operations only when the drag ends.
//
// The workspace drives a drag like this (all points in world centimetres):
//   hover:    g = figur->GriffAnStelle(zf, x, y); cursor = g->CursorArt();
//   press:    g->ZiehenBeginnen(zf, x, y); g->Ziehen(shift, ctrl, x, y, zf);
//   move, Shift/Ctrl pressed or released:  g->Ziehen(shift, ctrl, x, y, zf);
//   release:  g->ZiehenBeenden(); then rebuild every selected figure's
//             handles (they may have been freed) and repaint;
//   cancel:   g->ZiehenAbbrechen(); repaint to remove the inverted copy.
class TGriff
{
public:
    TGriff(std::uint8_t griffArt, TZeichenObjekt *figur, double winkel, double posX, double posY,
           double bezugX, double bezugY);
    virtual ~TGriff();

    TGriff(const TGriff &) = delete;
    TGriff &operator=(const TGriff &) = delete;

    std::uint8_t GriffArt;
    double PosX, PosY;             // display position: drawn and hit here
    double MausStartX = 0.0, MausStartY = 0.0;
    double BezugX, BezugY;         // the point of the figure the handle stands for
    double Winkel;                 // turns the drawn square and its hit area
    TZeichenObjekt *Figur;         // the owning figure (not owned)
    std::unique_ptr<TZeichenObjekt> VorschauKopie; // only while a drag runs

    virtual void Zeichnen(TZeichenflaeche *zf);
    // Hit test of a world point (cm); the handle is 8 pixels wide.
    virtual bool Getroffen(TZeichenflaeche *zf, double x, double y);
    // Starts a drag at the world point: makes and draws the preview copy.
    virtual void ZiehenBeginnen(TZeichenflaeche *zf, double x, double y);
    // Applies the preview copy to the figure and frees the copy.
    virtual void ZiehenBeenden();
    // The cursor this handle wants (CursorSetzen, described without widgets).
    TCursorArt CursorArt() const;
    // Recomputes the preview copy for the mouse point and modifier keys.
    virtual void ZielBerechnen(bool shift, bool ctrl, double x, double y) = 0;

    // One drag step: erase the inverted copy, recompute it, draw it again.
    void Ziehen(bool shift, bool ctrl, double x, double y, TZeichenflaeche *zf);
    // Frees the preview copy; the figure stays untouched.
    void ZiehenAbbrechen();
    bool ZiehtGerade() const { return VorschauKopie != nullptr; }

protected:
    // Makes the unnamed preview copy of the figure and switches it to preview.
    void KopieAnlegen();
    void KopieZeichnen(TZeichenflaeche *zf);
};

// Angle of the vector (dx, dy) in radians, 0 to 2 pi counter-clockwise; 0 for
// a vector shorter than 0.000001 cm.
double VektorWinkel(double dx, double dy);
