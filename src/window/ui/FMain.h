#pragma once
#include "window/ui/AnalysatorAnschluss.h"
#include "window/ui/FensterKontext.h"
#include "window/ui/MausSteuerung.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QTimer;
class QToolButton;
class TAktionen;
class TAnalysator;
class TDateiBefehle;
class TArbeitsbereich;
class TAnalysatorFensterAnschluss;
class TAttributPanels;
class TDokument;
class TFAnalysator;
class TFAnleitung;
class TFInformation;
class TKlassenObjekte;
class TLehrerBedienung;
class TMyScrollBox;

// The main window: the drawing area between the tool and attribute panels
// above and the input panel and hint bar below. Through its workspace it
// owns the document, the call log, the class registry, the selection and the
// clipboard for the whole run; it turns mouse and keyboard input on the
// drawing into calls on the figures (through TMausSteuerung).
class TFMain : public QMainWindow, public TFensterKontext
{
    Q_OBJECT
public:
    // mitSplash: show the about box as a splash screen when first shown
    // (also switched off by the environment variable FIGURO_OHNE_SPLASH).
    explicit TFMain(bool mitSplash = true, QWidget *eltern = nullptr);
    ~TFMain() override;

    static QString StartHinweis();
    // The hint bar's text while teacher mode is on and nothing else is said.
    static QString LehrermodusHinweis();

    // --- components, top to bottom ---
    QWidget *PMain = nullptr;
    QWidget *PLinienAttribute = nullptr;
    QWidget *PAnzeige = nullptr;
    QLabel *LabelZoom = nullptr;
    QComboBox *CBZoom = nullptr;
    QWidget *Panel1 = nullptr;
    QToolButton *SBRechteck = nullptr, *SBEllipse = nullptr, *SBLinie = nullptr,
                *SBLinienzug = nullptr, *SBKurvenZug = nullptr, *SBVieleck = nullptr,
                *SBTextFeld = nullptr;
    std::array<QToolButton *, WerkzeugAnzahl> Werkzeugknoepfe{};
    QWidget *Panel4 = nullptr;
    QToolButton *SBAnalysatorfenster = nullptr, *SBAnalysatorfensterSchliessen = nullptr;
    QWidget *PFuellungsAttribute = nullptr;
    QWidget *PTextFeldAttribute = nullptr;
    QToolButton *SBSchriftart = nullptr, *SBLinksbuendig = nullptr, *SBRechtsbuendig = nullptr,
                *SBZentriert = nullptr, *SBBlocksatz = nullptr, *SBTextBearbeiten = nullptr;
    QWidget *PBearbeitenSperren = nullptr;
    QWidget *PanelUnten = nullptr;
    QWidget *Panel2 = nullptr;
    QWidget *PMethodenEingabe = nullptr;
    QWidget *Eingabefeld = nullptr; // placeholder until the input field is set in
    QWidget *PanelButtonGo = nullptr;
    QToolButton *SBMethodeAusfuehren = nullptr;
    QWidget *Panel3 = nullptr;
    QWidget *Panel5 = nullptr;
    QLabel *ImageGluehbirne = nullptr;
    QLabel *PanelHilfstext = nullptr;
    TMyScrollBox *Zeichenbereich = nullptr;

    QMenu *MenuDatei = nullptr, *MenuBearbeiten = nullptr, *MenuAusrichten = nullptr,
          *MenuInformation = nullptr, *MenuFuerLehrer = nullptr;
    QMenu *PopupMenuObjekt = nullptr;
    QMenu *PopupMenuVerschieben = nullptr;
    QAction *AHierherVerschieben = nullptr, *AHierherKopieren = nullptr, *AAbrechen = nullptr;
    QAction *AUeberDasProgramm = nullptr;
    // "Anleitung" (F1): the guide inside Figuro.
    QAction *AAnleitung = nullptr;
    QTimer *TimerSplash = nullptr;
    TFInformation *FInformation = nullptr;
    TFAnleitung *FAnleitung = nullptr;

    // --- state beyond the components ---
    // Document, call log, registry, selection, clipboard, teacher mode,
    // modified flag and file name.
    std::unique_ptr<TArbeitsbereich> Arbeitsbereich;
    TPickerWerte Picker;
    // The picker buttons and popups, the text panel's commands (a child).
    TAttributPanels *Attributpanels = nullptr;
    QString Hinweistext;
    std::unique_ptr<TMausSteuerung> Steuerung;
    // Teacher mode: the menu "Für Lehrer", the lock buttons and the teacher
    // dialogs (child object).
    TLehrerBedienung *Lehrer = nullptr;
    // The editing commands and the file commands with their menus.
    TAktionen *Aktionen = nullptr;
    TDateiBefehle *DateiBefehle = nullptr;

    // --- the model ---
    TAnalysator *Analysator() override;
    TDokument *Dokument() override;
    TKlassenObjekte *Klassen() override;
    std::vector<TZeichenObjekt *> &Auswahl() override;

