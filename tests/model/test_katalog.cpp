// The class registry and the exact method and attribute lists of every class.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"

#include <gtest/gtest.h>

namespace {

struct Umgebung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};
};

QStringList methodenNamen(const TObjekt &o)
{
    QStringList namen;
    for (const auto &m : o.Methoden())
        namen << m->Name();
    return namen;
}

QStringList attributNamen(const TObjekt &o)
{
    QStringList namen;
    for (const auto &a : o.Attribute())
        namen << a.Name();
    return namen;
}

QString signatur(const TMethode &m)
{
    QStringList teile;
    for (const auto &p : m.Parameter)
        teile << p.Name + QLatin1Char(':') + QString::number(p.Art);
    return m.Name() + QLatin1Char('(') + teile.join(QLatin1Char(',')) + QLatin1Char(')');
}


QStringList basisMethoden()
{
    return {QStringLiteral("zeichnen"),
            QStringLiteral("freigeben"),
            QStringLiteral("verschieben"),
            QStringLiteral("strecken"),
            QStringLiteral("streckenMitZentrum"),
            QStringLiteral("drehen"),
            QStringLiteral("drehenUm"),
            QStringLiteral("LinienfarbeSetzen"),
            QStringLiteral("LinienartSetzen"),
            QStringLiteral("LinienstärkeSetzen"),
            QStringLiteral("inDenVordergrundSetzen"),
            QStringLiteral("inDenHintergrundSetzen"),
            QStringLiteral("eineEbeneNachVorneSetzen"),
            QStringLiteral("eineEbeneNachHintenSetzen"),
            QStringLiteral("kopieren"),
            QStringLiteral("ausschneiden")};
}

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
    EXPECT_EQ(u.klassen.RECHTECK->KlassenName(), QStringLiteral("RECHTECK"));
    EXPECT_EQ(u.klassen.PUNKT->KlassenName(), QStringLiteral("PUNKT"));
    EXPECT_EQ(u.klassen.TEXTFELD->KlassenName(), QStringLiteral("TEXTFELD"));
    EXPECT_EQ(u.klassen.KlasseZuName(QStringLiteral("ELLIPSE")), u.klassen.ELLIPSE);
    // Class names are matched case-sensitively here.
    EXPECT_EQ(u.klassen.KlasseZuName(QStringLiteral("Rechteck")), nullptr);
    EXPECT_EQ(u.klassen.ObjektErzeugen(QStringLiteral("DOKUMENT")), nullptr);
    EXPECT_EQ(u.klassen.ObjektErzeugen(QStringLiteral("KREIS")), nullptr);
    EXPECT_EQ(u.dokument.Name, QStringLiteral("dokument1"));
}

TEST(Klassenverzeichnis, RechteckVollstaendig)
{
    Umgebung u;
    QStringList erwartet = basisMethoden();
    erwartet << QStringLiteral("FüllfarbeSetzen") << QStringLiteral("winkelSetzen")
             << QStringLiteral("streckenLängeBreite") << QStringLiteral("DiagonalenschnittpunktSetzen")
             << QStringLiteral("LängeSetzen") << QStringLiteral("BreiteSetzen");
    EXPECT_EQ(methodenNamen(*u.klassen.RECHTECK), erwartet);
    EXPECT_EQ(attributNamen(*u.klassen.RECHTECK),
              (QStringList{QStringLiteral("Linienfarbe"), QStringLiteral("Linienart"),
                           QStringLiteral("Linienstärke"), QStringLiteral("Füllfarbe"),
                           QStringLiteral("Winkel"), QStringLiteral("Länge"),
                           QStringLiteral("Breite"), QStringLiteral("DiagonalenschnittpunktX"),
                           QStringLiteral("DiagonalenschnittpunktY")}));
    // Parameter names and kinds.
    const auto *verschieben = u.klassen.RECHTECK->FindeMethode(QStringLiteral("VERSCHIEBEN"));
    ASSERT_NE(verschieben, nullptr);
    EXPECT_EQ(signatur(*verschieben), QStringLiteral("verschieben(x-Verschiebung:1,y-Verschiebung:1)"));
    EXPECT_EQ(signatur(*u.klassen.RECHTECK->FindeMethode(QStringLiteral("drehenum"))),
              QStringLiteral("drehenUm(DrehpunktX:1,DrehpunktY:1,Drehwinkel:2)"));
    EXPECT_EQ(signatur(*u.klassen.RECHTECK->FindeMethode(QStringLiteral("streckenlängebreite"))),
              QStringLiteral("streckenLängeBreite(FaktorLänge:7,FaktorBreite:7)"));
    EXPECT_EQ(signatur(*u.klassen.RECHTECK->FindeMethode(QStringLiteral("LinienartSetzen"))),
              QStringLiteral("LinienartSetzen(Linienart:3)"));
    EXPECT_EQ(u.klassen.RECHTECK->FindeMethode(QStringLiteral("radiusXSetzen")), nullptr);
}

