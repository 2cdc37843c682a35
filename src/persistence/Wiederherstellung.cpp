#include "persistence/Wiederherstellung.h"

#include "language/Arbeitsbereich.h"
#include "persistence/Dokumentdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThreadPool>
#include <QUuid>

#include <algorithm>
#include <vector>

namespace {

// The text file beside a copy: the document's file name, then the time.
QByteArray infoBytes(const QString &dateiname, const QDateTime &zeit)
{
    return dateiname.toUtf8() + '\n' + zeit.toUTC().toString(Qt::ISODateWithMs).toUtf8() + '\n';
}

bool atomarSchreiben(const QString &pfad, const QByteArray &bytes)
{
    QSaveFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size() && datei.commit())
        return true;
    datei.cancelWriting();
    return false;
}

std::unique_ptr<QLockFile> sperreNehmen(const QString &pfad)
{
    auto sperre = std::make_unique<QLockFile>(pfad);
    // Only a lock whose process is gone is stale, however old it is: a
    // Figuro may run for days.
    sperre->setStaleLockTime(0);
    if (!sperre->tryLock(0))
        return nullptr;
    return sperre;
}

} // namespace

TWiederherstellung::TWiederherstellung(const QString &ordner)
    : ordner_(ordner), id_(QUuid::createUuid().toString(QUuid::WithoutBraces)),
      arbeiter_(std::make_unique<QThreadPool>()), schreibfehler_(std::make_shared<std::atomic<bool>>(false))
{
    // One worker: copies reach the disk in the order they were made.
    arbeiter_->setMaxThreadCount(1);
    if (!ordner_.isEmpty() && QDir().mkpath(ordner_))
        sperre_ = sperreNehmen(pfad(id_, ".lock"));
}

TWiederherstellung::~TWiederherstellung()
{
    arbeiter_->waitForDone();
    VerwaisteFreigeben();
}

QString TWiederherstellung::StandardOrdner()
{
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (daten.isEmpty())
        return {};
    return daten + QStringLiteral("/wiederherstellung");
}

bool TWiederherstellung::Bereit() const
{
    return sperre_ != nullptr;
}

QString TWiederherstellung::pfad(const QString &id, const char *endung) const
{
    return ordner_ + QLatin1Char('/') + id + QLatin1String(endung);
}

QString TWiederherstellung::KopiePfad() const
{
    return pfad(id_, ".fgo");
}

void TWiederherstellung::Sichern(const TDokument &dokument, const TKlassenObjekte &klassen, const QString &dateiname)
{
    if (Bereit())
        Schreiben(DokumentAlsBytes(dokument, klassen), dateiname);
}

void TWiederherstellung::Schreiben(const QByteArray &bytes, const QString &dateiname)
{
    if (!Bereit())
        return;
    if (bytes == letzteBytes_ && dateiname == letzterDateiname_ && !schreibfehler_->load())
        return;
    letzteBytes_ = bytes;
    letzterDateiname_ = dateiname;
    schreibfehler_->store(false);
    const QString kopie = KopiePfad(), info = pfad(id_, ".info");
    const QByteArray infoInhalt = infoBytes(dateiname, QDateTime::currentDateTimeUtc());
    auto fehler = schreibfehler_;
    arbeiter_->start([kopie, info, bytes, infoInhalt, fehler] {
        // The file name first: whenever a copy is on disk, the name beside
        // it is already the one that belongs to it. A copy that could not be
        // written is written again with the next change, even if the
        // drawing is the same.
        if (!atomarSchreiben(info, infoInhalt) || !atomarSchreiben(kopie, bytes))
            fehler->store(true);
    });
}

void TWiederherstellung::Warten()
{
    arbeiter_->waitForDone();
}

void TWiederherstellung::Loeschen()
{
    Warten();
    letzteBytes_.clear();
    letzterDateiname_.clear();
    QFile::remove(KopiePfad());
    QFile::remove(pfad(id_, ".info"));
}

