// Object base and document: layers, names, background, drawing.
#include "modell_hilfen.h"

TEST(Ebenen, ProtokolliertNurWennSichEtwasBewegt)
{
    Umgebung u;
    TObjekt *a = u.neu("RECHTECK");
    TObjekt *b = u.neu("RECHTECK");
    TObjekt *c = u.neu("RECHTECK");
    // The frontmost one cannot go further forward, the backmost one not further back: nothing
    // logged.
    EXPECT_EQ(ausfuehren(c, MEineEbeneNachVorneSetzen), "");
    EXPECT_EQ(ausfuehren(a, MEineEbeneNachHintenSetzen), "");
    EXPECT_EQ(u.log().size(), 3);
    // "To the front" logs even when already in front.
    EXPECT_EQ(ausfuehren(c, MInDenVordergrundSetzen), "");
    EXPECT_EQ(u.log().last(), "re2.inDenVordergrundSetzen(  )");
    EXPECT_EQ(ausfuehren(a, MEineEbeneNachVorneSetzen), "");
    EXPECT_EQ(u.dokument.TeilIndex(a), 1);
    EXPECT_EQ(u.log().last(), "re0.eineEbeneNachVorneSetzen(  )");
    EXPECT_EQ(ausfuehren(c, MInDenHintergrundSetzen), "");
    EXPECT_EQ(u.dokument.TeilIndex(c), 0);
    EXPECT_EQ(u.dokument.TeilIndex(b), 1);
    EXPECT_EQ(u.dokument.TeilIndex(a), 2);
    EXPECT_EQ(u.log().last(), "re2.inDenHintergrundSetzen(  )");
    EXPECT_EQ(ausfuehren(a, MEineEbeneNachHintenSetzen), "");
    EXPECT_EQ(u.log().last(), "re0.eineEbeneNachHintenSetzen(  )");
    // A name given by hand is skipped by the generator (no second "re3").
    c->Name = QStringLiteral("RE3");
    EXPECT_EQ(u.neu("RECHTECK")->Name, QStringLiteral("re4"));
}

TEST(Zeichnen, GruppeBenenntIhreTeileUndProtokolliertVerschachtelt)
{
    Umgebung u;
    auto gruppe = u.klassen.ObjektErzeugen(QStringLiteral("GRUPPE"));
    gruppe->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK")));
    gruppe->TeilAnhaengen(u.klassen.ObjektErzeugen(QStringLiteral("ELLIPSE")));
    gruppe->NamenVergeben();
    TObjekt *g = u.dokument.TeilAnhaengen(std::move(gruppe));
    EXPECT_EQ(g->Teile[0]->Besitzer, g);
    EXPECT_EQ(ausfuehren(g, MZeichnen), "Kein Neuzeichnen");
    // The document's own zeichnen nests every figure.
    EXPECT_EQ(ausfuehren(&u.dokument, MZeichnen), "Kein Neuzeichnen");
    EXPECT_EQ(u.log(),
              QStringList({"gr0.zeichnen(  )", "  re0.zeichnen(  )", "  el0.zeichnen(  )", "dokument1.zeichnen(  )",
                           "  gr0.zeichnen(  )", "    re0.zeichnen(  )", "    el0.zeichnen(  )"}));
    EXPECT_EQ(u.analysator.Protokoll().back()->AnzahlMitUnteraufrufen(), 4);
    EXPECT_EQ(u.analysator.OffeneAnzahl(), 0);
}