TEST(Klassenverzeichnis, EllipseLinieVieleckPunkt)
{
    Umgebung u;
    QStringList box = basisMethoden();
    box << QStringLiteral("FüllfarbeSetzen") << QStringLiteral("winkelSetzen")
        << QStringLiteral("streckenLängeBreite");
    EXPECT_EQ(methodenNamen(*u.klassen.ELLIPSE),
              (box + QStringList{QStringLiteral("radiusXSetzen"), QStringLiteral("radiusYSetzen"),
                                QStringLiteral("mittelpunktSetzen")}));
    EXPECT_EQ(attributNamen(*u.klassen.ELLIPSE).mid(5),
              (QStringList{QStringLiteral("RadiusX"), QStringLiteral("RadiusY"),
                           QStringLiteral("MittelpunktX"), QStringLiteral("MittelpunktY")}));
    EXPECT_EQ(signatur(*u.klassen.ELLIPSE->FindeMethode(QStringLiteral("mittelpunktSetzen"))),
              QStringLiteral("mittelpunktSetzen(X-Koordinate:1,Y-Koordinate:1)"));

    // The line has no box-figure methods.
    EXPECT_EQ(methodenNamen(*u.klassen.LINIE),
              (basisMethoden() + QStringList{QStringLiteral("punkt1Setzen"), QStringLiteral("punkt2Setzen")}));
    EXPECT_EQ(u.klassen.LINIE->FindeMethode(QStringLiteral("FüllfarbeSetzen")), nullptr);
    EXPECT_EQ(u.klassen.LINIE->FindeMethode(QStringLiteral("winkelSetzen")), nullptr);
    EXPECT_EQ(attributNamen(*u.klassen.LINIE),
              (QStringList{QStringLiteral("Linienfarbe"), QStringLiteral("Linienart"),
                           QStringLiteral("Linienstärke"), QStringLiteral("Punkt1X"),
                           QStringLiteral("Punkt1Y"), QStringLiteral("Punkt2X"),
                           QStringLiteral("Punkt2Y")}));

    EXPECT_EQ(methodenNamen(*u.klassen.VIELECK),
              (box + QStringList{QStringLiteral("LängeSetzen"), QStringLiteral("BreiteSetzen"),
                                QStringLiteral("eckenzahlSetzen")}));
    EXPECT_EQ(signatur(*u.klassen.VIELECK->FindeMethode(QStringLiteral("eckenzahlsetzen"))),
              QStringLiteral("eckenzahlSetzen(Eckenzahl:6)"));
    EXPECT_EQ(attributNamen(*u.klassen.VIELECK).mid(5),
              (QStringList{QStringLiteral("Breite"), QStringLiteral("Länge"),
                           QStringLiteral("MittelpunktX"), QStringLiteral("MittelpunktY"),
                           QStringLiteral("Eckenzahl")}));

    EXPECT_EQ(methodenNamen(*u.klassen.LINIENZUG),
              (box + QStringList{QStringLiteral("schließen"), QStringLiteral("öffnen")}));
    EXPECT_EQ(attributNamen(*u.klassen.LINIENZUG).last(), QStringLiteral("Geschlossen"));

    EXPECT_EQ(methodenNamen(*u.klassen.PUNKT),
              (QStringList{QStringLiteral("zeichnen"), QStringLiteral("freigeben"),
                           QStringLiteral("koordinatenSetzen"), QStringLiteral("abschnittArtSetzen")}));
    EXPECT_EQ(signatur(*u.klassen.PUNKT->FindeMethode(QStringLiteral("abschnittArtSetzen"))),
              QStringLiteral("abschnittArtSetzen(Art:9)"));
    EXPECT_EQ(attributNamen(*u.klassen.PUNKT),
              (QStringList{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("AbschnittArt")}));
}

