#pragma once
#include "surface/Zeichenflaeche.h"
#include "window/ui/FensterKontext.h"

#include <QImage>
#include <QPainter>
#include <QScrollArea>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QPrinter;
class TMyScrollBox;

// The sheet: a plain surface whose size is the paper at the current zoom.
// It paints from the drawing area's cached image and hands its mouse
// events to the drawing area.
class TMyPaintBox : public QWidget
{
    Q_OBJECT
public:
    TMyPaintBox(TMyScrollBox *box, QWidget *eltern);

protected:
    void paintEvent(QPaintEvent *ereignis) override;
    void mousePressEvent(QMouseEvent *ereignis) override;
    void mouseMoveEvent(QMouseEvent *ereignis) override;
    void mouseReleaseEvent(QMouseEvent *ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent *ereignis) override;
    // Strg + wheel zooms (TMyScrollBox::ZoomSchritt); the plain wheel scrolls.
    void wheelEvent(QWheelEvent *ereignis) override;

private:
    TMyScrollBox *box_;
};

// The drawing area: a scroll box that shows the document as one sheet of
// paper with margin bands and a shadow, at the zoom chosen in the zoom box.
// It owns the drawing surface (`TZeichenflaeche`) and the cached image of
// the visible part of the sheet: every repaint renders into that image
// (`Neuzeichnen`), the sheet only copies from it; previews during gestures
// are drawn into the same image with the inverting pen and only their
// rectangle is copied again.
class TMyScrollBox : public QScrollArea
{
    Q_OBJECT
public:
    static constexpr int Rand = 30;

    TMyScrollBox(QWidget *eltern, QComboBox *zoomAuswahl);
    ~TMyScrollBox() override;

    TZeichenflaeche Flaeche;
    TMyPaintBox *Seite = nullptr;
    QComboBox *ZoomAuswahl = nullptr;
    std::vector<TZoomfaktor> ZoomListe;
    // Margin bands (button face) and shadow strips (black) around the sheet.
    QWidget *RandOben = nullptr, *RandUnten = nullptr, *RandLinks = nullptr,
            *RandRechts = nullptr;
    QWidget *SchattenOben = nullptr, *SchattenRechts = nullptr;

    // Draws the document onto Flaeche.Leinwand (screen buffer or printer).
    std::function<void(TZeichenflaeche *)> OnZeichnen;
    // After the cached image was rebuilt while a gesture runs: draws the
    // running previews again so that the image stays what the gesture
    // believes it to be.
    std::function<void(TZeichenflaeche *)> OnVorschauenNachzeichnen;
    // The zoom changed: the main window recomputes the figures' geometry.
    std::function<void()> OnZoomGeaendert;
    std::function<void(const TMausEreignis &)> OnMausRunter, OnMausBewegung, OnMausHoch;
    // Returns true when the double click was used; otherwise it counts as
    // a second press.
    std::function<bool(const TMausEreignis &)> OnDoppelklick;

    // Resolutions, sheet size, bands and scroll range.
    void SeiteEinrichten();
    // Buffered repaint of the visible part of the sheet.
    void Neuzeichnen();
    // Draws with the surface pointed at the cached image and updates only
    // the rectangle that changed (sheet pixels, returned).
    QRect VorschauMalen(const std::function<void(TZeichenflaeche *)> &malen);
    // Prints the sheet, one page per copy, 1 cm on paper per cm in the
    // model. False when the printer could not be started.
    bool DruckenAusfuehren(QPrinter &drucker, int kopien);

    void ZoomGewaehlt(int index);
    void ZoomEingegeben();
    // One step along the fixed factors of the zoom list (Strg + mouse
    // wheel): +1 the next larger, -1 the next smaller; the zoom box shows it.
    void ZoomSchritt(int richtung);
    // Scrolls (the zoom stays) so that the rectangle (sheet pixels) is in
    // view with a small margin; of one larger than the view, the middle.
    void BereichZeigen(const QRect &seitenPixel);

    // The cached image and the part of the sheet (sheet pixels) it holds.
    const QImage &Puffer() const { return puffer_; }
    QRect PufferBereich() const { return pufferBereich_; }
    // The visible part of the sheet in sheet pixels.
    QRect SichtbarerTeil() const;
    // Number of complete rebuilds of the cached image so far.
    int Neuaufbauten() const { return neuaufbauten_; }

    // Used by the sheet.
    void SeiteMalen(QPainter &maler, const QRect &bereich);
    void MausWeitergeben(QMouseEvent *ereignis, int art);

protected:
    void resizeEvent(QResizeEvent *ereignis) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void pufferAufbauen();
    void bandsSetzen(QWidget *w, int x, int y, int b, int h);
    void zoomUebernehmen(double zoom);
    void zoomFokusZurueckgeben();

    QWidget *inhalt_ = nullptr;
    QImage puffer_;
    QRect pufferBereich_;
    bool imAufbau_ = true;
    int neuaufbauten_ = 0;
    // A surface to rest on: figures may measure or draw while no repaint
    // runs (hit tests, handles, the end of a drag); that goes here unseen.
    QImage ruheBild_;
    std::unique_ptr<QPainter> ruheMaler_;
};
