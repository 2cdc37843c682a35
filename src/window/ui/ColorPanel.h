#pragma once
#include "window/ui/AuswahlButton.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

// Kinds of picker cell.
enum TZellenart : std::uint8_t { ZelleFarbe = 0, ZelleStaerke = 1, ZelleLinienart = 2 };

// One cell of a picker popup: a colour swatch, a line-width sample with its
// caption, a line-style sample, or a captioned cell ("Unsichtbar"). It
// behaves like TAuswahlButton, except that a click leaves it pressed (it
// marks the value just chosen).
class TColorPanel : public TFlacherKnopf
{
    Q_OBJECT
public:
    TColorPanel(QWidget *besitzer, std::uint8_t zellenart, std::uint32_t farbe);

    std::uint8_t Zellenart = ZelleFarbe;
    int Zellendicke = 1;                 // line-width sample: pixel rows
    std::uint8_t ZellenLinienart = 1;    // line-style sample
    std::uint32_t Zellenfarbe = 0;       // colour swatch (red in the lowest byte)
    QString Beschriftung;
    int Tag = 0;                         // the cell's index in its picker

    // Called on a completed click with the cell, before it sets itself down.
    std::function<void(TColorPanel *)> Geklickt;

protected:
    void paintEvent(QPaintEvent *ereignis) override;
    void geklickt() override;
};
