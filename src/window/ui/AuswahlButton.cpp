#include "window/ui/AuswahlButton.h"

#include <QEnterEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

namespace Knopfmalen {

void Rahmen(QPainter &p, const QRect &r, std::uint8_t zustand, const QPalette &palette)
{
    if (zustand == ZustandFlach)
        return;
    const QColor hell = palette.color(QPalette::Light);
    const QColor dunkel = palette.color(QPalette::Dark);
    const QColor obenLinks = zustand == ZustandVersenkt ? dunkel : hell;
    const QColor untenRechts = zustand == ZustandVersenkt ? hell : dunkel;
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    p.fillRect(QRect(l, t, r.width(), 1), obenLinks);
    p.fillRect(QRect(l, t, 1, r.height()), obenLinks);
    p.fillRect(QRect(l, b, r.width(), 1), untenRechts);
    p.fillRect(QRect(rr, t, 1, r.height()), untenRechts);
}

QBrush Raster(const QPalette &palette)
{
    // Every other pixel in the button face over white.
    return QBrush(palette.color(QPalette::Button), Qt::Dense4Pattern);
}

} // namespace Knopfmalen

TFlacherKnopf::TFlacherKnopf(QWidget *besitzer) : QWidget(besitzer)
{
    setFocusPolicy(Qt::NoFocus);
}

void TFlacherKnopf::SetDown(bool unten)
{
    Festgedrueckt = unten;
    if (!unten)
        Gedrueckt = false;
    zustandBerechnen();
}

void TFlacherKnopf::zustandBerechnen()
{
    if (Gedrueckt || Festgedrueckt)
        Zustand = ZustandVersenkt;
    else if (Darueber)
        Zustand = ZustandErhaben;
    else
        Zustand = ZustandFlach;
    update();
}

void TFlacherKnopf::enterEvent(QEnterEvent *)
{
    Darueber = true;
    zustandBerechnen();
}

void TFlacherKnopf::leaveEvent(QEvent *)
{
    Darueber = false;
    zustandBerechnen();
}

void TFlacherKnopf::mousePressEvent(QMouseEvent *ereignis)
{
    if (ereignis->button() != Qt::LeftButton)
        return;
    Gedrueckt = true;
    zustandBerechnen();
}

void TFlacherKnopf::mouseReleaseEvent(QMouseEvent *ereignis)
{
    if (ereignis->button() != Qt::LeftButton || !Gedrueckt)
        return;
    Gedrueckt = false;
    // Released away from it: no click, as with any push button.
    if (!rect().contains(ereignis->position().toPoint())) {
        zustandBerechnen();
        return;
    }
    geklickt();
}

TAuswahlButton::TAuswahlButton(QWidget *besitzer, const QColor &hintergrund)
    : TFlacherKnopf(besitzer), hintergrund_(hintergrund)
{
    setFixedSize(24, 24);
    setAttribute(Qt::WA_Hover, false);
}

void TAuswahlButton::SetEnabled(bool an)
{
    if (an == isEnabled())
        return;
    setEnabled(an);
    if (!an) {
        Darueber = false;
        Gedrueckt = false;
    }
    zustandBerechnen();
}

void TAuswahlButton::AnzeigefarbeSetzen(const TFarbe &farbe)
{
    Anzeigefarbe = farbe;
    update();
}

QRect TAuswahlButton::Farbbalken() const
{
    return QRect(QPoint(3, 17), QPoint(width() - 4, height() - 3));
}

void TAuswahlButton::leaveEvent(QEvent *ereignis)
{
    TFlacherKnopf::leaveEvent(ereignis);
    if (Verlassen)
        Verlassen();
}

void TAuswahlButton::geklickt()
{
    if (Geklickt)
        Geklickt();
    SetDown(!Festgedrueckt);
}

void TAuswahlButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (Festgedrueckt) {
        p.fillRect(r, Qt::white);
        p.fillRect(r, Knopfmalen::Raster(palette()));
    } else {
        p.fillRect(r, hintergrund_);
    }
    Knopfmalen::Rahmen(p, r, Zustand, palette());
    if (!Bild.isNull()) {
        const QRect ziel(QPoint(3, 3), Bild.deviceIndependentSize().toSize());
        QIcon(Bild).paint(&p, ziel, Qt::AlignLeft | Qt::AlignTop,
                          isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
    if (!MitFarbbalken)
        return;
    const QRect balken = Farbbalken();
    if (Anzeigefarbe.FarbArt == FarbArtFarbe) {
        const QColor fuellung = isEnabled() ? Anzeigefarbe.AlsQColor() : QColor(128, 128, 128);
        const QColor rand = isEnabled() ? Anzeigefarbe.AlsQColor() : hintergrund_;
        p.fillRect(balken, fuellung);
        p.setPen(QPen(rand, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(balken.adjusted(0, 0, -1, -1));
    } else if (Anzeigefarbe.FarbArt == FarbArtUnsichtbar) {
        QPen strich(Qt::black, 1, Qt::DashLine);
        p.setPen(strich);
        p.setBrush(Qt::NoBrush);
        p.drawRect(balken.adjusted(0, 0, -1, -1));
    }
    // A mixed colour shows no bar.
}
