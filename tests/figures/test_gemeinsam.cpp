// The common values of a list of figures (selection panels, groups).
#include "figuren_hilfen.h"
#include "figures/Gemeinsamkeitsfinder.h"

using Gemeinsamkeitsfinder = Figuren;

TEST_F(Gemeinsamkeitsfinder, LeereListeIstUneinheitlich)
{
    TGemeinsamkeitsfinder f;
    f.GemeinsameWerte({});
    ASSERT_TRUE(f.Füllfarbe.has_value());
    EXPECT_EQ(f.Füllfarbe->FarbArt, FarbArtNichtEinheitlich);
    EXPECT_EQ(f.Linienfarbe->FarbArt, FarbArtNichtEinheitlich);
    EXPECT_EQ(f.MausGesperrt, 2);
    EXPECT_EQ(f.TastaturGesperrt, 2);
}

TEST_F(Gemeinsamkeitsfinder, GleicheUndVerschiedeneWerte)
{
    TRechteck *a = u.rechteck(1, 1, 1, 1);
    TRechteck *b = u.rechteck(3, 1, 1, 1);
    TRechteck *c = u.rechteck(5, 1, 1, 1);
    b->Linienstärke = 0.01 + 0.00005; // within the tolerance
    c->MausGesperrt = 1;
    TGemeinsamkeitsfinder f;
    f.GemeinsameWerte({a, b});
    EXPECT_EQ(*f.Füllfarbe, TFarbe::Echt(FarbWert(255, 0, 0)));
    EXPECT_EQ(*f.Linienfarbe, TFarbe::Echt(0));
    EXPECT_EQ(f.Linienart, 1);
    EXPECT_DOUBLE_EQ(f.Linienstärke, 0.01);
    EXPECT_EQ(f.MausGesperrt, 0);

    c->Füllfarbe = TFarbe::Echt(FarbWert(0, 0, 255));
    c->Linienfarbe = TFarbe::Unsichtbar();
    c->Linienart = 2;
    c->Linienstärke = 0.2;
    f.GemeinsameWerte({a, b, c});
    // A differing colour is "mixed" and keeps the first figure's value.
    EXPECT_EQ(f.Füllfarbe->FarbArt, FarbArtNichtEinheitlich);
    EXPECT_EQ(f.Füllfarbe->Wert, FarbWert(255, 0, 0));
    EXPECT_EQ(f.Linienfarbe->FarbArt, FarbArtNichtEinheitlich);
    EXPECT_EQ(f.Linienart, 0);
    EXPECT_DOUBLE_EQ(f.Linienstärke, -1.0);
    EXPECT_EQ(f.MausGesperrt, 2);
    EXPECT_EQ(f.TastaturGesperrt, 0);

    // Same value, different kind: invisible against a real colour.
    a->Füllfarbe = TFarbe::Unsichtbar();
    b->Füllfarbe = TFarbe(FarbArtFarbe, 0);
    f.GemeinsameWerte({a, b});
    EXPECT_EQ(f.Füllfarbe->FarbArt, FarbArtNichtEinheitlich);
}
