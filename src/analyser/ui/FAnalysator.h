#pragma once
#include "analyser/ObjektBaum.h"

#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TAnalysator;
class TArbeitsbereich;
class TAufrufGitter;
class TDiagrammScrollBox;
class TDokument;
class TKlassenObjekte;
class TMethodenAufruf;
class TObjekt;

// The analyser window ("Analysator-Fenster"): the call log as a list or a
// tree, the object diagram of the document, class cards, and below them the
// object card and class card of the object in focus; objects are renamed
// here.
//
// It talks to the main window only through this interface: the main window
// calls the public methods below and listens to the signals; the window
// never touches the selection or the drawing itself.
class TFAnalysator : public QWidget
{
    Q_OBJECT
public:
    // The call log, the document and the class registry are not owned; they
    // must outlive the window or be detached with Trennen() first.
    TFAnalysator(TAnalysator *analysator, TDokument *dokument, TKlassenObjekte *klassen,
                 QWidget *eltern = nullptr);
    // The same for the workspace's log, document and registry; the cards of
    // the workspace's selection get corner marks. Call Trennen() before the
    // workspace is destroyed if the window lives longer.
    explicit TFAnalysator(TArbeitsbereich &arbeitsbereich, QWidget *eltern = nullptr);
    ~TFAnalysator() override;

    // --- called by the main window ---
    // Makes the object the one in focus (the document, a figure, a member,
    // a vertex; nullptr for none) and repaints the focus cards.
    void FokusSetzen(TObjekt *objekt);
    // The object in focus, or nullptr; an object that has left the document
    // since it was focused counts as the document.
    TObjekt *ObjektImFokus() const;
    // Rebuilds the object diagram and repaints it (after every change of the
    // document, after new and open). The cards are rebuilt only when objects
    // were added, removed, reordered, renamed or (un)folded, and only while
    // the window is shown (else when it is shown again).
    void Aktualisieren();
    // Repaints the diagram without rebuilding it (selection changed).
    void DiagrammNeuZeichnen();
    // Repaints the object card and the class cards of the object in focus.
    void FokuskartenNeuZeichnen();
    // The object the main window marks with its focus frame after drawing
    // the document: the object in focus while the "Objektbaum" tab is
    // showing and it is not the document; otherwise nullptr.
    TObjekt *FokusrahmenObjekt() const;
    // Places the window beside the main window (its frame in screen pixels).
    void Platzieren(const QRect &hauptfensterRahmen);
    // Stops listening to the call log and forgets log, document and
    // registry (before the main window frees them).
    void Trennen();

    // Tells the window which objects the main window has selected (their
    // tree cards get corner marks). Default: none.
    std::function<bool(const TObjekt *)> IstAusgewaehlt;
    // Tells which log entries (by running number, see
    // TAnalysator::GesamtAnzahl) belong to undone steps: they are drawn in
    // grey. Default: none.
    std::function<bool(long long nummer)> EintragZurueckgenommen;
    // Rebuilds the call list and the call tree from the log (after undo,
    // redo, a new step that removed undone entries, a fresh log).
    void ProtokollNeuAufbauen();
    // The context menu of the call list ("Bis hierher zurücknehmen" /
    // "Bis hierher wiederherstellen"); shown without blocking.
    QMenu *AufrufMenue() const { return aufrufMenue_; }
    // The running number of the entry in this row of the call list.
    long long EintragsNummer(int zeile) const;
    // Shows an error message (caption, text); default: a modal message box
    // with an error icon.
    std::function<void(const QString &titel, const QString &text)> FehlerMelden;

    // --- parts, for the main window's layout code and for tests ---
    TObjektBaum *Objektbaum() const { return objektbaum_.get(); }
    TDiagrammScrollBox *Diagramm() const { return diagramm_; }
    TDiagrammScrollBox *Fokusobjekt() const { return fokusobjekt_; }
    TDiagrammScrollBox *Fokusklasse() const { return fokusklasse_; }
    TDiagrammScrollBox *Tabklasse() const { return tabklasse_; }
    TDiagrammScrollBox *Verzeichniskarte() const { return verzeichniskarte_; }
    TAufrufGitter *Aufrufliste() const { return dg_; }
    QTreeWidget *Aufrufbaum() const { return tv_; }
    int ListenSchriftgroesse() const { return listenSchriftgroesse_; }
    int BaumSchriftgroesse() const { return baumSchriftgroesse_; }
    // True while the object diagram is hidden behind the "too large" labels.
    bool ZuGross() const;

