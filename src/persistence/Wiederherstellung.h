#pragma once
// The recovery copy. While the open drawing has unsaved changes, every
// running Figuro keeps a copy of it in the user's data folder, so that a
// crash or a computer switched off at the bell costs no work. The copy is an
// ordinary .fgo file; a small text file beside it names the document's own
// file and the time of the copy. Each instance has its own copy and holds a
// lock file for as long as it runs, so a copy whose lock is stale (its
// process is gone) is one a Figuro left behind, and a copy whose lock is
// held belongs to a Figuro still running.
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

class QLockFile;
class QThreadPool;
class TDokument;
class TKlassenObjekte;

// A copy left behind by a Figuro that no longer runs.
struct TVerwaisteKopie {
    QString Pfad;      // the .fgo copy
    QString Dateiname; // the document's own file; empty for a document never saved
    QDateTime Zeit;    // when the copy was written
};

class TWiederherstellung
{
public:
    // The folder of the copies (created when needed); by default the folder
    // "wiederherstellung" in QStandardPaths::AppDataLocation. Takes this
    // instance's lock at once.
    explicit TWiederherstellung(const QString &ordner = StandardOrdner());
    // Waits for a copy being written and lets go of the lock. The copy
    // itself stays: whoever ends the program normally deletes it first.
    ~TWiederherstellung();
    TWiederherstellung(const TWiederherstellung &) = delete;
    TWiederherstellung &operator=(const TWiederherstellung &) = delete;

    static QString StandardOrdner();
    const QString &Ordner() const { return ordner_; }
    // False when the folder cannot be used (no copies are kept then).
    bool Bereit() const;

    // --- this instance's own copy ---
    QString KopiePfad() const;
    // Writes the copy of the document (with its file name, empty when never
    // saved) unless the last copy written has the same bytes. Only turning
    // the document into bytes happens on the caller's thread; the file is
    // written on a worker thread through a temporary file and a rename, in
    // the order of the calls.
    void Sichern(const TDokument &dokument, const TKlassenObjekte &klassen, const QString &dateiname);
    void Schreiben(const QByteArray &bytes, const QString &dateiname);
    // Waits until every copy handed to the worker is on disk.
    void Warten();
    // Deletes the copy (after waiting for the worker).
    void Loeschen();

    // --- copies left by Figuros that are gone ---
    // Finds the newest copy whose instance no longer runs and claims it
    // (holds its lock, so no second Figuro offers it too) until it is
    // deleted, put aside or released. Nothing when there is none.
    std::optional<TVerwaisteKopie> VerwaisteSuchen();
    // Deletes the claimed copy with its lock.
    void VerwaisteLoeschen();
    // Keeps a claimed copy that cannot be read: it is renamed so that it is
    // never offered again but stays on disk. Returns its new path.
    QString VerwaisteBeiseitelegen();
    // Lets go of the claimed copy; a later start offers it again.
    void VerwaisteFreigeben();

    // The start question for a copy: "Figuro wurde nicht ordnungsgemäß
    // beendet. ..." with the file (or "unbenannt") and the time.
    static QString Frage(const TVerwaisteKopie &kopie);
    // True when the copy opens as a document; otherwise meldung holds the
    // reader's message.
    static bool KopiePruefen(const QString &pfad, QString &meldung);

private:
    QString pfad(const QString &id, const char *endung) const;

    QString ordner_;
    QString id_;
    std::unique_ptr<QLockFile> sperre_;
    std::unique_ptr<QThreadPool> arbeiter_;
    QByteArray letzteBytes_;
    QString letzterDateiname_;
    std::shared_ptr<std::atomic<bool>> schreibfehler_;
    QString verwaisteId_;
    std::unique_ptr<QLockFile> verwaisteSperre_;
};
