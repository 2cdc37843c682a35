// The XML operations of the figures and the polyline vertices. Each class
// writes and reads its base class's attributes first, then its own; values
// missing in a file keep what the new object got from its class prototype
// unless a fixed default is named here.
#include "figures/UZeichenObjekte.h"
#include "model/Werte.h"
#include "persistence/XMLKnoten.h"

#include <algorithm>

// Attribute names as static string data: opening a file reads them for
// every object, and building each of them anew cost a tenth of the time.
using namespace Qt::Literals::StringLiterals;

// ---------------------------------------------------------------------------
// Figure base: fill, line and reference point

void TZeichenObjekt::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TObjekt::InXMLSchreiben(knoten);
    knoten.FarbeHinzufuegen(u"Füllfarbe"_s, Füllfarbe);
    knoten.FarbeHinzufuegen(u"Linienfarbe"_s, Linienfarbe);
    knoten.ZahlHinzufuegen(u"Linienstärke"_s, Linienstärke);
    if (Linienart != Werte::LinienartDurchgezogen)
        knoten.LinienartHinzufuegen(u"Linienart"_s, Linienart);
    knoten.ZahlHinzufuegen(u"MitteX"_s, MitteX);
    knoten.ZahlHinzufuegen(u"MitteY"_s, MitteY);
}

void TZeichenObjekt::AusXMLLesen(const TXMLKnoten &knoten)
{
    TObjekt::AusXMLLesen(knoten);
    knoten.FarbeLesen(u"Füllfarbe"_s, Füllfarbe);
    knoten.FarbeLesen(u"Linienfarbe"_s, Linienfarbe);
    knoten.ZahlLesen(u"Linienstärke"_s, Linienstärke);
    Linienart = Werte::LinienartDurchgezogen;
    knoten.LinienartLesen(u"Linienart"_s, Linienart);
    knoten.ZahlLesen(u"MitteX"_s, MitteX);
    knoten.ZahlLesen(u"MitteY"_s, MitteY);
}

// ---------------------------------------------------------------------------
// Rectangle (and text field): width, length, angle

void TRechteck::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(u"Breite"_s, Breite);
    knoten.ZahlHinzufuegen(u"Länge"_s, Länge);
    knoten.ZahlHinzufuegen(u"Winkel"_s, Winkel);
}

void TRechteck::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(u"Breite"_s, Breite);
    knoten.ZahlLesen(u"Länge"_s, Länge);
    knoten.ZahlLesen(u"Winkel"_s, Winkel);
}

// ---------------------------------------------------------------------------
// Ellipse: the radii are half the box length and width

void TEllipse::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(u"RadiusX"_s, Länge / 2.0);
    knoten.ZahlHinzufuegen(u"RadiusY"_s, Breite / 2.0);
    knoten.ZahlHinzufuegen(u"Winkel"_s, Winkel);
}

void TEllipse::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    double radius = 0.0;
    if (knoten.ZahlLesen(u"RadiusX"_s, radius))
        Länge = 2.0 * radius;
    if (knoten.ZahlLesen(u"RadiusY"_s, radius))
        Breite = 2.0 * radius;
    knoten.ZahlLesen(u"Winkel"_s, Winkel);
}

// ---------------------------------------------------------------------------
// Line: the two end points

void TLinie::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(u"Punkt1X"_s, Punkt1X);
    knoten.ZahlHinzufuegen(u"Punkt1Y"_s, Punkt1Y);
    knoten.ZahlHinzufuegen(u"Punkt2X"_s, Punkt2X);
    knoten.ZahlHinzufuegen(u"Punkt2Y"_s, Punkt2Y);
}

void TLinie::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(u"Punkt1X"_s, Punkt1X);
    knoten.ZahlLesen(u"Punkt1Y"_s, Punkt1Y);
    knoten.ZahlLesen(u"Punkt2X"_s, Punkt2X);
    knoten.ZahlLesen(u"Punkt2Y"_s, Punkt2Y);
}

// ---------------------------------------------------------------------------
// Polyline: closed flag and folding; the vertices are its sub-objects

void TLinienZug::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.WahrheitswertHinzufuegen(u"geschlossen"_s, Geschlossen != 0);
    knoten.WahrheitswertHinzufuegen(u"ObjektdiagrammZusammengefaltet"_s, ObjektdiagrammZusammengefaltet);
    // The angle the polyline was turned to; only when there is one, so that
    // files of polylines never turned stay as they were.
    if (Drehung != 0.0)
        knoten.ZahlHinzufuegen(u"Winkel"_s, Drehung);
}

void TLinienZug::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    bool geschlossen = Geschlossen != 0;
    if (knoten.WahrheitswertLesen(u"geschlossen"_s, geschlossen))
        Geschlossen = geschlossen ? 1 : 0;
    knoten.WahrheitswertLesen(u"ObjektdiagrammZusammengefaltet"_s, ObjektdiagrammZusammengefaltet);
    Drehung = 0.0;
    knoten.ZahlLesen(u"Winkel"_s, Drehung);
}

// ---------------------------------------------------------------------------
// Vertex of a polyline