    // Button handlers (public so that the main window's menu could reuse
    // them; the buttons call them).
    void SBMethodenaufrufeListenansichtClick();
    void SBMethodenaufrufeBaumClick();
    void SBMethodenaufrufeLupePlusClick();
    void SBMethodenaufrufeLupeMinusClick();
    void SBUebernehmenClick();
    void AusrichtungWaehlen(std::uint8_t ausrichtung);

Q_SIGNALS:
    // The pupil clicked the card of a figure: the main window replaces its
    // selection by this top-level figure, updates handles and panels.
    void AuswahlErsetzen(TObjekt *figur);
    // The main window should repaint the drawing (focus frame moved, tab
    // changed).
    void ZeichnungNeuZeichnen();
    // An object was renamed: the document is modified.
    void Umbenannt(TObjekt *objekt);
    // The window was closed by the pupil.
    void Geschlossen();
    // The pupil chose "Bis hierher zurücknehmen" or "Bis hierher
    // wiederherstellen" on the entry with this running number.
    void BisHierher(long long nummer);
    // A logged call was clicked with Strg held: its text belongs into the
    // input field, to be run again or edited.
    void AufrufUebernehmen(const QString &aufruf);

protected:
    void closeEvent(QCloseEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;
    void showEvent(QShowEvent *ereignis) override;

private:
    // Aktualisieren; `erzwingen` rebuilds also when the cards still match
    // the objects (zoom and orientation change their sizes).
    void aktualisieren(bool erzwingen);
    void aufrufHinzugefuegt(const TMethodenAufruf &aufruf);
    QTreeWidgetItem *baumKnoten(const TMethodenAufruf &aufruf) const;
    QTreeWidgetItem *obersterBaumKnoten(const TMethodenAufruf &aufruf) const;
    void baumKnotenAufgeklappt(QTreeWidgetItem *knoten);
    void listenSchriftAnwenden();
    void aufrufMenueZeigen(const QPoint &pos);
    void baumFarbenSetzen();
    bool grau(long long nummer) const { return EintragZurueckgenommen && EintragZurueckgenommen(nummer); }
    void diagrammGeklickt(const QPoint &pixel);
    TObjekt *gueltig(TObjekt *objekt) const;
    TObjekt *klasseFuerKarten() const;
    void kartenVorbereiten();

    TAnalysator *analysator_;
    TDokument *dokument_;
    TKlassenObjekte *klassen_;
    int beobachter_ = 0;
    QMenu *aufrufMenue_ = nullptr;

    std::unique_ptr<TObjektBaum> objektbaum_;
    // Set by Aktualisieren while the window is hidden: the diagram is rebuilt
    // when the window is shown again, not after every change.
    bool diagrammVeraltet_ = false;
    TObjekt *objektImFokus_ = nullptr;
    // Listens for freed objects: the focus lets go of its object at once.
    int freigabeBeobachter_ = 0;
    int listenSchriftgroesse_ = 10;
    int baumSchriftgroesse_ = 10;

    QSplitter *hauptteiler_ = nullptr;
    QTabWidget *pcAnalysator_ = nullptr;
    QWidget *tsBaum_ = nullptr;
    TAufrufGitter *dg_ = nullptr;
    QTreeWidget *tv_ = nullptr;
    QToolButton *sbListe_ = nullptr;
    QToolButton *sbBaum_ = nullptr;
    QToolButton *sbLupePlus_ = nullptr;
    QToolButton *sbLupeMinus_ = nullptr;
    QLineEdit *eObjektUmbenennen_ = nullptr;
    QToolButton *sbUebernehmen_ = nullptr;
    QToolButton *sbHorizontal_ = nullptr;
    QToolButton *sbVertikal_ = nullptr;
    QComboBox *cbZoom_ = nullptr;
    QComboBox *cbKlassenAuswahl_ = nullptr;
    QLabel *lZuGross1_ = nullptr;
    QLabel *lZuGross2_ = nullptr;
    QLabel *linksOben_ = nullptr;
    QLabel *rechtsOben_ = nullptr;
    TDiagrammScrollBox *diagramm_ = nullptr;
    TDiagrammScrollBox *fokusobjekt_ = nullptr;
    TDiagrammScrollBox *fokusklasse_ = nullptr;
    TDiagrammScrollBox *tabklasse_ = nullptr;
    TDiagrammScrollBox *verzeichniskarte_ = nullptr;
};
