#pragma once
#include <QTranslator>
#include <memory>

// Qt's own German texts for the standard dialogs and buttons Figuro shows
// (file, font and print dialogs, "Ja"/"Nein" in message boxes), whatever
// language the desktop is set to: everything a pupil sees is German.
// Installs the translation into the application and returns it (it is
// removed again when the returned object goes); nullptr when the Qt
// translations are not installed.
std::unique_ptr<QTranslator> QtUebersetzungLaden();
