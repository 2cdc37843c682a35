#pragma once
#include "language/Scanner.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class QUndoStack;

class TAnalysator;
class TDokument;
class TGruppe;
class TKlassenObjekte;
class TObjekt;
class TZeichenObjekt;
class TZeichenflaeche;

// A state of the document as the history keeps it: byte pieces whose
// concatenation is the document's file (numbers exact). Pieces that did not
// change are shared with the states before, so a step costs about the
// figures it changed.
struct TZustand {
    QList<QByteArray> Stuecke; // shared: copying a state costs nothing

    QByteArray Bytes() const;
    // All bytes, and the bytes not shared with the same piece of `neben`.
    std::size_t Groesse() const;
    std::size_t EigeneGroesse(const TZustand &neben) const;
    // Takes alt's piece in place of each equal piece at the same place, so
    // that equal states share their bytes.
    void Teilen(const TZustand &alt);
    bool IstLeer() const { return Stuecke.empty(); }
    bool operator==(const TZustand &o) const;
};

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
    // The document differs from the file last saved or opened. It follows
    // the history (see below): read it, set it only through the history's
    // functions.
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
    // The document's content changed: after every finished step, undo and
    // redo, and when a document was made new or opened.
    std::function<void()> InhaltGeaendert;
    // The history changed (a step, undo, redo, emptied): menu captions and
    // the grey entries of the call log need refreshing.
    std::function<void()> VerlaufGeaendert;

    // --- history of steps (undo and redo) ---
    // One step is one change the user made: an executed call, a finished
    // gesture, a command, a picker choice, a dialog's OK, a renaming. The
    // history keeps the whole document (figures, names, counters,
    // background) after every step, as the bytes of its file in pieces
    // (TZustand, numbers exact); undo and redo rebuild the document from
    // them with the recorder paused. The two functions reading and writing
    // those bytes come from the file layer
    // (VerlaufAnschliessen in persistence/Dokumentdatei.h); without them
    // there is no history and a finished step only marks the document as
    // changed.
    std::function<TZustand()> ZustandLesen;
    std::function<bool(const QByteArray &)> ZustandSchreiben;

    // Remembers the selection and the log position where a step starts.
    // Optional: without it the selection before is taken as it is when the
    // step finishes. The document a step starts from is always the state
    // after the last step (or undo, redo, opening, saving, emptying the
    // history), so a change made outside any step and not announced through
    // AenderungOhneSchritt becomes part of the next step.
    void SchrittBeginnen();
    // Ends a step: when the document differs from the state after the last
    // step it becomes a step of the history (named after its first log
    // entry, else after ersatzText), undone steps and their log entries are
    // dropped, Geaendert follows and InhaltGeaendert fires. Returns whether
    // it was a step. A refused call or a change of nothing is no step.
    bool SchrittAbschliessen(const QString &ersatzText = {});
    bool KannRueckgaengig() const;
    bool KannWiederherstellen() const;
    // The name of the step undo or redo would take back or do again
    // (empty when there is none).
    QString RueckgaengigText() const;
    QString WiederherstellenText() const;
    // Undo or redo one step; false when there was none.
    bool Rueckgaengig();
    bool Wiederherstellen();
    // Undoes or redoes until `schritte` steps are done (0: none), restoring
    // the document once.
    void ZuSchritt(int schritte);
    int SchrittAnzahl() const;    // steps in the history (done and undone)
    int ErledigteSchritte() const; // steps done (the rest are undone)
    // Empties the history, keeping the drawing and Geaendert (teacher mode
    // switched, locks changed: these are never undone).
    void VerlaufLeeren();
    // A change that is no step (locks, password): marks the document as
    // changed and empties the history, so undo never takes it back.
    void AenderungOhneSchritt();
    // After a new or opened document: fresh call log, empty history, not
    // changed.
    void NeuBegonnen();
    // After saving: this state is the saved one.
    void Gespeichert();
    // The log entry with this running number (TAnalysator::GesamtAnzahl
    // counting) belongs to an undone step.
    bool EintragZurueckgenommen(long long nummer) const;
    // The number of done steps that leaves the entry's step the last one
    // done (for an entry outside any step: the last step before it).
    int SchrittBisEintrag(long long nummer) const;
    // Bytes the history holds (shared pieces counted once).
    std::size_t VerlaufSpeicher() const;
    // Bounds: at most this many steps and this many bytes; past that the
    // oldest steps go.
    static constexpr int MaximaleSchritte = 500;
    static constexpr std::size_t MaximalerVerlaufSpeicher = std::size_t(64) * 1024 * 1024;
    // An object's place: the indices from the document down to it (empty
    // for the document or nullptr), and the object at such a place.
    std::vector<int> Pfad(const TObjekt *objekt) const;
    TObjekt *ObjektAnPfad(const std::vector<int> &pfad) const;
    // The state after the last step (or undo, redo, opening, saving).
    const TZustand &Zustand() const { return zustand_; }
    // While the step of a typed call is read: the top-level figures the call
    // can change (the one holding the object it names and those holding the
    // objects its values name); null otherwise, and for a call on the
    // document, or when a step was already running. Any other figure the
    // call changed was made or freed in it (TObjekt::Wandel).
    const std::vector<const TObjekt *> *GenannteFiguren() const
    {
        return genannteGueltig_ ? &genannte_ : nullptr;
    }
    // The Qt undo stack (for tests and views; change it only through the
    // functions above).
    const QUndoStack &Verlauf() const { return *verlauf_; }

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
    friend class TSchritt;
    std::vector<std::vector<int>> auswahlPfade() const;
    void zustandVormerken(const TZustand *zustand, const std::vector<std::vector<int>> *auswahl);
    void vorgemerktenZustandAnwenden();
    void geaendertAktualisieren();
    void verlaufBegrenzen(std::size_t neu);
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

    std::unique_ptr<QUndoStack> verlauf_;
    // The document after the last step (or as opened, saved, emptied).
    TZustand zustand_;
    // Where the running step started: log count and selection.
    bool schrittBegonnen_ = false;
    long long schrittBeginn_ = 0;
    std::vector<std::vector<int>> auswahlVorher_;
    // Log count when the last step (or non-step) ended.
    long long letztesEnde_ = 0;
    // Geaendert at the bottom of the history: true when the history was
    // emptied while the document was changed.
    bool basisGeaendert_ = false;
    // The state undo/redo chose, applied once after the stack moved.
    const TZustand *vorgemerkt_ = nullptr;
    const std::vector<std::vector<int>> *vorgemerkteAuswahl_ = nullptr;
    // The figures a typed call names (GenannteFiguren).
    std::vector<const TObjekt *> genannte_;
    bool genannteGueltig_ = false;
    // True while the history is rebuilt (bound): commands do nothing.
    bool umbau_ = false;
};
