#pragma once
#include <QPicture>
#include <QRect>
#include <QSize>

// Finds the rectangle a recorded drawing touches on a device of the given
// size: the picture is played onto a device whose paint engine only
// collects bounds (pen width included). Used to update exactly the part of
// the sheet that a preview step changed, whatever the figure drew.
class TBereichsmesser
{
public:
    static QRect Messen(QPicture &bild, QSize geraet);
};
