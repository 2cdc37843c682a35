#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of the given size goes so that it does not cover `meiden`
// (both in screen pixels): right of it, else left, else below, else above,
// each kept on the screen; where none of them fits, the side with the most
// room (the window may then overlap). The top-left corner is returned.
QPoint NebenPlatzieren(const QRect &meiden, const QSize &groesse, const QRect &bildschirm);