void TLinienZugPunkt::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(u"X"_s, X);
    knoten.ZahlHinzufuegen(u"Y"_s, Y);
    knoten.AbschnittArtHinzufuegen(u"AbschnittArt"_s, AbschnittArt);
}

void TLinienZugPunkt::AusXMLLesen(const TXMLKnoten &knoten)
{
    TObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(u"X"_s, X);
    knoten.ZahlLesen(u"Y"_s, Y);
    knoten.AbschnittArtLesen(u"AbschnittArt"_s, AbschnittArt);
    // A vertex's bounding box is the point itself.
    Umgebungsrechteck.Links = Umgebungsrechteck.Rechts = X;
    Umgebungsrechteck.Unten = Umgebungsrechteck.Oben = Y;
}

// ---------------------------------------------------------------------------
// Regular polygon: length before width, and the corner count

void TVielEck::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(u"Länge"_s, Länge);
    knoten.ZahlHinzufuegen(u"Breite"_s, Breite);
    knoten.ZahlHinzufuegen(u"Winkel"_s, Winkel);
    knoten.GanzzahlHinzufuegen(u"Eckenanzahl"_s, Eckenzahl);
}

void TVielEck::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(u"Länge"_s, Länge);
    knoten.ZahlLesen(u"Breite"_s, Breite);
    knoten.ZahlLesen(u"Winkel"_s, Winkel);
    knoten.GanzzahlLesen(u"Eckenanzahl"_s, Eckenzahl);
    // A count that eckenzahlSetzen would refuse is brought into its range.
    Eckenzahl = std::clamp<std::int32_t>(Eckenzahl, MinimaleEckenzahl, MaximaleEckenzahl);
}

// ---------------------------------------------------------------------------
// Group: box, angle and folding; the members are its sub-objects

void TGruppe::InXMLSchreiben(TXMLKnoten &knoten) const
{
    TZeichenObjekt::InXMLSchreiben(knoten);
    knoten.ZahlHinzufuegen(u"Breite"_s, Breite);
    knoten.ZahlHinzufuegen(u"Länge"_s, Länge);
    // The box never turns (Winkel stays 0): "Winkel" keeps the angle the
    // group was turned to, 0 for a group never turned.
    knoten.ZahlHinzufuegen(u"Winkel"_s, Winkel + Zusatzwinkel);
    knoten.WahrheitswertHinzufuegen(u"ObjektdiagrammZusammengefaltet"_s, ObjektdiagrammZusammengefaltet);
}

void TGruppe::AusXMLLesen(const TXMLKnoten &knoten)
{
    TZeichenObjekt::AusXMLLesen(knoten);
    knoten.ZahlLesen(u"Breite"_s, Breite);
    knoten.ZahlLesen(u"Länge"_s, Länge);
    Winkel = 0.0;
    Zusatzwinkel = 0.0;
    knoten.ZahlLesen(u"Winkel"_s, Zusatzwinkel);
    knoten.WahrheitswertLesen(u"ObjektdiagrammZusammengefaltet"_s, ObjektdiagrammZusammengefaltet);
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
        knoten.TextHinzufuegen(u"Schriftart"_s, Schriftart);
    if (Schriftgröße != 12)
        knoten.GanzzahlHinzufuegen(u"Schriftgröße"_s, Schriftgröße);
    if (Fett)
        knoten.WahrheitswertHinzufuegen(u"Fett"_s, true);
    if (Kursiv)
        knoten.WahrheitswertHinzufuegen(u"Kursiv"_s, true);
    if (Ausrichtung != Werte::AusrichtungLinksbuendig)
        knoten.AusrichtungHinzufuegen(u"Ausrichtung"_s, Ausrichtung);
    if (!Text.isEmpty())
        knoten.TextHinzufuegen(u"Text"_s, Text);
    // The text colour is kept too (other readers ignore the attribute).
    if (Schriftfarbe != StandardSchriftfarbe)
        knoten.FarbeHinzufuegen(u"Schriftfarbe"_s, Schriftfarbe);
}

void TTextFeld::AusXMLLesen(const TXMLKnoten &knoten)
{
    TRechteck::AusXMLLesen(knoten);
    Schriftart = QStringLiteral("Arial");
    knoten.TextLesen(u"Schriftart"_s, Schriftart);
    Schriftgröße = 12;
    knoten.GanzzahlLesen(u"Schriftgröße"_s, Schriftgröße);
    // A size that schriftgroesseSetzen would refuse is brought into its range.
    Schriftgröße = std::clamp<std::int32_t>(Schriftgröße, KleinsteSchriftgroesse, GroessteSchriftgroesse);
    bool fett = false, kursiv = false;
    knoten.WahrheitswertLesen(u"Fett"_s, fett);
    knoten.WahrheitswertLesen(u"Kursiv"_s, kursiv);
    Fett = fett ? 1 : 0;
    Kursiv = kursiv ? 1 : 0;
    Ausrichtung = Werte::AusrichtungLinksbuendig;
    knoten.AusrichtungLesen(u"Ausrichtung"_s, Ausrichtung);
    Text.clear();
    knoten.TextLesen(u"Text"_s, Text);
    Schriftfarbe = StandardSchriftfarbe;
    knoten.FarbeLesen(u"Schriftfarbe"_s, Schriftfarbe);
}
