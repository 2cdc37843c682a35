#include "dialogs/Anleitung.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The installed copy beside the program, else (for a program run from its
// build folder) the source tree's; a file or a folder that exists, cleaned.
QString installiertOderQuelle(const QString &programmOrdner, const QString &installiert,
                              const QString &imQuellbaum, bool ordner)
{
    QStringList kandidaten{programmOrdner + QStringLiteral("/../") + installiert};
#ifdef FIGURO_QUELLORDNER
    kandidaten << QStringLiteral(FIGURO_QUELLORDNER "/") + imQuellbaum;
#else
    Q_UNUSED(imQuellbaum);
#endif
    for (const QString &k : kandidaten) {
        const QFileInfo info(k);
        if (ordner ? info.isDir() : info.isFile())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return QString();
}

} // namespace

QString AnleitungPfad(const QString &programmOrdner)
{
    return installiertOderQuelle(programmOrdner, QStringLiteral("share/doc/figuro/anleitung.html"),
                                 QStringLiteral("docs/anleitung.html"), false);
}

QString BeispielOrdner(const QString &programmOrdner)
{
    return installiertOderQuelle(programmOrdner, QStringLiteral("share/figuro/beispiele"),
                                 QStringLiteral("beispiele"), true);
}

bool ImBeispielOrdner(const QString &pfad, const QString &programmOrdner)
{
    const QString beispiele = BeispielOrdner(programmOrdner);
    if (beispiele.isEmpty() || pfad.isEmpty())
        return false;
    // Compared as canonical paths, so links and "../" do not hide the folder.
    const QString ordner = QFileInfo(beispiele).canonicalFilePath();
    QFileInfo info(pfad);
    QString ziel = info.isDir() ? info.canonicalFilePath() : QFileInfo(info.absolutePath()).canonicalFilePath();
    if (ziel.isEmpty())
        ziel = QDir::cleanPath(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
    return ziel == ordner || ziel.startsWith(ordner + QLatin1Char('/'));
}
