#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TDiagrammFlaeche;
class TMethode;
class TObjekt;
struct TAttribut;

// Class cards (a class with its attributes and methods) and the object card
// of the object in focus (its attributes with their current values).
namespace Karten {
constexpr int Schriftgroesse = 12;    // points at zoom 1
constexpr double Lage = 0.5;          // the card's top-left corner, cm
constexpr double Innenrand = 0.3;     // text to the card's left edge
constexpr double Oberrand = 0.1;      // first line to the card's top edge
constexpr double Klassenstift = 0.01; // pen of the class card
constexpr double Objektstift = 0.02;  // pen of the object card
constexpr double Objektrundung = 0.3;
} // namespace Karten

// Lines of a class card: the class name, one line per attribute (its name),
// one line per method: name, "( ", parameter names separated by "," and " )".
QStringList KlassenKartenZeilen(const QString &klassenName, const std::vector<TAttribut> &attribute,
                                const std::vector<std::unique_ptr<TMethode>> &methoden);
QStringList KlassenKartenZeilen(const TObjekt &klasse);

// One line of an object card: black text and, after it, the value in blue.
struct TObjektKartenZeile {
    QString Text;
    QString Wert;
};
// "name:KLASSE", then "Attribut = " with the current value per attribute.
std::vector<TObjektKartenZeile> ObjektKartenZeilen(const TObjekt &objekt);

// Measures of a card in the card font (sets the area's font size to 12).
struct TKartenMasse {
    double Zeilenhoehe = 0.0;   // TextHoehe of "HHHgg"
    double Zeilenabstand = 0.0; // a tenth of the line height
    double Breite = 0.0;        // widest line + 2 x 0.3
    double Hoehe = 0.0;         // lines, spacing and 2 x 0.1
    // Top of line i (cm from the diagram's top edge).
    double ZeileOben(int i) const { return Karten::Lage + Karten::Oberrand + i * (Zeilenhoehe + Zeilenabstand); }
    // Height of a separator below line i.
    double TrennerUnter(int i) const { return ZeileOben(i) + Zeilenhoehe + Zeilenabstand / 2.0; }
};
TKartenMasse KartenMasse(TDiagrammFlaeche &flaeche, const QStringList &zeilen);

// When the area's diagram size is not the card size plus 0.5 cm on every
// side (tolerance 0.01 cm), sets that size (the area recomputes and
// repaints) and returns false; otherwise draws the card and returns true.
// The separator lines of a class card lie below the class name (with at
// least two lines) and below the last attribute line.
bool KlassenKarteZeichnen(TDiagrammFlaeche &flaeche, const TObjekt &klasse);
// The same for given lines: the class name, `attributAnzahl` attribute
// lines, then the method lines.
bool KlassenKarteZeichnen(TDiagrammFlaeche &flaeche, const QStringList &zeilen, int attributAnzahl);
bool ObjektKarteZeichnen(TDiagrammFlaeche &flaeche, const TObjekt &objekt);
