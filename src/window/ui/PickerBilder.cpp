#include "window/ui/PickerBilder.h"

#include <QPainter>
#include <QPainterPath>

namespace PickerBilder {

namespace {

QPixmap leer(int b, int h)
{
    QPixmap bild(b, h);
    bild.fill(Qt::transparent);
    return bild;
}

QPixmap eimer()
{
    QPixmap bild = leer(18, 13);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // A tilted bucket with paint running from its rim.
    QPainterPath koerper;
    koerper.moveTo(3, 5);
    koerper.lineTo(9, 0.5);
    koerper.lineTo(14.5, 6);
    koerper.lineTo(8.5, 11.5);
    koerper.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(235, 235, 235));
    p.drawPath(koerper);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(14.8, 9.5), 1.6, 2.3);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawLine(QPointF(6, 2.5), QPointF(9, 5.5));
    return bild;
}

QPixmap stift()
{
    QPixmap bild = leer(18, 13);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath schaft;
    schaft.moveTo(4, 12);
    schaft.lineTo(5, 9);
    schaft.lineTo(13, 1);
    schaft.lineTo(15, 3);
    schaft.lineTo(7, 11);
    schaft.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(250, 210, 90));
    p.drawPath(schaft);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.drawLine(QPointF(4, 12), QPointF(5.3, 10.7));
    return bild;
}

QPixmap linienarten()
{
    QPixmap bild = leer(18, 18);
    QPainter p(&bild);
    p.fillRect(QRect(1, 3, 16, 1), Qt::black);
    for (int x = 1; x < 17; x += 5)
        p.fillRect(QRect(x, 8, 3, 1), Qt::black);
    for (int x = 1; x < 17; x += 2)
        p.fillRect(QRect(x, 13, 1, 1), Qt::black);
    return bild;
}

QPixmap linienstaerken()
{
    QPixmap bild = leer(18, 18);
    QPainter p(&bild);
    p.fillRect(QRect(1, 2, 16, 1), Qt::black);
    p.fillRect(QRect(1, 5, 16, 2), Qt::black);
    p.fillRect(QRect(1, 9, 16, 3), Qt::black);
    p.fillRect(QRect(1, 14, 16, 4), Qt::black);
    return bild;
}

QPixmap buchstabe()
{
    QPixmap bild = leer(18, 13);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 1.6));
    // A capital A drawn as lines, independent of the fonts installed.
    p.drawLine(QPointF(4, 12.5), QPointF(9, 1));
    p.drawLine(QPointF(9, 1), QPointF(14, 12.5));
    p.drawLine(QPointF(6.2, 8), QPointF(11.8, 8));
    return bild;
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
