#pragma once
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class TDiagrammFlaeche;
class TDokument;
class TObjekt;

// Layout constants of the object diagram, in centimetres at zoom 1.
namespace Objektdiagramm {
constexpr double Ebenenabstand = 1.0;       // card to its children, depth axis
constexpr double Geschwisterabstand = 0.5;  // neighbouring subtrees, sibling axis
constexpr double Rand = 1.0;                // around the whole diagram
constexpr double Innenrand = 0.3;           // around the text inside a card
constexpr int Schriftgroesse = 10;          // points at zoom 1
constexpr double Konturtoleranz = 0.001;
constexpr double Ueberlappungsschwelle = 0.001;
constexpr double Intervalltoleranz = 0.1;
constexpr double Kartenrundung = 0.4;
constexpr double Stiftbreite = 0.02;
} // namespace Objektdiagramm

// Orientation of the diagram: 0 the tree grows downwards and siblings lie
// side by side; 1 the tree grows to the right and siblings are stacked.
enum TAusrichtung : std::uint8_t { AusrichtungHorizontal = 0, AusrichtungVertikal = 1 };

// One card of the object diagram. The layout works on two abstract axes: the
// depth axis (X, Breite), along which each level lies further from the root,
// and the sibling axis (Y, Hoehe), along which children are stacked.
struct TObjektKnoten {
    double X = 0.0;  // near edge on the depth axis (absolute)
    double Y = 0.0;  // middle on the sibling axis (absolute)
    double DX = 0.0; // position relative to the parent
    double DY = 0.0;
    double Breite = 0.0; // extent on the depth axis
    double Hoehe = 0.0;  // extent on the sibling axis
    double MarkeX = 0.0, MarkeY = 0.0, MarkeRadius = 0.0; // fold marker
    TObjekt *Objekt = nullptr;                              // not owned
    QString Name; // the object's name when the card was made (see Veraltet)
    std::vector<std::unique_ptr<TObjektKnoten>> Kinder;
    TObjektKnoten *Eltern = nullptr;
    TDiagrammFlaeche *Flaeche = nullptr;
    std::uint8_t Ausrichtung = AusrichtungHorizontal;

    // The card's rectangle on the screen axes (cm, y downward).
    QRectF Bildrechteck() const;
    // True when the object has child objects (shown or folded).
    bool HatMarke() const;
};

// One stretch of a contour: an interval on the depth axis and a position on
// the sibling axis.
struct TPlatzbedarfEintrag {
    double Von = 0.0;
    double Bis = 0.0;
    double Lage = 0.0;
};

// The entries of a contour list by the start of their interval, in 1 cm
// compartments, so that adding looks only at entries that can cover the new
// one or be covered by it (deep trees add thousands of entries).
struct TKonturIndex {
    std::unordered_map<long long, std::vector<int>> Faecher;
    double GroessteLaenge = 0.0; // an upper bound of Bis - Von
};

// Contour pair used while placing one subtree after its previous siblings:
// `Oben` the near contour of the subtree being placed, `Unten` the far
// contour of the siblings placed before it. Adding keeps the lists short by
// merging an entry into one that covers it.
class TPlatzBedarf
{
public:
    std::vector<TPlatzbedarfEintrag> Oben;
    std::vector<TPlatzbedarfEintrag> Unten;

    // Keeps the farthest entry for a stretch.
    void UntenHinzufuegen(const TPlatzbedarfEintrag &neu);
    // Keeps the nearest entry for a stretch.
    void ObenHinzufuegen(const TPlatzbedarfEintrag &neu);
    // Empties `Oben` (before the next sibling's subtree).
    void ObenLeeren();
    // Largest amount by which a far edge of `Unten` reaches past a near edge
    // of `Oben` on overlapping depth intervals; 0 when none does.
    double Ueberlappung() const;

    // The adding rule on any list with its index (`fern`: keep the farthest).
    static void Hinzufuegen(std::vector<TPlatzbedarfEintrag> &liste, TKonturIndex &index,
                            const TPlatzbedarfEintrag &neu, bool fern);
    // The overlap of two lists whose entries are read shifted by (dx, dy).
    static double Ueberlappung(const std::vector<TPlatzbedarfEintrag> &unten, double untenDX,
                               double untenDY, const std::vector<TPlatzbedarfEintrag> &oben,
                               double obenDX, double obenDY);

private:
    TKonturIndex obenIndex_, untenIndex_;
};

// The far and near contour of a laid-out subtree (ObjektBaum.cpp).
struct TTeilbaumKonturen;

// The object diagram: one card per object of the document (figures, group
// members, polyline vertices), laid out so that subtrees never overlap.
class TObjektBaum
{
public:
    TObjektBaum(TDokument *dokument, std::uint8_t ausrichtung, TDiagrammFlaeche *flaeche);
    ~TObjektBaum();

    TDokument *Dokument;
    std::unique_ptr<TObjektKnoten> Wurzel;
    TDiagrammFlaeche *Flaeche;
    std::uint8_t Ausrichtung;

    // Builds the cards from the document, lays them out and sets the
    // diagram size of the area.
    void Aufbauen();
    void AusrichtungSetzen(std::uint8_t ausrichtung);

    // Fills the area white and draws every card. `fokus` is drawn with the
    // green focus pen; cards whose object `ausgewaehlt` reports get corner
    // marks. Cards outside `sichtbar` (pixels; empty = everything) are
    // skipped.
    void Zeichnen(const TObjekt *fokus, const std::function<bool(const TObjekt *)> &ausgewaehlt,
                  const QRect &sichtbar = QRect());

    // The object whose card contains the point (screen axes, cm), or none.
    // A point on a fold marker inverts the object's folded flag and sets
    // `gefaltet`.
    TObjekt *KnotenSuchen(double x, double y, bool &gefaltet);

    // True when the cards no longer match the document's objects (objects
    // added, removed, reordered, renamed, folded or unfolded since the last
    // build). Changes of geometry or colour leave the cards as they are.
    // Only pointers that are still reachable from the document are read.
    bool Veraltet() const;

    // The card showing an object, or none.
    TObjektKnoten *KnotenZuObjekt(const TObjekt *objekt) const;
    int KnotenAnzahl() const;

private:
    std::unique_ptr<TObjektKnoten> knotenErzeugen(TObjekt *objekt, TObjektKnoten *eltern);
    void groesseBerechnen(TObjektKnoten &k) const;
    // Places the children of `k` (sizes, positions relative to their
    // parents) and returns the far (`fern`) and near (`nah`) contour of k's
    // whole subtree in k's frame, as far as asked for.
    TTeilbaumKonturen kinderPlatzieren(TObjektKnoten &k, bool fern, bool nah) const;
    void markenSetzen(TObjektKnoten &k) const;
    void knotenZeichnen(const TObjektKnoten &k, const TObjekt *fokus,
                        const std::function<bool(const TObjekt *)> &ausgewaehlt,
                        const QRect &sichtbar) const;
    void markeZeichnen(const TObjektKnoten &k) const;
};

// The text on a card: name, ":" and class name ("re0:RECHTECK").
QString KartenText(const TObjekt &objekt);
