#pragma once
#include "persistence/Export.h"

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QTimer;
class TFMain;
class TWiederherstellung;

// The file commands of the main window's menu "Datei": new, open, save,
// save as, print, export and quit, the question about unsaved changes, the
// caption and the document named on the command line.
//
// Every dialog goes through an exchangeable function, so that tests (and
// scripts) can answer without a modal dialog.
class TDateiBefehle : public QObject
{
    Q_OBJECT
public:
    explicit TDateiBefehle(TFMain *fenster);
    ~TDateiBefehle() override;

    QAction *ANeu = nullptr, *AOeffnen = nullptr, *ASpeichern = nullptr, *ASpeichernUnter = nullptr,
            *APrint = nullptr, *AExportieren = nullptr, *ABeenden = nullptr;

    static QString TextNeu();     // the question before "Neu"
    static QString TextOeffnen(); // the question before opening and closing
    // The folder the open and save dialogs start in: the current document's
    // folder, else the folder last used in this session, else the user's
    // documents folder (the home folder when there is none).
    static QString DialogOrdner(const QString &dateiname);

    // --- dialogs (replaceable) ---
    // The open dialog: the chosen path, or an empty text when cancelled.
    std::function<QString()> OeffnenDialog;
    // The save dialog (asks before overwriting): path or empty text.
    std::function<QString()> SpeichernDialog;
    // The unsaved-changes question: Yes, No or Cancel.
    std::function<QMessageBox::StandardButton(const QString &text)> Rueckfrage;
    // Shows a message (caption, text).
    std::function<void(const QString &titel, const QString &text)> Melden;
    // The export dialog: fills path and options, false when cancelled.
    std::function<bool(QString &pfad, TExportOptionen &optionen)> ExportDialog;
    // The print dialog and printing: false when cancelled or failed.
    std::function<bool()> DruckDialog;
    // The start question about a recovery copy (caption "Warnung:", "Ja" is
    // the default): Yes or No. When the environment variable
    // FIGURO_WIEDERHERSTELLEN is "ja" or "nein", that is the answer and no
    // dialog is shown (for scripted runs of the program).
    std::function<QMessageBox::StandardButton(const QString &text)> WiederherstellenFrage;

    // --- the recovery copy ---
    // The copy of this Figuro's unsaved drawing (created with the commands).
    std::unique_ptr<TWiederherstellung> Wiederherstellung;
    // Started by InhaltGeaendert; when it runs out (at most a second after
    // the change), the copy is written, or deleted when nothing is unsaved.
    QTimer *KopieTimer = nullptr;
    // Writes or deletes the copy now, as the document's state asks.
    void KopieAktualisieren();
    // At start: a copy left by a Figuro that is gone leads to the start
    // question; "Ja" opens it under its document's file name, marked
    // modified. True when a drawing was restored. A copy that cannot be read
    // is reported and kept aside.
    bool WiederherstellungAnbieten();

    // --- commands ---
    // The unsaved-changes guard: true when the command may go on.
    bool Sicherheitsabfrage(const QString &text);
    void ANeuExecute();
    void AOeffnenExecute();
    // Loads a file into the document; false (with a message) on failure,
    // the drawing then stays as it was.
    bool DokumentOeffnen(const QString &pfad);
    // Saves; under a new name (or for a never-saved document) after the save
    // dialog. False when cancelled or failed.
    bool DokumentSpeichern(bool neuerName);
    void APrintExecute();
    void AExportierenExecute();
    // Opens the first argument after the program when it ends in ".fgo" (any case).
    void KommandozeileAuswerten(const QStringList &argumente);

private:
    QAction *aktion(QAction *&ziel, const char *name, const QString &text, const QKeySequence &taste);
    void nachLaden();

    TFMain *f_;
    bool beendet_ = false; // the window closed: Figuro ends normally
};
