// The XML operations of the figures and the polyline vertices. Each class
// writes and reads its base class's attributes first, then its own; values
// missing in a file keep what the new object got from its class prototype
// unless a fixed default is named here.
#include "figures/UZeichenObjekte.h"
#include "model/Werte.h"
#include "persistence/XMLKnoten.h"

#include <algorithm>

namespace {
inline QString S(const char16_t *text) { return QString::fromUtf16(text); }
} // namespace

// ---------------------------------------------------------------------------
// Figure base: fill, line and reference point

void TZeichenObjekt::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TObjekt::InXMLSchreiben(knoten);
    knoten.FarbeHinzufuegen(S(u"Füllfarbe"), Füllfarbe);
    knoten.FarbeHinzufuegen(S(u"Linienfarbe"), Linienfarbe);
    knoten.ZahlHinzufuegen(S(u"Linienstärke"), Linienstärke);
    if (Linienart != Werte::LinienartDurchgezogen)
        knoten.LinienartHinzufuegen(S(u"Linienart"), Linienart);
    knoten.ZahlHinzufuegen(S(u"MitteX"), MitteX);
    knoten.ZahlHinzufuegen(S(u"MitteY"), MitteY);
}

void TZeichenObjekt::AusXMLLesen(const TXMLKnoten &knoten)
{
    TObjekt::AusXMLLesen(knoten);
    knoten.FarbeLesen(S(u"Füllfarbe"), Füllfarbe);
    knoten.FarbeLesen(S(u"Linienfarbe"), Linienfarbe);
    knoten.ZahlLesen(S(u"Linienstärke"), Linienstärke);
    Linienart = Werte::LinienartDurchgezogen;
    knoten.LinienartLesen(S(u"Linienart"), Linienart);
    knoten.ZahlLesen(S(u"MitteX"), MitteX);
    knoten.ZahlLesen(S(u"MitteY"), MitteY);
}

// ---------------------------------------------------------------------------
// Rectangle (and text field): width, length, angle

void TRechteck::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(S(u"Breite"), Breite);
    knoten.ZahlHinzufuegen(S(u"Länge"), Länge);
    knoten.ZahlHinzufuegen(S(u"Winkel"), Winkel);
}

void TRechteck::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(S(u"Breite"), Breite);
    knoten.ZahlLesen(S(u"Länge"), Länge);
    knoten.ZahlLesen(S(u"Winkel"), Winkel);
}

// ---------------------------------------------------------------------------
// Ellipse: the radii are half the box length and width

void TEllipse::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(S(u"RadiusX"), Länge / 2.0);
    knoten.ZahlHinzufuegen(S(u"RadiusY"), Breite / 2.0);
    knoten.ZahlHinzufuegen(S(u"Winkel"), Winkel);
}

void TEllipse::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    double radius = 0.0;
    if (knoten.ZahlLesen(S(u"RadiusX"), radius))
        Länge = 2.0 * radius;
    if (knoten.ZahlLesen(S(u"RadiusY"), radius))
        Breite = 2.0 * radius;
    knoten.ZahlLesen(S(u"Winkel"), Winkel);
}

// ---------------------------------------------------------------------------
// Line: the two end points

void TLinie::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(S(u"Punkt1X"), Punkt1X);
    knoten.ZahlHinzufuegen(S(u"Punkt1Y"), Punkt1Y);
    knoten.ZahlHinzufuegen(S(u"Punkt2X"), Punkt2X);
    knoten.ZahlHinzufuegen(S(u"Punkt2Y"), Punkt2Y);
}

void TLinie::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(S(u"Punkt1X"), Punkt1X);
    knoten.ZahlLesen(S(u"Punkt1Y"), Punkt1Y);
    knoten.ZahlLesen(S(u"Punkt2X"), Punkt2X);
    knoten.ZahlLesen(S(u"Punkt2Y"), Punkt2Y);
}

// ---------------------------------------------------------------------------
// Polyline: closed flag and folding; the vertices are its sub-objects

void TLinienZug::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.WahrheitswertHinzufuegen(S(u"geschlossen"), Geschlossen != 0);
    knoten.WahrheitswertHinzufuegen(S(u"ObjektdiagrammZusammengefaltet"), ObjektdiagrammZusammengefaltet);
    // The angle the polyline was turned to; only when there is one, so that
    // files of polylines never turned stay as they were.
    if (Drehung != 0.0)
        knoten.ZahlHinzufuegen(S(u"Winkel"), Drehung);
}

void TLinienZug::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    bool geschlossen = Geschlossen != 0;
    if (knoten.WahrheitswertLesen(S(u"geschlossen"), geschlossen))
        Geschlossen = geschlossen ? 1 : 0;
    knoten.WahrheitswertLesen(S(u"ObjektdiagrammZusammengefaltet"), ObjektdiagrammZusammengefaltet);
    Drehung = 0.0;
    knoten.ZahlLesen(S(u"Winkel"), Drehung);
}

// ---------------------------------------------------------------------------
// Vertex of a polyline

void TLinienZugPunkt::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(S(u"X"), X);
    knoten.ZahlHinzufuegen(S(u"Y"), Y);
    knoten.AbschnittArtHinzufuegen(S(u"AbschnittArt"), AbschnittArt);
}

