#pragma once
#include "model/Farbe.h"
#include "window/ui/ProgrammCursor.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class TAnalysator;
class TDokument;
class TKlassenObjekte;
class TObjekt;
class TZeichenObjekt;
class TZeichenflaeche;

// The seven drawing tools, in the order of their buttons.
enum class TWerkzeug { Rechteck, Ellipse, Linie, Linienzug, Kurvenzug, Vieleck, TextFeld };
constexpr int WerkzeugAnzahl = 7;

// The values of the five pickers. They define the attributes of the next
// figure drawn; the picker panels keep them up to date. The initial values
// are those the pickers show at start.
struct TPickerWerte {
    TFarbe Fuellfarbe = TFarbe::Echt(FarbWert(255, 255, 0));
    TFarbe Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
    std::uint8_t Linienart = 1; // durchgezogen
    double Linienstaerke = 0.01;
    TFarbe Schriftfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
};

// A mouse event on the sheet, in sheet pixels.
struct TMausEreignis {
    Qt::MouseButton Taste = Qt::NoButton; // the button that changed
    Qt::MouseButtons Gehalten;            // buttons held after the event
    bool Shift = false;
    bool Strg = false;
    int X = 0;
    int Y = 0;
};

// The narrow view of the main window that the mouse and keyboard handling
// and the gestures work through. The main window implements it; tests may
// implement it without any window.
class TFensterKontext
{
public:
    virtual ~TFensterKontext() = default;

    // --- the model ---
    virtual TZeichenflaeche *Flaeche() = 0;
    virtual TDokument *Dokument() = 0;
    virtual TKlassenObjekte *Klassen() = 0;
    virtual TAnalysator *Analysator() = 0;
    // The selection, in selection order.
    virtual std::vector<TZeichenObjekt *> &Auswahl() = 0;
    virtual bool Lehrermodus() const = 0;
    // A gesture or key command starts / finished a change: one step of the
    // undo history (a change of nothing is no step).
    virtual void SchrittBeginnen() = 0;
    virtual void GeaendertSetzen() = 0;
    virtual const TPickerWerte &PickerWerte() const = 0;
    // Removes the figures from the selection and the document and frees them
    // (each records its `freigeben`).
    virtual void ObjekteLoeschen(std::vector<TZeichenObjekt *> liste) = 0;

    // --- the drawing area ---
    // Buffered repaint of the visible part of the sheet.
    virtual void Neuzeichnen() = 0;
    // Runs malen with the surface pointed at the cached sheet image and
    // updates only the rectangle that changed. Used for everything drawn
    // with the inverting pen while a gesture runs.
    virtual void VorschauMalen(const std::function<void(TZeichenflaeche *)> &malen) = 0;
    virtual void ZeigerSetzen(TMauszeiger zeiger) = 0;
    virtual void FlaecheFokussieren() = 0;
    // Sheet pixel -> global screen point (for popup menus).
    virtual QPoint GlobalePosition(int x, int y) const = 0;

    // --- the rest of the window ---
    virtual void HinweisSetzen(const QString &text) = 0;
    virtual void WerkzeugeLoesen() = 0;
    virtual void PickerSchliessen() = 0;
    virtual void VervollstaendigungVerbergen() = 0;
    virtual void AttributanzeigeAktualisieren() = 0;
    virtual void OberflaecheAktualisieren() = 0;
    // Opens the text dialog for the one selected text field.
    virtual void TextBearbeitenKlicken() = 0;
    virtual void VerschiebenMenueZeigen(QPoint global) = 0;
    virtual void ObjektMenueZeigen(QPoint global) = 0;
    virtual bool EingabefeldHatFokus() const = 0;

    // --- the analyser window ---
    virtual void AnalysatorFokusSetzen(TObjekt *objekt) = 0;
    virtual void AnalysatorNeuAufbauen() = 0;      // rebuild the object diagram
    virtual void AnalysatorDiagrammZeichnen() = 0; // repaint the diagram
    virtual void AnalysatorAktualisieren() = 0;    // refresh the cards in focus
};
