// The class registry and the exact method and attribute lists of every class.
#include "modell_hilfen.h"

namespace {

QStringList methodenNamen(const TObjekt &o)
{
    QStringList l;
    for (const auto &m : o.Methoden())
        l << m->Name();
    return l;
}

QStringList attributNamen(const TObjekt &o)
{
    QStringList l;
    for (const auto &a : o.Attribute())
        l << a.Name();
    return l;
}

// Name and parameters (name:kind) of a method found by name.
QString signatur(const TObjekt *klasse, const char *name)
{
    const TMethode *m = klasse->FindeMethode(QString::fromUtf8(name));
    if (!m)
        return QStringLiteral("(fehlt)");
    QStringList teile;
    for (const auto &p : m->Parameter)
        teile << p.Name + QLatin1Char(':') + QString::number(p.Art);
    return m->Name() + QLatin1Char('(') + teile.join(QLatin1Char(',')) + QLatin1Char(')');
}

const QStringList basis = namen(
    "zeichnen freigeben verschieben strecken streckenMitZentrum drehen drehenUm LinienfarbeSetzen "
    "LinienartSetzen LinienstärkeSetzen inDenVordergrundSetzen inDenHintergrundSetzen "
    "eineEbeneNachVorneSetzen eineEbeneNachHintenSetzen kopieren ausschneiden");
const QStringList box = basis + namen("FüllfarbeSetzen winkelSetzen streckenLängeBreite");

} // namespace

TEST(Klassenverzeichnis, ReihenfolgeUndIds)
{
    Umgebung u;
    const auto &klassen = u.klassen.Klassen();
    ASSERT_EQ(klassen.size(), 9u);
    EXPECT_EQ(klassen[0], &u.dokument);
    for (int id = 0; id < 9; ++id) {
        EXPECT_EQ(klassen[id]->KlassenId, id);
        EXPECT_TRUE(klassen[id]->IstKlasse);
        EXPECT_EQ(klassen[id]->Klasse, klassen[id]);
        EXPECT_EQ(u.klassen.KlasseZuId(id), klassen[id]);
    }
    QStringList klassenNamen;
    for (const TObjekt *k : klassen)
        klassenNamen << k->KlassenName();
    EXPECT_EQ(klassenNamen, namen("DOKUMENT RECHTECK ELLIPSE LINIE LINIENZUG VIELECK PUNKT GRUPPE TEXTFELD"));
    EXPECT_EQ(u.klassen.KlasseZuName(QStringLiteral("ELLIPSE")), u.klassen.ELLIPSE);
    // Class names are matched case-sensitively here.
    EXPECT_EQ(u.klassen.KlasseZuName(QStringLiteral("Rechteck")), nullptr);
    EXPECT_EQ(u.klassen.ObjektErzeugen(QStringLiteral("DOKUMENT")), nullptr);
    EXPECT_EQ(u.klassen.ObjektErzeugen(QStringLiteral("KREIS")), nullptr);

    // Objects share the lists of their class; made without a name they log nothing.
    auto r = u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK"));
    ASSERT_NE(r, nullptr);
    EXPECT_FALSE(r->IstKlasse);
    EXPECT_EQ(r->Klasse, u.klassen.RECHTECK);
    EXPECT_EQ(r->KlassenId, KlasseRechteck);
    EXPECT_EQ(&r->Methoden(), &u.klassen.RECHTECK->Methoden());
    EXPECT_EQ(&r->Attribute(), &u.klassen.RECHTECK->Attribute());
    EXPECT_TRUE(r->Name.isEmpty());
    EXPECT_TRUE(u.analysator.Protokoll().empty());
}

