#include "window/ui/Glyphen.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

QPixmap leer(int b = 20, int h = 20)
{
    QPixmap bild(b, h);
    bild.fill(Qt::transparent);
    return bild;
}

} // namespace

namespace Glyphen {

QIcon Werkzeug(TWerkzeug werkzeug)
{
    QPixmap bild = leer();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(255, 255, 0));
    switch (werkzeug) {
    case TWerkzeug::Rechteck:
        p.drawRect(QRectF(2.5, 4.5, 15, 11));
        break;
    case TWerkzeug::Ellipse:
        p.drawEllipse(QRectF(2.5, 4.5, 15, 11));
        break;
    case TWerkzeug::Linie:
        p.setPen(QPen(Qt::black, 1.6));
        p.drawLine(QPointF(3, 17), QPointF(17, 3));
        break;
    case TWerkzeug::Linienzug: {
        p.setBrush(Qt::NoBrush);
        const QPointF punkte[] = {{2, 16}, {7, 4}, {12, 13}, {18, 5}};
        p.drawPolyline(punkte, 4);
        p.setBrush(Qt::black);
        for (const QPointF &q : punkte)
            p.drawRect(QRectF(q.x() - 1.2, q.y() - 1.2, 2.4, 2.4));
        break;
    }
    case TWerkzeug::Kurvenzug: {
        p.setBrush(Qt::NoBrush);
        QPainterPath pfad(QPointF(2, 15));
        pfad.cubicTo(QPointF(5, 0), QPointF(11, 22), QPointF(18, 5));
        p.drawPath(pfad);
        break;
    }
    case TWerkzeug::Vieleck: {
        QPolygonF sechseck;
        for (int i = 0; i < 6; ++i) {
            const double a = M_PI / 3 * i;
            sechseck << QPointF(10 + 8 * std::cos(a), 10 + 8 * std::sin(a));
        }
        p.drawPolygon(sechseck);
        break;
    }
    case TWerkzeug::TextFeld: {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 17, 15));
        QFont f(QStringLiteral("Liberation Serif"));
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(1.5, 2.5, 17, 15), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    }
    return QIcon(bild);
}

QPixmap Gluehbirne()
{
    QPixmap bild = leer(16, 16);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glanz(QPointF(6.5, 5), 6);
    glanz.setColorAt(0, QColor(255, 255, 220));
    glanz.setColorAt(1, QColor(255, 220, 0));
    p.setPen(QPen(QColor(120, 90, 0), 1));
    p.setBrush(glanz);
    p.drawEllipse(QRectF(2.5, 0.5, 10, 10));
    p.setBrush(QColor(150, 150, 150));
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.drawRect(QRectF(5.5, 10.5, 4, 4));
    p.drawLine(QPointF(5.5, 12.5), QPointF(9.5, 12.5));
    return bild;
}

QIcon Analysator(bool schliessen)
{
    QPixmap bild = leer(30, 22);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    // Three object cards joined as a tree.
    p.drawLine(QPointF(15, 7), QPointF(7, 14));
    p.drawLine(QPointF(15, 7), QPointF(23, 14));
    p.setBrush(QColor(255, 255, 200));
    p.drawRoundedRect(QRectF(9.5, 1.5, 11, 7), 2, 2);
    p.setBrush(QColor(200, 230, 255));
    p.drawRoundedRect(QRectF(1.5, 13.5, 11, 7), 2, 2);
    p.drawRoundedRect(QRectF(17.5, 13.5, 11, 7), 2, 2);
    if (schliessen) {
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(QPointF(24, 2), QPointF(29, 7));
        p.drawLine(QPointF(29, 2), QPointF(24, 7));
    }
    return QIcon(bild);
}

QIcon Ausrichtung(int art)
{
    QPixmap bild = leer(16, 16);
    QPainter p(&bild);
    p.setPen(QPen(Qt::black, 1));
    const int laengen[] = {14, 9, 12, 7};
    for (int i = 0; i < 4; ++i) {
        const int l = art == 3 ? 14 : laengen[i];
        int x = 1;
        if (art == 1)
            x = 15 - l;
        else if (art == 2)
            x = (16 - l) / 2;
        p.drawLine(x, 2 + 3 * i, x + l - 1, 2 + 3 * i);
    }
    return QIcon(bild);
}

QIcon Ausfuehren()
{
    QPixmap bild = leer(16, 16);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 100, 0), 1));
    p.setBrush(QColor(0, 170, 0));
    QPolygonF pfeil;
    pfeil << QPointF(3, 2) << QPointF(14, 8) << QPointF(3, 14);
    p.drawPolygon(pfeil);
    return QIcon(bild);
}

} // namespace Glyphen
