#pragma once
#include <QString>

// Where the German user guide is on this computer: the installed copy
// beside the program (<prefix>/share/doc/figuro/anleitung.html), or, for a
// program run from its build folder, the copy in the source tree it was
// built from. Empty when neither exists.
QString AnleitungPfad(const QString &programmOrdner);
