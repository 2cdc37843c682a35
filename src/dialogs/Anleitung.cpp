#include "dialogs/Anleitung.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The first candidate that exists (a file or a folder), cleaned; or empty.
QString ersterVorhandener(const QStringList &kandidaten, bool ordner)
{
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
    return ersterVorhandener(
        {
            programmOrdner + QStringLiteral("/../share/doc/figuro/anleitung.html"),
#ifdef FIGURO_QUELLORDNER
            QStringLiteral(FIGURO_QUELLORDNER "/docs/anleitung.html"),
#endif
        },
        false);
}

QString BeispielOrdner(const QString &programmOrdner)
{
    return ersterVorhandener(
        {
            programmOrdner + QStringLiteral("/../share/figuro/beispiele"),
#ifdef FIGURO_QUELLORDNER
            QStringLiteral(FIGURO_QUELLORDNER "/beispiele"),
#endif
        },
        true);
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
