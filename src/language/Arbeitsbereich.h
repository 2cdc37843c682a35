#pragma once
#include "language/Scanner.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TAnalysator;
class TDokument;
class TGruppe;
class TKlassenObjekte;
class TObjekt;
class TZeichenObjekt;
class TZeichenflaeche;

// What running one typed call produced.
struct TAufrufErgebnis {
    // The scanner's verdict: empty when the text was a valid call. The range
    // (1-based, inclusive) is -1/-1 when there is nothing to mark.
    QString Fehlermeldung;
    int FehlerAnfang = -1;
    int FehlerEnde = -1;
    // True when the call passed the scanner and was executed (it may still
    // have been refused by the keyboard lock).
    bool Ausgefuehrt = false;
    // The result text of the method: empty, "Kein Neuzeichnen" or a message.
    QString Meldung;
    // The drawing, the handles and the analyser's views need refreshing.
    bool Neuzeichnen = false;

    // True when Meldung belongs in the error box
    // "Fehler beim Ausführen der Methode:".
    bool MeldungAnzeigen() const;
};

// The core of the program's state, shared by the main window, the console
// runner and the tests: the call recorder, the one document, the class
// registry (created in this order), the selection, the internal clipboard,
// teacher mode and the file state. It runs typed calls as the input field's
// Enter does, and carries out the requests that objects leave for it (ungroup,
// copy, cut, delete) as well as the clipboard and delete commands.
//
// It knows no widget. Whoever shows the drawing listens to the callbacks and
// repaints, rebuilds handles and refreshes the analyser.
class TArbeitsbereich
{
public:
    TArbeitsbereich();
    ~TArbeitsbereich();
    TArbeitsbereich(const TArbeitsbereich &) = delete;
    TArbeitsbereich &operator=(const TArbeitsbereich &) = delete;

    static QString KeinNeuzeichnen(); // "Kein Neuzeichnen"

    TAnalysator &Analysator() const { return *analysator_; }
    TDokument &Dokument() const { return *dokument_; }
    TKlassenObjekte &Klassen() const { return *klassen_; }

    // The selected figures in selection order (not owned).
    std::vector<TZeichenObjekt *> Auswahl;
    // Unnamed preview copies made by copy and cut (owned).
    std::vector<std::unique_ptr<TZeichenObjekt>> Zwischenablage;
    bool Lehrermodus = false;
    bool Geaendert = false;
    QString Dateiname;

    // --- observers (each may be empty) ---
    // The selection changed: handles must be rebuilt.
    std::function<void()> AuswahlGeaendert;
    // Figures were added or removed: repaint and rebuild the analyser.
    std::function<void()> DokumentGeaendert;
    // The object is about to be freed: a view showing it must let go of it
    // (the analyser then focuses the document).
    std::function<void(TObjekt *)> AnalysatorZuruecksetzen;
    // The content of the document changed (a finished step, undo, redo, a
    // document opened or made new): the recovery copy follows.
    std::function<void()> InhaltGeaendert;

    // --- typed calls ---
    // Analyses text with the caret after `einfuegemarke` characters and, when
    // it is valid, executes it: marks the document as changed, sets the
    // typed-call marker, runs the call (keyboard lock, dispatch, recomputing
    // the outermost figure), carries out the deferred requests and clears the
    // marker. zf may be null: an off-screen surface is used then.
    TAufrufErgebnis AufrufAusfuehren(const QString &text, int einfuegemarke, TZeichenflaeche *zf);

    // Carries out the requests left in the document, in the order ungroup,
    // copy, cut, delete, clearing each slot. Returns a message when a request
    // had to be refused, otherwise an empty text.
    QString WuenscheAusfuehren();

    // --- clipboard and delete commands ---
    // Replaces the clipboard with preview copies of the figures.
    void InZwischenablageKopieren(const std::vector<TZeichenObjekt *> &figuren);
    void Kopieren();     // the selection to the clipboard
    void Ausschneiden(); // copy, then delete the selection
    // Pastes the clipboard: each copy moves 0.1 cm right and up, a named
    // duplicate joins the document in front; the duplicates become the
    // selection.
    void EinfuegenAusfuehren();
    // Removes every figure of the list from the selection and the document
    // and frees it (each records `freigeben`).
    void ObjekteLoeschen(const std::vector<TZeichenObjekt *> &figuren);
    // Dissolves a group: its members take its place (those placed in the
    // document join the selection) and the group is freed. Returns a message
    // when the group cannot be dissolved (none at present).
    QString GruppeAufloesen(TGruppe *gruppe);

    // The requests of typed `kopieren` and `ausschneiden`.
    void KopierWunschAusfuehren(TObjekt *objekt);
    QString AusschneideWunschAusfuehren(TObjekt *objekt);

    // --- selection ---
    bool IstAusgewaehlt(const TObjekt *objekt) const;
    // Removes a figure from the selection (and frees its handles).
    void AusAuswahlEntfernen(const TObjekt *objekt);
    void AuswahlLeeren();

private:
    void melden(const std::function<void()> &f) const
    {
        if (f)
            f();
    }
    void freigabeMelden(TObjekt *objekt) const
    {
        if (AnalysatorZuruecksetzen)
            AnalysatorZuruecksetzen(objekt);
    }
    std::unique_ptr<TZeichenObjekt> vorschauKopie(TObjekt *figur) const;
    QString loeschWunschAusfuehren(TObjekt *objekt);

    std::unique_ptr<TAnalysator> analysator_;
    std::unique_ptr<TDokument> dokument_;
    std::unique_ptr<TKlassenObjekte> klassen_;
    TScanner scanner_;
    // Off-screen surface for calls run without a drawing area.
    std::unique_ptr<TZeichenflaeche> ersatzFlaeche_;
    QImage ersatzBild_;
};
