#pragma once
#include <QPixmap>

// The picker buttons' image list: 0 fill colour (a paint bucket), 1 line
// colour (a pencil), 2 line style (dashed lines), 3 line width (lines of
// growing width), 4 text colour (a letter). Colour buttons get 18 x 13
// pixel images (their colour bar lies below), the others 18 x 18.
namespace PickerBilder {
constexpr int Anzahl = 5;
QPixmap Bild(int index);
} // namespace PickerBilder
