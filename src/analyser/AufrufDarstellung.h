#pragma once
#include <QImage>
#include <QPainter>
#include <QRect>

class TMethodenAufruf;

// How the analyser shows one logged call: the icon of its kind and its text.
namespace AufrufDarstellung {

// Icon size in pixels (both images of the image list).
constexpr int SymbolGroesse = 10;

// The image of the image list: the first (index 0) for calls started by the
// mouse, a menu or a toolbar, the second (index 1) for calls made while a
// typed call ran.
const QImage &Symbol(bool ausEingabefeld);

// Draws the call's display text syntax-coloured from (x, y) (top-left of the
// text, pixels) in the painter's current font, clipped at the rectangle.
void TextZeichnen(QPainter &p, const TMethodenAufruf &aufruf, const QRect &rechteck, int x, int y);

} // namespace AufrufDarstellung
