#pragma once
#include "analyser/DiagrammFlaeche.h"

#include <QScrollArea>
#include <functional>

class QComboBox;
class QMouseEvent;
class TDiagrammScrollBox;

// The surface of a diagram scroll box: as large as the diagram at the
// current zoom, at the top-left corner of the scrolled area.
class TDiagrammSeite : public QWidget
{
    Q_OBJECT
public:
    explicit TDiagrammSeite(TDiagrammScrollBox *box);

protected:
    void paintEvent(QPaintEvent *ereignis) override;
    void mousePressEvent(QMouseEvent *ereignis) override;

private:
    TDiagrammScrollBox *box_;
};

// A scrollable, zoomable area for one diagram of the analyser (the object
// tree or a card). The space right of and below the surface shows the
// window's button face. Whoever draws into it sets `OnZeichnen` and, for
// clicks, `OnMausUnten`; the size of the diagram is set on `Flaeche()`.
class TDiagrammScrollBox : public QScrollArea
{
    Q_OBJECT
public:
    // With a zoom combo box the area fills it with "25%" ... "400%" and
    // follows it; without one it stays at 100 %.
    explicit TDiagrammScrollBox(QWidget *eltern, QComboBox *zoomAuswahl = nullptr);

    TDiagrammFlaeche &Flaeche() { return flaeche_; }
    TDiagrammSeite *Seite() const { return seite_; }
    QComboBox *ZoomAuswahl() const { return zoomAuswahl_; }

    // Paint handler: the surface's painter is set on the area; `sichtbar` is
    // the part of the surface to be painted, in pixels.
    std::function<void(TDiagrammFlaeche &, const QRect &sichtbar)> OnZeichnen;
    // Mouse-down on the surface, position in surface pixels.
    std::function<void(QMouseEvent *)> OnMausUnten;

    // Recomputes the surface size from the diagram size and scale, keeping
    // both scroll positions.
    void Einrichten();
    void Neuzeichnen();

    // Zoom chosen from the list (index into it).
    void ZoomGewaehlt(int index);
    // Zoom typed into the combo box and confirmed with Enter: the digits of
    // the text as a percentage, accepted when above 10 and below 1000.
    void ZoomEingegeben();

Q_SIGNALS:
    // The zoom changed (the owner rebuilds what depends on it).
    void ZoomGeaendert();

private:
    friend class TDiagrammSeite;
    TDiagrammFlaeche flaeche_;
    TDiagrammSeite *seite_;
    QComboBox *zoomAuswahl_;
    std::vector<double> zoomFaktoren_;
    // Set while the surface paints: a size change requested by the paint
    // handler is carried out after painting.
    bool imZeichnen_ = false;
};