std::optional<TVerwaisteKopie> TWiederherstellung::VerwaisteSuchen()
{
    VerwaisteFreigeben();
    if (!Bereit())
        return std::nullopt;
    QDir dir(ordner_);
    // Locks left by Figuros that crashed without a copy are cleared away.
    for (const QFileInfo &l : dir.entryInfoList({QStringLiteral("*.lock")}, QDir::Files))
        if (!QFileInfo::exists(pfad(l.completeBaseName(), ".fgo")))
            sperreNehmen(l.absoluteFilePath()); // taken and let go at once: removed
    const QFileInfoList kopien =
        dir.entryInfoList({QStringLiteral("*.fgo")}, QDir::Files, QDir::Time); // newest first
    for (const QFileInfo &k : kopien) {
        const QString id = k.completeBaseName();
        if (id == id_)
            continue;
        // A lock that can be taken belongs to no running Figuro.
        auto sperre = sperreNehmen(pfad(id, ".lock"));
        if (!sperre)
            continue;
        TVerwaisteKopie kopie;
        kopie.Pfad = k.absoluteFilePath();
        kopie.Zeit = k.lastModified();
        QFile info(pfad(id, ".info"));
        if (info.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> zeilen = info.readAll().split('\n');
            if (!zeilen.isEmpty())
                kopie.Dateiname = QString::fromUtf8(zeilen.at(0));
            if (zeilen.size() > 1) {
                const QDateTime zeit = QDateTime::fromString(QString::fromUtf8(zeilen.at(1)), Qt::ISODateWithMs);
                if (zeit.isValid())
                    kopie.Zeit = zeit.toLocalTime();
            }
        }
        verwaisteId_ = id;
        verwaisteSperre_ = std::move(sperre);
        return kopie;
    }
    return std::nullopt;
}

void TWiederherstellung::VerwaisteLoeschen()
{
    if (verwaisteId_.isEmpty())
        return;
    QFile::remove(pfad(verwaisteId_, ".fgo"));
    QFile::remove(pfad(verwaisteId_, ".info"));
    VerwaisteFreigeben();
}

QString TWiederherstellung::VerwaisteBeiseitelegen()
{
    if (verwaisteId_.isEmpty())
        return {};
    // Neither "*.fgo" any more (never offered again) nor deleted.
    const QString alt = pfad(verwaisteId_, ".fgo"), neu = pfad(verwaisteId_, ".fgo.unlesbar");
    QString ergebnis = alt;
    if (QFile::rename(alt, neu)) {
        ergebnis = neu;
        QFile::rename(pfad(verwaisteId_, ".info"), pfad(verwaisteId_, ".info.unlesbar"));
    }
    VerwaisteFreigeben();
    return ergebnis;
}

void TWiederherstellung::VerwaisteFreigeben()
{
    verwaisteSperre_.reset(); // unlocks: removes the lock file
    verwaisteId_.clear();
}

QString TWiederherstellung::Frage(const TVerwaisteKopie &kopie)
{
    const QString datei =
        kopie.Dateiname.isEmpty() ? QStringLiteral("unbenannt") : QDir::toNativeSeparators(kopie.Dateiname);
    return QStringLiteral("Figuro wurde nicht ordnungsgemäß beendet. Soll die nicht gespeicherte Zeichnung "
                          "wiederhergestellt werden?\n\nDatei: ") +
           datei + QStringLiteral("\nStand: ") + kopie.Zeit.toString(QStringLiteral("dd.MM.yyyy, HH:mm")) +
           QStringLiteral(" Uhr");
}

bool TWiederherstellung::KopiePruefen(const QString &pfad, QString &meldung)
{
    // Opened into a workspace of its own: the open drawing is not touched.
    TArbeitsbereich probe;
    return DokumentOeffnen(pfad, probe.Dokument(), probe.Klassen(), meldung);
}
