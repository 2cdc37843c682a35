#pragma once
#include <QPicture>
#include <QRect>
#include <QSize>
#include <functional>

class QPainter;

// Finds the rectangle a recorded drawing touches on a device of the given
// size: the picture is played onto a device whose paint engine only
// collects bounds (pen width included). Used to update exactly the part of
// the sheet that a preview step changed, whatever the figure drew.
class TBereichsmesser
{
public:
    static QRect Messen(QPicture &bild, QSize geraet);
    // The rectangle that `malen` would touch on a device of that size,
    // painted straight onto the measuring device. Generous for strokes (two
    // pen widths, the reach of a miter join) and antialiasing, so that a
    // repaint of the rectangle leaves nothing of the drawing behind.
    static QRect MessenGrosszuegig(QSize geraet, const std::function<void(QPainter &)> &malen);
};
