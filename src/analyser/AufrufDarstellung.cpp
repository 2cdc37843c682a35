#include "analyser/AufrufDarstellung.h"
#include "model/MethodenAufruf.h"


namespace AufrufDarstellung {

namespace {

QImage symbolMalen(bool ausEingabefeld)
{
    QImage bild(SymbolGroesse, SymbolGroesse, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    if (ausEingabefeld) {
        // A small keyboard: a dark frame with three rows of keys.
        p.setPen(QColor(0, 51, 170));
        p.setBrush(QColor(210, 225, 255));
        p.drawRect(0, 2, 9, 6);
        p.setPen(QColor(0, 51, 170));
        for (int x = 2; x <= 7; x += 2) {
            p.drawPoint(x, 4);
            p.drawPoint(x, 6);
        }
    } else {
        // A mouse pointer.
        const QPoint spitze[] = {{1, 0}, {1, 8}, {3, 6}, {5, 9}, {6, 8}, {4, 5}, {7, 5}};
        p.setPen(QColor(60, 60, 60));
        p.setBrush(QColor(240, 240, 240));
        p.drawPolygon(spitze, 7);
    }
    return bild;
}

} // namespace

const QImage &Symbol(bool ausEingabefeld)
{
    static const QImage maus = symbolMalen(false);
    static const QImage tastatur = symbolMalen(true);
    return ausEingabefeld ? tastatur : maus;
}

void TextZeichnen(QPainter &p, const TMethodenAufruf &aufruf, const QRect &rechteck, int x, int y)
{
    // Syntax-coloured like the input field, without error or selection.
    aufruf.Zeichnen(rechteck, x, &p, y);
}

} // namespace AufrufDarstellung
