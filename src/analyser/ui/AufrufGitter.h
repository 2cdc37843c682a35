#pragma once
#include <QAbstractScrollArea>
#include <functional>

// A draw grid with two columns and one row per entry: no fixed rows or
// columns, no grid lines, scrolling by whole rows with the thumb tracked.
// Only the rows in view are drawn, so a long list stays smooth.
class TAufrufGitter : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TAufrufGitter(QWidget *eltern = nullptr);

    // Draws one cell (column 0 or 1, row) into the rectangle (viewport
    // pixels); the cell is already cleared to white.
    std::function<void(QPainter &, int spalte, int zeile, const QRect &)> ZelleZeichnen;

    int ZeilenAnzahl() const { return zeilenAnzahl_; }
    void ZeilenAnzahlSetzen(int anzahl);
    int ZeilenHoehe() const { return zeilenHoehe_; }
    void ZeilenHoeheSetzen(int hoehe);
    int SpaltenBreite(int spalte) const { return spalte == 0 ? breite0_ : breite1_; }
    void SpaltenBreiteSetzen(int spalte, int breite);

    // The first row in view; setting it scrolls.
    int ObersteZeile() const;
    void ObersteZeileSetzen(int zeile);
    // Rows that fit completely into the view (at least 1).
    int SichtbareZeilen() const;
    // Scrolls so that the last row is visible: top row = rows - visible rows,
    // at least 0.
    void ZumEndeScrollen();

    // Rows drawn by the last paint (to check that only the view is drawn).
    int ZuletztGezeichneteZeilen() const { return zuletztGezeichnet_; }

    // The row at a point of the viewport, or -1 below the last row.
    int ZeileBei(const QPoint &punkt) const;

Q_SIGNALS:
    // A row was clicked with Strg held (the call goes into the input field).
    void ZeileMitStrgGeklickt(int zeile);

protected:
    void mousePressEvent(QMouseEvent *ereignis) override;
    void paintEvent(QPaintEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;

private:
    void bereicheAnpassen();
    int zeilenAnzahl_ = 0;
    int zeilenHoehe_ = 18;
    int breite0_ = 12;
    int breite1_ = 600;
    int zuletztGezeichnet_ = 0;
};
