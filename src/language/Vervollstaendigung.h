#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QPainter;
class TDokument;
class TMethode;
class TObjekt;
class TScanner;

// Kinds of completion proposals.
enum TVorschlagArt : std::uint8_t {
    VorschlagFarbe = 0,
    VorschlagLinienart = 1,
    VorschlagAbschnitt = 2,
    VorschlagMethode = 3,
    VorschlagObjekt = 4,
    VorschlagWahrheitswert = 5,
    VorschlagAusrichtung = 6,
};

// One completion proposal: the text that replaces the word at the caret and
// what the list needs to draw it.
struct TVorschlag {
    std::uint8_t Art = VorschlagObjekt;
    QString Text;
    // Swatch of a colour proposal; white for the other kinds, 0 for methods.
    std::uint32_t Farbe = 0;
    std::uint8_t Linienartcode = 0;
    std::uint8_t AbschnittCode = 0;
    std::uint8_t Ausrichtungscode = 0;
    const TMethode *Methode = nullptr; // only for method proposals
};

// The proposals for the current word and the prefix filter over them. The
// list is rebuilt only when the kind of word at the caret changes; between
// such changes only the filter runs again.
class TVorschlagListe
{
public:
    void VorschlaegeLoeschen();
    void VorschlagHinzufuegen(std::uint8_t art, const QString &text, std::uint8_t abschnittCode,
                              std::uint8_t linienartcode, std::uint32_t farbe);
    void MethodenVorschlagHinzufuegen(const TMethode *methode);
    void AusrichtungsVorschlagHinzufuegen(std::uint8_t code);

    const std::vector<std::unique_ptr<TVorschlag>> &Vorschlaege() const { return vorschlaege_; }

    // The proposals worth offering for a word of which `praefix` is typed
    // left of the caret: those that begin with the prefix, minus an exact
    // match of the prefix or of the whole word (compared through
    // Grossschreibung), in list order. A proposal whose text equals
    // `zuerst` (the "Meintest du ...?" name) comes first, whether it passes
    // the filter or not.
    std::vector<const TVorschlag *> Filtern(const QString &praefix, const QString &wort,
                                            const QString &zuerst = QString()) const;

private:
    std::vector<std::unique_ptr<TVorschlag>> vorschlaege_;
};

// Rebuilds the list for the word at the caret: zustand 1 object name,
// 2 method name of `objekt`, 3 a parameter of kind `parameterArt`; 0 none.
void VorschlaegeErzeugen(TVorschlagListe &liste, std::uint8_t zustand, const TObjekt *objekt,
                         std::uint8_t parameterArt, const TDokument *dokument);
// The same for the word the scanner's latest analysis found at the caret.
void VorschlaegeErzeugen(TVorschlagListe &liste, const TScanner &scanner, const TDokument *dokument);

// Drawing one entry of the completion list.
struct TVorschlagStil {
    QFont Schrift;                     // the list's font
    QColor Textfarbe = Qt::black;      // the list's font colour
    QColor Hintergrund = Qt::white;    // brush of the entry
};
constexpr int VorschlagZeilenhoehe = 18;
// Fills `rechteck` with the background and draws the proposal: a colour
// with its swatch, a method in bold followed by its parameter names in
// blue, everything else as plain text.
void VorschlagZeichnen(QPainter &leinwand, const QRect &rechteck, const TVorschlag &vorschlag,
                       const TVorschlagStil &stil);
// The width in pixels the drawn proposal takes (colour field and texts).
int VorschlagBreite(const TVorschlag &vorschlag, const TVorschlagStil &stil);
// The text a method proposal shows: "verschieben( x-Verschiebung, y-Verschiebung )".
QString MethodenAnzeige(const TMethode &methode);
