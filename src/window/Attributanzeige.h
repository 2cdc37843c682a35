#pragma once
#include "model/Farbe.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class TArbeitsbereich;
class TTextFeld;
class TZeichenObjekt;

// The rules behind the attribute panels, free of widgets: what the panels
// show for a selection, which of their controls are enabled, which picker
// cell stands for a value, and how a chosen value reaches the selected
// figures (always through the figures' own logged setters).

// --- the selection ------------------------------------------------------------

// A figure may be edited with the mouse: teacher mode is on or the figure is
// not mouse-locked. Picker choices and the text commands leave the other
// figures alone, as dragging and the keys do.
bool MitMausBearbeitbar(const TZeichenObjekt *figur, bool lehrermodus);

// The one selected figure when it is a text field, otherwise nullptr.
TTextFeld *EinzigesTextfeld(const std::vector<TZeichenObjekt *> &auswahl);

// Which controls of the attribute panels are enabled.
struct TFreigaben {
    bool Linie = false;    // line colour, line style and line width buttons
    bool Fuellung = false; // fill colour button
    bool Text = false;     // font, alignment, text colour, "Text bearbeiten ..."
    bool Sperren = false;  // the edit-lock buttons
};

// Line buttons and lock buttons: at least one figure selected. Fill: at least
// one, and no selected figure is or contains a line. Text: exactly one figure
// selected, a text field that may be edited with the mouse.
TFreigaben FreigabenBerechnen(const std::vector<TZeichenObjekt *> &auswahl, bool lehrermodus);

// What the panels show for a selection.
struct TAttributanzeige {
    bool MitAuswahl = false; // false: the pickers keep their values
    // Common values (TGemeinsamkeitsfinder): a colour of kind
    // NichtEinheitlich, line style 0, width -1.0 and lock 2 mean "differ".
    TFarbe Fuellfarbe;
    TFarbe Linienfarbe;
    std::uint8_t Linienart = 0;
    double Linienstaerke = -1.0;
    std::uint8_t MausGesperrt = 2;
    std::uint8_t TastaturGesperrt = 2;
    // The one selected text field (its alignment, text colour and font are
    // shown), or nullptr.
    const TTextFeld *TextFeld = nullptr;
};

TAttributanzeige AttributanzeigeBerechnen(const std::vector<TZeichenObjekt *> &auswahl);

// --- picker cells ----------------------------------------------------------------

// Tag of the "Unsichtbar" cell of a colour picker; the colour cells carry
// the index 0 ... 41 of the named-colour table.
constexpr int FarbzelleUnsichtbar = -1;

// The cell that marks a colour: "Unsichtbar" for an invisible colour, the
// first table entry with the value for a real colour, none for a mixed
// colour or a colour outside the table.
std::optional<int> FarbzelleFuer(const TFarbe &farbe);
// The colour a cell stands for.
TFarbe FarbeDerZelle(int tag);

// One cell of the line-width picker.
struct TStaerkeZelle {
    const char *Beschriftung; // millimetres, "." as decimal separator
    double Breite;            // centimetres
    int Dicke;                // pixel rows of the sample
};
extern const std::array<TStaerkeZelle, 8> StaerkeZellen;

// The last cell whose width lies within 0.0001 cm of the value, or none.
std::optional<int> StaerkezelleFuer(double breite);
// Caption and hint of a line-width cell: "0.5 mm".
QString StaerkeText(int zelle);

// The drawn pieces [von, bis) of a line-style sample running from x = anfang
// to x = ende: the lengths of the style's dash pattern (centimetres) times
// 10 give pixels (0.2 cm -> 2 pixels); pieces are drawn and skipped by
// turns, starting drawn, the last one cut at `ende`; positions are rounded
// halves to even; empty pieces are left out. "durchgezogen" (and any style
// without a pattern) is one piece.
std::vector<std::pair<int, int>> LinienartProbe(std::uint8_t linienart, int anfang, int ende);

// --- applying a choice --------------------------------------------------------------
// Each runs the figures' setters in selection order (a group records one
// compound entry with its members' entries), skips figures locked against
// the mouse outside teacher mode, ends the workspace's step (undo history,
// modified flag) when a figure was changed, and answers how many figures
// were changed.

int FuellfarbeAnwenden(TArbeitsbereich &ws, const TFarbe &farbe);
int LinienfarbeAnwenden(TArbeitsbereich &ws, const TFarbe &farbe);
int LinienartAnwenden(TArbeitsbereich &ws, std::uint8_t linienart);
int LinienstaerkeAnwenden(TArbeitsbereich &ws, double staerke);

// The text field the text commands work on: the one selected text field
// when it may be edited with the mouse, otherwise nullptr.
TTextFeld *TextfeldFuerBefehle(const TArbeitsbereich &ws);

// Text colour: only for the one selected text field; records
// `schriftfarbeSetzen`. False when nothing was changed.
bool SchriftfarbeAnwenden(TArbeitsbereich &ws, const TFarbe &farbe);
// Alignment (0 linksbündig, 1 rechtsbündig, 2 zentriert, 3 Blocksatz):
// records `ausrichtungSetzen` when the value differs from the field's.
bool AusrichtungAnwenden(TArbeitsbereich &ws, std::uint8_t ausrichtung);

// A font as the font dialog returns it.
struct TSchriftwahl {
    QString Name;
    int Groesse = 12; // points
    bool Fett = false;
    bool Kursiv = false;
};
// The font of a text field, to preset the font dialog with.
TSchriftwahl SchriftDesTextfelds(const TTextFeld &feld);
// Applies a confirmed font choice: each of name, size, bold and italic that
// differs from the field is set and recorded (`schriftartSetzen`,
// `schriftgroesseSetzen`, `fettSetzen`, `kursivSetzen`). A size the field
// refuses leaves `meldung` with the field's message. Answers whether
// anything changed.
bool SchriftAnwenden(TArbeitsbereich &ws, const TSchriftwahl &wahl, QString *meldung = nullptr);

// Ends a text dialog on the field: confirmed, `textSetzen` with the field's
// (new) text is recorded and the document is marked as modified; cancelled,
// the field takes its old text back and nothing is recorded.
void TextBearbeitungAbschliessen(TArbeitsbereich &ws, TTextFeld &feld, bool ok,
                                 const QString &alterText);