    // --- operations ---
    void HinweisSetzen(const QString &text) override;
    void GesteAbbrechen();
    void AllesAbbrechen();
    // Undo or redo until `schritte` steps of the history are done: cancels
    // a running gesture first, lets go of every figure (handles, mouse
    // state, analyser focus), restores, then shows the result and focuses
    // the analyser on the object at the old focus's place.
    void VerlaufGehen(int schritte);
    void MausNeuBewerten();
    void GriffeNeuErzeugen();
    void AlleGriffeEntfernen();
    void OberflaecheAktualisieren() override;
    void AttributanzeigeAktualisieren() override;
    void TitelAktualisieren();
    void ObjekteLoeschen(std::vector<TZeichenObjekt *> liste) override;
    void WerkzeugGewaehlt(TWerkzeug werkzeug);
    // The drawing area asks for the drawing (screen or printer).
    void OnDokumentPaint(TZeichenflaeche *zf);
    void TimerSplashTimer();
    // Shows the guide window (made on first use).
    void AnleitungZeigen();
    // Shows the print dialog and prints; false when cancelled or failed.
    bool DruckenMitDialog();
    // Prints onto a set-up printer (copies as the printer asks for).
    bool Drucken(QPrinter &drucker);
    // Sets the method-call input field into its panel (replacing the
    // placeholder); the window then leaves keys alone while it has focus.
    void EingabefeldEinsetzen(QWidget *feld);
    // The execute command: runs the input field's call (Enter in the field
    // without a proposal taken, or SBMethodeAusfuehren).
    void OnEingabeFeldEnter();
    // Connects the analyser window (not owned); nullptr disconnects.
    void AnalysatorAnschliessen(TAnalysatorAnschluss *anschluss);
    // Connects the program's analyser window: its card clicks select, its
    // renames modify, its closing shows the open button again. It is
    // detached from the model before the main window frees it.
    void AnalysatorFensterAnschliessen(TFAnalysator *fenster);
    // The pupil clicked a figure's card in the analyser.
    void AuswahlErsetzen(TObjekt *figur);
    TAnalysatorAnschluss *Analysatorfenster() const { return analysator_fenster_; }
    void SBAnalysatorfensterClick();
    void SBAnalysatorfensterSchliessenClick();
    // The analyser window was closed by its own means.
    void AnalysatorGeschlossen();

    // Asked before the window closes (the unsaved-changes question);
    // closing goes on only when it answers true.
    std::function<bool()> SchliessenErlaubt;
    // Called once when the window is first shown, after the analyser and
    // the splash (opens a document named on the command line).
    std::function<void()> BeimErstenZeigen;

    // --- TFensterKontext ---
    TZeichenflaeche *Flaeche() override;
    bool Lehrermodus() const override;
    void SchrittBeginnen() override;
    void GeaendertSetzen() override;
    const TPickerWerte &PickerWerte() const override { return Picker; }
    void Neuzeichnen() override;
    void VorschauMalen(const std::function<void(TZeichenflaeche *)> &malen) override;
    void ZeigerSetzen(TMauszeiger zeiger) override;
    void FlaecheFokussieren() override;
    QPoint GlobalePosition(int x, int y) const override;
    void WerkzeugeLoesen() override;
    void PickerSchliessen() override;
    void VervollstaendigungVerbergen() override;
    void TextBearbeitenKlicken() override;
    void VerschiebenMenueZeigen(QPoint global) override;
    void ObjektMenueZeigen(QPoint global) override;
    bool EingabefeldHatFokus() const override;
    void AnalysatorFokusSetzen(TObjekt *objekt) override;
    void AnalysatorNeuAufbauen() override;
    void AnalysatorDiagrammZeichnen() override;
    void AnalysatorAktualisieren() override;

    // The cursor the sheet shows now.
    TMauszeiger Zeiger() const { return zeiger_; }

Q_SIGNALS:
    // For the pickers, menus and commands that come with their own parts.
    void oberflaecheAktualisiert();
    void attributanzeigeAktualisiert();
    void pickerSchliessenAngefordert();
    void vervollstaendigungVerbergenAngefordert();
    void textBearbeitenAngefordert();
    void methodeAusfuehrenAngefordert();

protected:
    bool eventFilter(QObject *ziel, QEvent *ereignis) override;
    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void komponentenBauen();
    void menuesBauen();
    void formShow();
    bool tasteBehandeln(QKeyEvent *ereignis, bool gedrueckt);

    TAnalysatorAnschluss *analysator_fenster_ = nullptr;
    std::unique_ptr<TAnalysatorFensterAnschluss> analysatorFensterAnschluss_;
    TMauszeiger zeiger_ = TMauszeiger::Standard;
    bool mitSplash_ = true;
    bool gezeigt_ = false;
    bool verschiebenGewaehlt_ = false;
    // Teacher mode as the hint bar and the lock marks last showed it.
    bool lehrermodusGezeigt_ = false;
    // A printable key typed while the drawing has the focus goes to the
    // input field (true when it was passed on).
    bool tasteInsEingabefeld(QObject *ziel, QKeyEvent *ereignis);
};
