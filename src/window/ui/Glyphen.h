#pragma once
#include "window/ui/FensterKontext.h"

#include <QIcon>
#include <QPixmap>

// The program's small images, drawn in code: the tool glyphs, the light
// bulb of the hint bar and the analyser button.
namespace Glyphen {
QIcon Werkzeug(TWerkzeug werkzeug);
QPixmap Gluehbirne();
QIcon Analysator(bool schliessen);
QIcon Ausrichtung(int art); // 0 left, 1 right, 2 centred, 3 justified
QIcon Ausfuehren();
}
