#pragma once
#include "model/Farbe.h"
#include "window/Attributanzeige.h"

#include <QFont>
#include <QObject>
#include <QRect>
#include <functional>
#include <optional>

class QAbstractButton;
class QWidget;
class TArbeitsbereich;
class TAuswahlButton;
class TFColorPicker;
class TFLinienArt;
class TFLinienStaerkePicker;
class TFMain;
class TFTextBearbeiten;
class TPickerFenster;
class TZeichenObjekt;

// The buttons of the text panel, made by the main window with its layout.
struct TTextKnoepfe {
    QAbstractButton *SBSchriftart = nullptr;
    QAbstractButton *SBLinksbuendig = nullptr;  // tag 0
    QAbstractButton *SBRechtsbuendig = nullptr; // tag 1
    QAbstractButton *SBZentriert = nullptr;     // tag 2
    QAbstractButton *SBBlocksatz = nullptr;     // tag 3
    QAbstractButton *SBTextBearbeiten = nullptr;
};

// The attribute panels of the main window: the five picker buttons with their
// popups (fill colour; line colour, line style, line width; text colour), the
// text panel's commands and the text dialog. The panels show the values the
// selection has in common and apply a choice to every selected figure
// through the figures' logged setters (window/Attributanzeige.h); the values
// the pickers hold are the attributes of the next figure drawn.
//
// The host (the main window) hands over its panels and text buttons and
// sets the hooks; it calls PickerSchliessen, AttributanzeigeAktualisieren and
// FreigabenAktualisieren when its own rules say so, and SBTextBearbeitenClick
// when its "Text bearbeiten ..." button is clicked.
class TAttributPanels : public QObject
{
    Q_OBJECT
public:
    TAttributPanels(TArbeitsbereich &ws, QWidget *fenster, QWidget *pLinienAttribute,
                    QWidget *pFuellungsAttribute, QWidget *pTextFeldAttribute,
                    const TTextKnoepfe &textKnoepfe);
    ~TAttributPanels() override;

    // --- hooks of the host (each may be empty) ---
    // Cancels gestures before a picker opens (the picker popups are closed
    // here in any case).
    std::function<void()> AllesAbbrechen;
    // Repaints the drawing.
    std::function<void()> Neuzeichnen;
    // Repaints the cards of the object in focus in the analyser window.
    std::function<void()> FokuskartenNeuZeichnen;
    // Re-runs the hover test at the last mouse position.
    std::function<void()> MausNeuBewerten;
    // A picker value changed (the attributes of the next figure).
    std::function<void()> WerteGeaendert;
    // Where a figure stands on the screen (global pixels): the text dialog
    // opens beside its text field, never over it.
    std::function<QRect(const TZeichenObjekt *)> BildschirmRechteck;
    // The font dialog: answers the confirmed font, or nothing when it was
    // cancelled. Preset with the field's font. Defaults to QFontDialog.
    std::function<std::optional<TSchriftwahl>(const TSchriftwahl &)> SchriftWaehlen;

    // --- components ---
    TAuswahlButton *SBFuellfarbe = nullptr;
    TAuswahlButton *SBLinienfarbe = nullptr;
    TAuswahlButton *SBLinienart = nullptr;
    TAuswahlButton *SBLinienstaerke = nullptr;
    TAuswahlButton *SBSchriftfarbe = nullptr;
    TFColorPicker *FuellfarbPicker = nullptr;
    TFColorPicker *LinienfarbPicker = nullptr;
    TFLinienArt *LinienArtPicker = nullptr;
    TFLinienStaerkePicker *LinienStaerkePicker = nullptr;
    TFColorPicker *SchriftfarbPicker = nullptr;
    TFTextBearbeiten *FTextBearbeiten = nullptr;
    TTextKnoepfe Text;
    // The font dialog's font (the selected text field's name and size).
    QFont Schrift;

    // --- the values for the next figure ---
    TFarbe Fuellfarbe() const;
    TFarbe Linienfarbe() const;
    std::uint8_t Linienart() const;  // 0 after a selection with mixed styles
    double Linienstaerke() const;    // -1.0 after a selection with mixed widths
    TFarbe Schriftfarbe() const;

    // --- operations for the host ---
    // Hides the five popups and releases their buttons.
    void PickerSchliessen();
    // Shows the values the selection has in common.
    void AttributanzeigeAktualisieren();
    // Enables the picker buttons and the text panel by the selection.
    void FreigabenAktualisieren();
    // The text commands (each only for the one selected text field).
    void OnTextAusrichtungChange(int tag);
    void SBSchriftartClick();
    void SBTextBearbeitenClick();

    // The popup opened by a button, and the other way round.
    TPickerFenster *PopupVon(const TAuswahlButton *knopf) const;

protected:
    // Moving, resizing, minimising or hiding the window closes the popups,
    // which would otherwise float where the window was.
    bool eventFilter(QObject *ziel, QEvent *ereignis) override;

private:
    TAuswahlButton *knopfAnlegen(QWidget *panel, int x, int y, int bildindex, const QString &hinweis,
                                 bool mitFarbbalken);
    void pickerOeffnen(TAuswahlButton *knopf, TPickerFenster *popup);
    void schliessen(TAuswahlButton *knopf, TPickerFenster *popup);
    // After a choice: repaint the drawing and the focus cards, tell the host.
    void nachWahl();
    void fuellfarbeGewaehlt();
    void linienfarbeGewaehlt();
    void linienartGewaehlt();
    void linienstaerkeGewaehlt();
    void schriftfarbeGewaehlt();
    void ausrichtungZeigen(int ausrichtung);
    void melde(const std::function<void()> &f) const
    {
        if (f)
            f();
    }

    TArbeitsbereich &ws_;
    QWidget *fenster_;
};

// Builds the attribute panels into the main window's panels and connects
// them with its hooks, signals and picker values (AttributPanelsAnschluss.cpp).
TAttributPanels *AttributPanelsAnschliessen(TFMain &fenster);
