#pragma once
// Small helpers shared by the test executables.
#include <QImage>
#include <QString>

namespace testhilfe {
// Path of a file below the source tree.
QString quellPfad(const QString &relativ);
// Saves a picture for the documentation as `name` in the folder that
// FIGURO_SCREENSHOTS names (scripts/screenshots); does nothing without it.
// False when the picture could not be written.
bool bildschirmfotoSichern(const QImage &bild, const QString &name);
}
