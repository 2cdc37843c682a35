#include "persistence/Dateischreiben.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// True when replacing the existing file by a renamed one would change it
// for others: its folder forbids new files, it has further hard links or
// another owner.
bool anOrtSchreiben(const QFileInfo &info)
{
    if (!QFileInfo(info.absolutePath()).isWritable())
        return true;
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &st) == 0)
        return st.st_nlink > 1 || st.st_uid != ::geteuid();
#endif
    return false;
}

bool festschreiben(QFile &datei)
{
    if (!datei.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(datei.handle()) == 0;
#else
    return true;
#endif
}

// Overwrites the file's content without replacing the file. Nothing is
// truncated before the old content has been read; if the new content does
// not get written completely, the old one is written back.
bool anOrtUeberschreiben(const QString &pfad, const QByteArray &bytes)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadWrite))
        return false;
    const QByteArray alt = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return false;
    if (datei.seek(0) && datei.write(bytes) == bytes.size() && datei.resize(bytes.size()) && festschreiben(datei))
        return true;
    datei.unsetError();
    if (datei.seek(0) && datei.write(alt) == alt.size() && datei.resize(alt.size()))
        festschreiben(datei);
    return false;
}

} // namespace

bool DateiSicherSchreiben(const QString &pfad, const QByteArray &bytes)
{
    if (pfad.isEmpty())
        return false;
    const QFileInfo info(pfad);
    if (info.exists() && !info.isDir() && anOrtSchreiben(info))
        return anOrtUeberschreiben(pfad, bytes);
    QSaveFile datei(pfad);
    // Should the folder refuse the temporary file after all (rights beyond
    // the permission bits), Qt writes the file directly.
    datei.setDirectWriteFallback(true);
    if (datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size() && datei.commit())
        return true;
    datei.cancelWriting();
    return false;
}
