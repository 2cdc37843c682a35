#pragma once
#include "figures/Griff.h"
#include "figures/ZeichenObjekt.h"
#include "window/ui/BereichsRechteck.h"
#include "window/ui/FensterKontext.h"
#include "window/ui/Geste.h"

#include <QPoint>
#include <QStringList>
#include <cstdint>
#include <memory>

class TGriff;
class TLinienZug;

// The states of the mouse state machine.
enum class TMauszustand : std::uint8_t {
    Frei = 0,              // nothing under the mouse, no gesture
    RahmenZiehen = 1,      // rubber band running
    UeberObjekt = 2,       // over the body of a figure (AktuellesObjekt)
    ObjektGedrueckt = 3,   // pressed on a figure, not yet moved 3 pixels
    ObjekteZiehen = 4,     // the selected figures are being dragged
    UeberGriff = 5,        // over a handle (AktuellerGriff)
    GriffGedrueckt = 6,    // pressed on a handle
    GriffZiehen = 7,       // handle being dragged
    WerkzeugBereit = 8,    // a tool is chosen, button not yet pressed
    AufziehenBegonnen = 9, // pressed with a tool
    FigurAufziehen = 10,   // new figure being dragged open / polyline clicked
};

// How mouse and keyboard input on the drawing becomes selection, moving,
// handle dragging and figure creation. It knows the main window only
// through TFensterKontext, so it runs without any window as well.
class TMausSteuerung
{
public:
    explicit TMausSteuerung(TFensterKontext *kontext);
    ~TMausSteuerung();

    TMauszustand Mauszustand = TMauszustand::Frei;
    // The figure under the mouse; while a tool is active, the new figure.
    TZeichenObjekt *AktuellesObjekt = nullptr;
    // The handle under the mouse or being dragged.
    TGriff *AktuellerGriff = nullptr;
    // Vertex or segment handle under the mouse, for the point commands of
    // the context menu.
    TGriff *KontextGriff = nullptr;
    TWeltPunkt LetzterPunkt;
    TWeltPunkt GreifPunkt;
    TWeltPunkt AblagePunkt;
    QPoint AblagePixel;
    QPoint LetzteMausPixel;
    int LetzteTaste = 0;
    TBereichsRechteck Bereichsrahmen;

    // --- events of the sheet and the window ---
    void MausRunter(const TMausEreignis &m);
    void MausBewegung(const TMausEreignis &m);
    void MausHoch(const TMausEreignis &m);
    // Finishes (or cancels) a polyline being drawn; in every other state the
    // second press of a double click is swallowed. True when it was used.
    bool Doppelklick(const TMausEreignis &m);
    // True when the key was handled (it must not reach other controls).
    bool TasteRunter(int taste, bool shift, bool strg);
    void TasteHoch(int taste, bool shift, bool strg);

    // --- operations other parts of the window call ---
    void WerkzeugWaehlen(TWerkzeug werkzeug);
    void ZustandSetzen(TMauszustand zustand);
    void UeberpruefeMausposition(int x, int y);
    void GesteAbbrechen();
    void MausNeuBewerten();
    void AlleGriffeEntfernen();
    void GriffeNeuErzeugen();
    void AufziehenAbschliessen();
    void AuswahlVerschieben(double dx, double dy);
    // The three endings of a right-button drag.
    void HierhinVerschieben();
    void HierherKopieren();
    // Delete key and "Löschen": deletes the selection when allowed,
    // otherwise the hint bar says why not.
    void AuswahlLoeschen();
    // "Alles auswählen": every figure of the drawing.
    void AllesAuswaehlen();
    // The hint shown when a drag, a handle drag, an arrow key or Delete is
    // refused because of a mouse lock.
    static QString GesperrtHinweis();
    // 0 no selected figure is locked, 1 all are, 2 they differ or none.
    int AusgewaehlteSperre() const;
    // Teacher mode is on or the selection is not locked.
    bool Erlaubt() const;
    void TippZeigen(int situation);
    static QStringList Tipps(int situation);

    // Draws the running previews again (after the sheet image was rebuilt).
    void VorschauenNachzeichnen(TZeichenflaeche *zf);
    // The handle still belongs to a figure of the drawing (the drawing may
    // have been emptied or reloaded under a remembered handle).
    bool GriffGueltig(const TGriff *griff) const;
    // A gesture runs (anything beyond hovering).
    bool GesteLaeuft() const;
    // Forgets a figure that is about to be freed.
    void ObjektVergessen(const TObjekt *objekt);

    const TObjekteZiehen *Verschiebekopien() const { return ziehen_.get(); }
    const TGriffZiehen *GriffGeste() const { return griffZiehen_.get(); }
    TZeichenObjekt *NeueFigur() const;

private:
    double xWelt(int x) const;
    double yWelt(int y) const;
    bool istGewaehlt(const TZeichenObjekt *figur) const;
    void auswahlLeeren();
    void verschiebungBegrenzen(double &x, double &y, bool shift) const;
    void mausBewegungOhneTasten(int x, int y);
    void linksRunter(const TMausEreignis &m, double x, double y);
    void rechtsRunter(double x, double y);
    TLinienZug *neuerLinienzug() const;
    void linienzugZeigerSetzen(double x, double y);
    std::unique_ptr<TZeichenObjekt> neueFigur(TWerkzeug werkzeug) const;

    TFensterKontext *k_;
    std::unique_ptr<TObjekteZiehen> ziehen_;
    std::unique_ptr<TFigurAufziehen> aufziehen_;
    std::unique_ptr<TGriffZiehen> griffZiehen_;
};

// The pointer for a handle's cursor kind.
TMauszeiger ZeigerFuerCursorArt(TCursorArt art);