TEST(Klassenverzeichnis, GruppeTextfeldDokument)
{
    Umgebung u;
    QStringList gruppe = basisMethoden();
    gruppe << QStringLiteral("FüllfarbeSetzen") << QStringLiteral("winkelSetzen")
           << QStringLiteral("schlucken") << QStringLiteral("gruppierungAufheben");
    EXPECT_EQ(methodenNamen(*u.klassen.GRUPPE), gruppe);
    EXPECT_EQ(u.klassen.GRUPPE->FindeMethode(QStringLiteral("streckenLängeBreite")), nullptr);
    EXPECT_EQ(signatur(*u.klassen.GRUPPE->FindeMethode(QStringLiteral("schlucken"))),
              QStringLiteral("schlucken(Objekt:8)"));

    const QStringList text = methodenNamen(*u.klassen.TEXTFELD);
    EXPECT_EQ(text.mid(0, 8),
              (QStringList{QStringLiteral("zeilehinzufügen"), QStringLiteral("textSetzen"),
                           QStringLiteral("schriftgroesseSetzen"), QStringLiteral("schriftartSetzen"),
                           QStringLiteral("schriftfarbeSetzen"), QStringLiteral("ausrichtungSetzen"),
                           QStringLiteral("kursivSetzen"), QStringLiteral("fettSetzen")}));
    EXPECT_EQ(text.mid(8), methodenNamen(*u.klassen.RECHTECK));
    EXPECT_EQ(attributNamen(*u.klassen.TEXTFELD),
              (QStringList{QStringLiteral("Text"), QStringLiteral("Schriftgröße"),
                           QStringLiteral("Schriftart"), QStringLiteral("Schriftfarbe"),
                           QStringLiteral("Ausrichtung"), QStringLiteral("Kursiv"),
                           QStringLiteral("Fett")} +
               attributNamen(*u.klassen.RECHTECK)));
    EXPECT_EQ(signatur(*u.klassen.TEXTFELD->FindeMethode(QStringLiteral("fettSetzen"))),
              QStringLiteral("fettSetzen(IstFett:4)"));

    EXPECT_EQ(methodenNamen(u.dokument),
              (QStringList{QStringLiteral("zeichnen"), QStringLiteral("einfügen"),
                           QStringLiteral("hintergrundfarbeSetzen")}));
    EXPECT_EQ(attributNamen(u.dokument), QStringList{QStringLiteral("Hintergrundfarbe")});
}

TEST(Klassenverzeichnis, ObjekteTeilenDieListenIhrerKlasse)
{
    Umgebung u;
    auto r = u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK"));
    ASSERT_NE(r, nullptr);
    EXPECT_FALSE(r->IstKlasse);
    EXPECT_EQ(r->Klasse, u.klassen.RECHTECK);
    EXPECT_EQ(r->KlassenId, KlasseRechteck);
    EXPECT_EQ(&r->Methoden(), &u.klassen.RECHTECK->Methoden());
    EXPECT_EQ(&r->Attribute(), &u.klassen.RECHTECK->Attribute());
    EXPECT_TRUE(r->Name.isEmpty());
    // Made without a name: nothing logged.
    EXPECT_TRUE(u.analysator.Protokoll().empty());
}
