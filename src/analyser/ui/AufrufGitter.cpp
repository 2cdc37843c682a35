#include "analyser/ui/AufrufGitter.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

TAufrufGitter::TAufrufGitter(QWidget *eltern) : QAbstractScrollArea(eltern)
{
    verticalScrollBar()->setTracking(true);
    horizontalScrollBar()->setTracking(true);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    bereicheAnpassen();
}

void TAufrufGitter::ZeilenAnzahlSetzen(int anzahl)
{
    zeilenAnzahl_ = std::max(0, anzahl);
    bereicheAnpassen();
    viewport()->update();
}

void TAufrufGitter::ZeilenHoeheSetzen(int hoehe)
{
    zeilenHoehe_ = std::max(1, hoehe);
    bereicheAnpassen();
    viewport()->update();
}

void TAufrufGitter::SpaltenBreiteSetzen(int spalte, int breite)
{
    (spalte == 0 ? breite0_ : breite1_) = std::max(0, breite);
    bereicheAnpassen();
    viewport()->update();
}

int TAufrufGitter::SichtbareZeilen() const
{
    return std::max(1, viewport()->height() / zeilenHoehe_);
}

int TAufrufGitter::ObersteZeile() const
{
    return verticalScrollBar()->value();
}

void TAufrufGitter::ObersteZeileSetzen(int zeile)
{
    verticalScrollBar()->setValue(zeile);
}

void TAufrufGitter::ZumEndeScrollen()
{
    bereicheAnpassen();
    ObersteZeileSetzen(std::max(0, zeilenAnzahl_ - SichtbareZeilen()));
}

void TAufrufGitter::bereicheAnpassen()
{
    const int sichtbar = SichtbareZeilen();
    verticalScrollBar()->setRange(0, std::max(0, zeilenAnzahl_ - sichtbar));
    verticalScrollBar()->setPageStep(sichtbar);
    verticalScrollBar()->setSingleStep(1);
    const int gesamt = breite0_ + breite1_;
    horizontalScrollBar()->setRange(0, std::max(0, gesamt - viewport()->width()));
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width()));
    horizontalScrollBar()->setSingleStep(10);
}

void TAufrufGitter::resizeEvent(QResizeEvent *ereignis)
{
    QAbstractScrollArea::resizeEvent(ereignis);
    bereicheAnpassen();
}

void TAufrufGitter::paintEvent(QPaintEvent *ereignis)
{
    QPainter p(viewport());
    p.fillRect(ereignis->rect(), Qt::white);
    const int oben = ObersteZeile();
    const int x0 = -horizontalScrollBar()->value();
    const int erste = oben + std::max(0, ereignis->rect().top()) / zeilenHoehe_;
    const int letzte = std::min(zeilenAnzahl_ - 1, oben + ereignis->rect().bottom() / zeilenHoehe_);
    zuletztGezeichnet_ = 0;
    for (int zeile = erste; zeile <= letzte; ++zeile) {
        const int y = (zeile - oben) * zeilenHoehe_;
        const QRect zelle0(x0, y, breite0_, zeilenHoehe_);
        const QRect zelle1(x0 + breite0_, y, breite1_, zeilenHoehe_);
        if (ZelleZeichnen) {
            p.save();
            p.setClipRect(zelle0);
            ZelleZeichnen(p, 0, zeile, zelle0);
            p.restore();
            p.save();
            p.setClipRect(zelle1);
            ZelleZeichnen(p, 1, zeile, zelle1);
            p.restore();
        }
        ++zuletztGezeichnet_;
    }
}

int TAufrufGitter::ZeileBei(const QPoint &punkt) const
{
    if (punkt.y() < 0)
        return -1;
    const int zeile = ObersteZeile() + punkt.y() / zeilenHoehe_;
    return zeile < zeilenAnzahl_ ? zeile : -1;
}

void TAufrufGitter::mousePressEvent(QMouseEvent *ereignis)
{
    const int zeile = ZeileBei(ereignis->position().toPoint());
    if (ereignis->button() == Qt::LeftButton && (ereignis->modifiers() & Qt::ControlModifier) && zeile >= 0) {
        ereignis->accept();
        Q_EMIT ZeileMitStrgGeklickt(zeile);
        return;
    }
    QAbstractScrollArea::mousePressEvent(ereignis);
}
