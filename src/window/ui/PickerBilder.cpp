#include "window/ui/PickerBilder.h"

#include <QPainter>
#include <QPainterPath>

namespace PickerBilder {

namespace {

const QColor Dunkel(40, 40, 40);

// An image of b x h pixels on a transparent ground, painted by `malen`
// (antialiased when `glatt`).
template <typename Malen>
QPixmap bild(int b, int h, bool glatt, Malen malen)
{
    QPixmap ergebnis(b, h);
    ergebnis.fill(Qt::transparent);
    QPainter p(&ergebnis);
    if (glatt)
        p.setRenderHint(QPainter::Antialiasing);
    malen(p);
    return ergebnis;
}

// A closed outline through the corners with the dark 1-pixel pen, filled.
void umriss(QPainter &p, std::initializer_list<QPointF> ecken, const QColor &fuellung)
{
    QPainterPath pfad;
    pfad.moveTo(*ecken.begin());
    for (auto e = ecken.begin() + 1; e != ecken.end(); ++e)
        pfad.lineTo(*e);
    pfad.closeSubpath();
    p.setPen(QPen(Dunkel, 1));
    p.setBrush(fuellung);
    p.drawPath(pfad);
}

QPixmap eimer()
{
    return bild(18, 13, true, [](QPainter &p) {
        // A tilted bucket with paint running from its rim.
        umriss(p, {{3, 5}, {9, 0.5}, {14.5, 6}, {8.5, 11.5}}, QColor(235, 235, 235));
        p.setPen(Qt::NoPen);
        p.setBrush(Dunkel);
        p.drawEllipse(QPointF(14.8, 9.5), 1.6, 2.3);
        p.setPen(QPen(Dunkel, 1));
        p.drawLine(QPointF(6, 2.5), QPointF(9, 5.5));
    });
}

QPixmap stift()
{
    return bild(18, 13, true, [](QPainter &p) {
        umriss(p, {{4, 12}, {5, 9}, {13, 1}, {15, 3}, {7, 11}}, QColor(250, 210, 90));
        p.setPen(QPen(Dunkel, 1.5));
        p.drawLine(QPointF(4, 12), QPointF(5.3, 10.7));
    });
}

QPixmap linienarten()
{
    return bild(18, 18, false, [](QPainter &p) {
        p.fillRect(QRect(1, 3, 16, 1), Qt::black);
        for (int x = 1; x < 17; x += 5)
            p.fillRect(QRect(x, 8, 3, 1), Qt::black);
        for (int x = 1; x < 17; x += 2)
            p.fillRect(QRect(x, 13, 1, 1), Qt::black);
    });
}

QPixmap linienstaerken()
{
    return bild(18, 18, false, [](QPainter &p) {
        for (const QRect &r : {QRect(1, 2, 16, 1), QRect(1, 5, 16, 2), QRect(1, 9, 16, 3),
                               QRect(1, 14, 16, 4)})
            p.fillRect(r, Qt::black);
    });
}

QPixmap buchstabe()
{
    return bild(18, 13, true, [](QPainter &p) {
        p.setPen(QPen(QColor(30, 30, 30), 1.6));
        // A capital A drawn as lines, independent of the fonts installed.
        p.drawLine(QPointF(4, 12.5), QPointF(9, 1));
        p.drawLine(QPointF(9, 1), QPointF(14, 12.5));
        p.drawLine(QPointF(6.2, 8), QPointF(11.8, 8));
    });
}

} // namespace

QPixmap Bild(int index)
{
    switch (index) {
    case 0:
        return eimer();
    case 1:
        return stift();
    case 2:
        return linienarten();
    case 3:
        return linienstaerken();
    case 4:
        return buchstabe();
    default:
        return QPixmap();
    }
}

} // namespace PickerBilder