void TLinienZugPunkt::AusXMLLesen(const TXMLKnoten &knoten)
{
    TObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(S(u"X"), X);
    knoten.ZahlLesen(S(u"Y"), Y);
    knoten.AbschnittArtLesen(S(u"AbschnittArt"), AbschnittArt);
    // A vertex's bounding box is the point itself.
    Umgebungsrechteck.Links = Umgebungsrechteck.Rechts = X;
    Umgebungsrechteck.Unten = Umgebungsrechteck.Oben = Y;
}

// ---------------------------------------------------------------------------
// Regular polygon: length before width, and the corner count

void TVielEck::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(S(u"Länge"), Länge);
    knoten.ZahlHinzufuegen(S(u"Breite"), Breite);
    knoten.ZahlHinzufuegen(S(u"Winkel"), Winkel);
    knoten.GanzzahlHinzufuegen(S(u"Eckenanzahl"), Eckenzahl);
}

void TVielEck::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(S(u"Länge"), Länge);
    knoten.ZahlLesen(S(u"Breite"), Breite);
    knoten.ZahlLesen(S(u"Winkel"), Winkel);
    knoten.GanzzahlLesen(S(u"Eckenanzahl"), Eckenzahl);
    // A count that eckenzahlSetzen would refuse is brought into its range.
    Eckenzahl = std::clamp<std::int32_t>(Eckenzahl, MinimaleEckenzahl, MaximaleEckenzahl);
}

// ---------------------------------------------------------------------------
// Group: box, angle and folding; the members are its sub-objects

void TGruppe::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(S(u"Breite"), Breite);
    knoten.ZahlHinzufuegen(S(u"Länge"), Länge);
    // The box never turns (Winkel stays 0): "Winkel" keeps the angle the
    // group was turned to, 0 for a group never turned.
    knoten.ZahlHinzufuegen(S(u"Winkel"), Winkel + Zusatzwinkel);
    knoten.WahrheitswertHinzufuegen(S(u"ObjektdiagrammZusammengefaltet"), ObjektdiagrammZusammengefaltet);
}

void TGruppe::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(S(u"Breite"), Breite);
    knoten.ZahlLesen(S(u"Länge"), Länge);
    Winkel = 0.0;
    Zusatzwinkel = 0.0;
    knoten.ZahlLesen(S(u"Winkel"), Zusatzwinkel);
    knoten.WahrheitswertLesen(S(u"ObjektdiagrammZusammengefaltet"), ObjektdiagrammZusammengefaltet);
}

// ---------------------------------------------------------------------------
// Text field: the rectangle's attributes, then the text's, each written only
// when it differs from its default

namespace {
const TFarbe StandardSchriftfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
}

void TTextFeld::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TRechteck::InXMLSchreiben(knoten);
    if (Schriftart != QLatin1String("Arial"))
        knoten.TextHinzufuegen(S(u"Schriftart"), Schriftart);
    if (Schriftgröße != 12)
        knoten.GanzzahlHinzufuegen(S(u"Schriftgröße"), Schriftgröße);
    if (Fett)
        knoten.WahrheitswertHinzufuegen(S(u"Fett"), true);
    if (Kursiv)
        knoten.WahrheitswertHinzufuegen(S(u"Kursiv"), true);
    if (Ausrichtung != Werte::AusrichtungLinksbuendig)
        knoten.AusrichtungHinzufuegen(S(u"Ausrichtung"), Ausrichtung);
    if (!Text.isEmpty())
        knoten.TextHinzufuegen(S(u"Text"), Text);
    // The text colour is kept too (other readers ignore the attribute).
    if (Schriftfarbe != StandardSchriftfarbe)
        knoten.FarbeHinzufuegen(S(u"Schriftfarbe"), Schriftfarbe);
}

void TTextFeld::AusXMLLesen(const TXMLKnoten &knoten)
{
    TRechteck::AusXMLLesen(knoten);
    Schriftart = QStringLiteral("Arial");
    knoten.TextLesen(S(u"Schriftart"), Schriftart);
    Schriftgröße = 12;
    knoten.GanzzahlLesen(S(u"Schriftgröße"), Schriftgröße);
    // A size that schriftgroesseSetzen would refuse is brought into its range.
    Schriftgröße = std::clamp<std::int32_t>(Schriftgröße, KleinsteSchriftgroesse, GroessteSchriftgroesse);
    bool fett = false, kursiv = false;
    knoten.WahrheitswertLesen(S(u"Fett"), fett);
    knoten.WahrheitswertLesen(S(u"Kursiv"), kursiv);
    Fett = fett ? 1 : 0;
    Kursiv = kursiv ? 1 : 0;
    Ausrichtung = Werte::AusrichtungLinksbuendig;
    knoten.AusrichtungLesen(S(u"Ausrichtung"), Ausrichtung);
    Text.clear();
    knoten.TextLesen(S(u"Text"), Text);
    Schriftfarbe = StandardSchriftfarbe;
    knoten.FarbeLesen(S(u"Schriftfarbe"), Schriftfarbe);
}
