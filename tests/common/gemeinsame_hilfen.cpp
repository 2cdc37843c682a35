#include "gemeinsame_hilfen.h"

#include <QDir>

namespace testhilfe {
QString quellPfad(const QString &relativ)
{
    return QStringLiteral(FIGURO_SOURCE_DIR_T "/") + relativ;
}

bool bildschirmfotoSichern(const QImage &bild, const QString &name)
{
    const QString ordner = qEnvironmentVariable("FIGURO_SCREENSHOTS");
    if (ordner.isEmpty())
        return true;
    return QDir().mkpath(ordner) && bild.save(QDir(ordner).filePath(name));
}
}
