#pragma once
#include "model/Farbe.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

// The look of a flat button or picker cell: flat, sunken, raised.
enum TKnopfZustand : std::uint8_t { ZustandFlach = 0, ZustandVersenkt = 1, ZustandErhaben = 2 };

// What the flat buttons and the picker cells share: they rise while the
// mouse is over them, sink while the left button is pressed on them and can
// stay down; a release over the widget is a click.
class TFlacherKnopf : public QWidget
{
public:
    bool Darueber = false;      // the mouse is over it
    bool Gedrueckt = false;     // the mouse button went down on it
    bool Festgedrueckt = false; // stays pressed
    std::uint8_t Zustand = ZustandFlach;

    void SetDown(bool unten);

protected:
    explicit TFlacherKnopf(QWidget *besitzer);
    // A completed click: pressed and released over the widget.
    virtual void geklickt() = 0;
    void enterEvent(QEnterEvent *ereignis) override;
    void leaveEvent(QEvent *ereignis) override;
    void mousePressEvent(QMouseEvent *ereignis) override;
    void mouseReleaseEvent(QMouseEvent *ereignis) override;
    void zustandBerechnen();
};

// A flat drop-down button of the attribute panels (24 x 24 pixels): an icon
// and, for the colour pickers, a colour bar below it. It stays down
// (dithered) while its popup is open.
class TAuswahlButton : public TFlacherKnopf
{
    Q_OBJECT
public:
    TAuswahlButton(QWidget *besitzer, const QColor &hintergrund);

    TFarbe Anzeigefarbe;        // shown in the colour bar
    bool MitFarbbalken = false;
    QPixmap Bild;               // the icon (from the picker image list)
    int Bildindex = -1;

    // Called on a completed click (before the button toggles), and when the
    // mouse leaves it.
    std::function<void()> Geklickt;
    std::function<void()> Verlassen;

    // Repaints only when the state changes.
    void SetEnabled(bool an);
    // Sets the colour of the bar and repaints.
    void AnzeigefarbeSetzen(const TFarbe &farbe);

    // The rectangle of the colour bar: (3, 17) to (width - 3, height - 2).
    QRect Farbbalken() const;

protected:
    void paintEvent(QPaintEvent *ereignis) override;
    void leaveEvent(QEvent *ereignis) override;
    void geklickt() override;

private:
    QColor hintergrund_;
};

// Shared painting of the flat buttons and picker cells.
namespace Knopfmalen {
// The 1-pixel 3D frame: sunken (shadow top left, highlight bottom right) or
// raised; nothing when flat.
void Rahmen(QPainter &p, const QRect &r, std::uint8_t zustand, const QPalette &palette);
// The two-colour dither of a pressed speed button, painted over white.
QBrush Raster(const QPalette &palette);
} // namespace Knopfmalen
