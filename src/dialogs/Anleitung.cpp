#include "dialogs/Anleitung.h"

#include <QDir>
#include <QFileInfo>

QString AnleitungPfad(const QString &programmOrdner)
{
    const QStringList kandidaten = {
        programmOrdner + QStringLiteral("/../share/doc/figuro/anleitung.html"),
#ifdef FIGURO_QUELLORDNER
        QStringLiteral(FIGURO_QUELLORDNER "/docs/anleitung.html"),
#endif
    };
    for (const QString &k : kandidaten) {
        const QFileInfo info(k);
        if (info.isFile())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return QString();
}