TEST(Klassenverzeichnis, MethodenUndAttributeJeKlasse)
{
    Umgebung u;
    const TKlassenObjekte &k = u.klassen;
    EXPECT_EQ(methodenNamen(*k.RECHTECK),
              box + namen("DiagonalenschnittpunktSetzen LängeSetzen BreiteSetzen"));
    EXPECT_EQ(attributNamen(*k.RECHTECK), namen("Linienfarbe Linienart Linienstärke Füllfarbe Winkel Länge "
                                                "Breite DiagonalenschnittpunktX DiagonalenschnittpunktY"));
    EXPECT_EQ(methodenNamen(*k.ELLIPSE), box + namen("radiusXSetzen radiusYSetzen mittelpunktSetzen"));
    EXPECT_EQ(attributNamen(*k.ELLIPSE).mid(5), namen("RadiusX RadiusY MittelpunktX MittelpunktY"));
    // The line has no box-figure methods.
    EXPECT_EQ(methodenNamen(*k.LINIE), basis + namen("punkt1Setzen punkt2Setzen"));
    EXPECT_EQ(attributNamen(*k.LINIE), namen("Linienfarbe Linienart Linienstärke Punkt1X Punkt1Y Punkt2X Punkt2Y"));
    EXPECT_EQ(methodenNamen(*k.VIELECK), box + namen("LängeSetzen BreiteSetzen eckenzahlSetzen"));
    EXPECT_EQ(attributNamen(*k.VIELECK).mid(5), namen("Breite Länge MittelpunktX MittelpunktY Eckenzahl"));
    EXPECT_EQ(methodenNamen(*k.LINIENZUG), box + namen("schließen öffnen"));
    EXPECT_EQ(attributNamen(*k.LINIENZUG).last(), "Geschlossen");
    EXPECT_EQ(methodenNamen(*k.PUNKT), namen("zeichnen freigeben koordinatenSetzen abschnittArtSetzen"));
    EXPECT_EQ(attributNamen(*k.PUNKT), namen("X Y AbschnittArt"));
    EXPECT_EQ(methodenNamen(*k.GRUPPE), basis + namen("FüllfarbeSetzen winkelSetzen schlucken gruppierungAufheben"));
    EXPECT_EQ(methodenNamen(*k.TEXTFELD),
              namen("zeilehinzufügen textSetzen schriftgroesseSetzen schriftartSetzen schriftfarbeSetzen "
                    "ausrichtungSetzen kursivSetzen fettSetzen") +
                  methodenNamen(*k.RECHTECK));
    EXPECT_EQ(attributNamen(*k.TEXTFELD),
              namen("Text Schriftgröße Schriftart Schriftfarbe Ausrichtung Kursiv Fett") + attributNamen(*k.RECHTECK));
    EXPECT_EQ(methodenNamen(u.dokument), namen("zeichnen einfügen hintergrundfarbeSetzen"));
    EXPECT_EQ(attributNamen(u.dokument), QStringList{"Hintergrundfarbe"});
}

// Methods are found without regard to case, with their parameter names and kinds.
TEST(Klassenverzeichnis, Signaturen)
{
    Umgebung u;
    const TKlassenObjekte &k = u.klassen;
    const std::tuple<const TObjekt *, const char *, const char *> faelle[] = {
        {k.RECHTECK, "VERSCHIEBEN", "verschieben(x-Verschiebung:1,y-Verschiebung:1)"},
        {k.RECHTECK, "drehenum", "drehenUm(DrehpunktX:1,DrehpunktY:1,Drehwinkel:2)"},
        {k.RECHTECK, "streckenlängebreite", "streckenLängeBreite(FaktorLänge:7,FaktorBreite:7)"},
        {k.RECHTECK, "LinienartSetzen", "LinienartSetzen(Linienart:3)"},
        {k.RECHTECK, "LängeSetzen", "LängeSetzen(Länge:1)"},
        {k.RECHTECK, "DiagonalenschnittpunktSetzen", "DiagonalenschnittpunktSetzen(x:1,y:1)"},
        {k.RECHTECK, "FüllfarbeSetzen", "FüllfarbeSetzen(Füllfarbe:0)"},
        {k.ELLIPSE, "radiusXSetzen", "radiusXSetzen(RadiusX:1)"},
        {k.LINIE, "punkt2Setzen", "punkt2Setzen(X-Koordinate:1,Y-Koordinate:1)"},
        {k.VIELECK, "BreiteSetzen", "BreiteSetzen(Breite:1)"},
        {k.ELLIPSE, "mittelpunktSetzen", "mittelpunktSetzen(X-Koordinate:1,Y-Koordinate:1)"},
        {k.VIELECK, "eckenzahlsetzen", "eckenzahlSetzen(Eckenzahl:6)"},
        {k.PUNKT, "abschnittArtSetzen", "abschnittArtSetzen(Art:9)"},
        {k.GRUPPE, "schlucken", "schlucken(Objekt:8)"},
        {k.TEXTFELD, "fettSetzen", "fettSetzen(IstFett:4)"},
    };
    for (const auto &[klasse, name, erwartet] : faelle)
        EXPECT_EQ(signatur(klasse, name), erwartet);
    // Methods a class does not have are not found.
    EXPECT_EQ(k.RECHTECK->FindeMethode(QStringLiteral("radiusXSetzen")), nullptr);
    EXPECT_EQ(k.LINIE->FindeMethode(QStringLiteral("FüllfarbeSetzen")), nullptr);
}
