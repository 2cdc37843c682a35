#pragma once
#include <QString>

// Where the German user guide is on this computer: the installed copy
// beside the program (<prefix>/share/doc/figuro/anleitung.html), or, for a
// program run from its build folder, the copy in the source tree it was
// built from. Empty when neither exists.
QString AnleitungPfad(const QString &programmOrdner);

// The folder of the example drawings: the installed one
// (<prefix>/share/figuro/beispiele), or the source tree's for a program run
// from its build folder. Empty when neither exists.
QString BeispielOrdner(const QString &programmOrdner);

// The file lies in the examples folder (or below it). Examples are to be
// opened, not overwritten: the save dialog never starts there.
bool ImBeispielOrdner(const QString &pfad, const QString &programmOrdner);
