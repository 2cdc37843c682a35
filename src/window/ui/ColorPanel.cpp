#include "window/ui/ColorPanel.h"

#include "model/Farbe.h"
#include "window/Attributanzeige.h"

#include <QPainter>
#include <algorithm>

TColorPanel::TColorPanel(QWidget *besitzer, std::uint8_t zellenart, std::uint32_t farbe)
    : TFlacherKnopf(besitzer), Zellenart(zellenart), Zellenfarbe(farbe)
{
}

void TColorPanel::geklickt()
{
    if (Geklickt)
        Geklickt(this);
    SetDown(true);
}

void TColorPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int b = width(), h = height();
    p.fillRect(rect(), palette().color(QPalette::Button));
    const QRect innen(QPoint(1, 1), QPoint(b - 2, h - 2));
    if (Festgedrueckt) {
        p.fillRect(innen, Qt::white);
        p.fillRect(innen, Knopfmalen::Raster(palette()));
    }
    Knopfmalen::Rahmen(p, rect(), Zustand, palette());
    p.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics fm(font());

    if (!Beschriftung.isEmpty() && Zellenart != ZelleStaerke) {
        const int x = std::max(2, (b - 2 - fm.horizontalAdvance(Beschriftung)) / 2);
        p.drawText(QPoint(x, 2 + fm.ascent()), Beschriftung);
        return;
    }
    switch (Zellenart) {
    case ZelleFarbe: {
        const QRect feld(QPoint(3, 3), QPoint(b - 4, h - 4));
        p.fillRect(feld, TFarbe::Echt(Zellenfarbe).AlsQColor());
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(feld.adjusted(0, 0, -1, -1));
        break;
    }
    case ZelleStaerke: {
        p.drawText(QPoint(2, 2 + fm.ascent()), Beschriftung);
        const int x0 = fm.horizontalAdvance(Beschriftung) + 4;
        const int y0 = (h - Zellendicke) / 2;
        if (b - 2 > x0)
            p.fillRect(QRect(x0, y0, b - 2 - x0, Zellendicke), Qt::black);
        break;
    }
    case ZelleLinienart:
        for (const auto &[von, bis] : LinienartProbe(ZellenLinienart, 2, b - 2))
            p.fillRect(QRect(von, h / 2, bis - von, 1), Qt::black);
        break;
    default:
        break;
    }
}
