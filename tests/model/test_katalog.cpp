// The class registry: order, ids, names and the lists objects share.
#include "modell_hilfen.h"

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
