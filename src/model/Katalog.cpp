#include "model/Katalog.h"

#include <vector>
#include "model/Grossschreibung.h"

#include <array>
#include <vector>

namespace {
const std::array<const char16_t *, KlassenAnzahl> klassenNamen = {
    u"DOKUMENT", u"RECHTECK", u"ELLIPSE", u"LINIE", u"LINIENZUG",
    u"VIELECK",  u"PUNKT",    u"GRUPPE",  u"TEXTFELD"};
const std::array<const char16_t *, KlassenAnzahl> praefixe = {
    u"dokument", u"re", u"el", u"li", u"lz", u"ve", u"lp", u"gr", u"tf"};
const std::array<const char16_t *, MethodenAnzahl> methodenNamen = {
    u"",
    u"freigeben",
    u"verschieben",
    u"strecken",
    u"streckenLängeBreite",
    u"DiagonalenschnittpunktSetzen",
    u"LängeSetzen",
    u"BreiteSetzen",
    u"FüllfarbeSetzen",
    u"LinienfarbeSetzen",
    u"LinienartSetzen",
    u"LinienstärkeSetzen",
    u"drehen",
    u"streckenMitZentrumLB",
    u"streckenMitZentrum",
    u"drehenUm",
    u"winkelSetzen",
    u"vertikalSpiegeln",
    u"horizontalSpiegeln",
    u"schlucken",
    u"gruppierungAufheben",
    u"zeichnen",
    u"inDenVordergrundSetzen",
    u"inDenHintergrundSetzen",
    u"eineEbeneNachVorneSetzen",
    u"eineEbeneNachHintenSetzen",
    u"kopieren",
    u"einfügen",
    u"ausschneiden",
    u"hintergrundfarbeSetzen",
    u"radiusXSetzen",
    u"radiusYSetzen",
    u"mittelpunktSetzen",
    u"punkt1Setzen",
    u"punkt2Setzen",
    u"koordinatenSetzen",
    u"abschnittArtSetzen",
    u"öffnen",
    u"schließen",
    u"eckenzahlSetzen",
    u"ausrichtungSetzen",
    u"schriftfarbeSetzen",
    u"textSetzen",
    u"zeilehinzufügen",
    u"schriftartSetzen",
    u"schriftgroesseSetzen",
    u"fettSetzen",
    u"kursivSetzen",
    u"spiegelnAnVertikalerAchse",
    u"spiegelnAnHorizontalerAchse",
    u"spiegelnVertikal",
    u"spiegelnHorizontal",
};
const std::array<const char16_t *, AttributAnzahl> attributNamen = {
    u"Füllfarbe",       u"Linienfarbe",   u"Linienart",
    u"Linienstärke",    u"Breite",        u"Länge",
    u"DiagonalenschnittpunktX",           u"DiagonalenschnittpunktY",
    u"Winkel",          u"Hintergrundfarbe", u"RadiusX",
    u"RadiusY",         u"MittelpunktX",  u"MittelpunktY",
    u"Punkt1X",         u"Punkt1Y",       u"Punkt2X",
    u"Punkt2Y",         u"X",             u"Y",
    u"AbschnittArt",    u"Geschlossen",   u"Eckenzahl",
    u"Ausrichtung",     u"Schriftfarbe",  u"Text",
    u"Fett",            u"Kursiv",        u"Schriftart",
    u"Schriftgröße"};

// A table of names as strings, built once by the caller.
template <std::size_t N>
std::vector<QString> Zeichenketten(const std::array<const char16_t *, N> &tabelle)
{
    std::vector<QString> n;
    for (const char16_t *t : tabelle)
        n.push_back(QString::fromUtf16(t));
    return n;
}
} // namespace

QString KlassenNameZuId(int klassenId)
{
    if (klassenId < 0 || klassenId >= KlassenAnzahl)
        return QString();
    // Built once: reading a file and every card ask for class names.
    static const std::vector<QString> namen = Zeichenketten(klassenNamen);
    return namen[std::size_t(klassenId)];
}

QString NamensPraefixZuId(int klassenId)
{
    if (klassenId < 0 || klassenId >= KlassenAnzahl)
        return QString();
    return QString::fromUtf16(praefixe[klassenId]);
}

int KlassenIdZuName(const QString &name)
{
    for (int i = 0; i < KlassenAnzahl; ++i)
        if (name == QString::fromUtf16(klassenNamen[i]))
            return i;
    return -1;
}

int KlassenIdZuNameOhneGross(const QString &name)
{
    for (int i = 0; i < KlassenAnzahl; ++i)
        if (GleichOhneGross(name, QString::fromUtf16(klassenNamen[i])))
            return i;
    return -1;
}

QString MethodenName(int methodenId)
{
    if (methodenId < 0 || methodenId >= MethodenAnzahl)
        return QString();
    // Built once: every log text asks for its method's name.
    static const std::vector<QString> namen = Zeichenketten(methodenNamen);
    return namen[std::size_t(methodenId)];
}

QString AttributName(int attributId)
{
    if (attributId < 0 || attributId >= AttributAnzahl)
        return QString();
    return QString::fromUtf16(attributNamen[attributId]);
}
