// Rectangle: corners, bounding box and hit tests, filled, unfilled and flat.
#include "figuren_hilfen.h"

namespace {

using Rechteck = Figuren;

TEST_F(Rechteck, EckenGegenDenUhrzeigersinnVonObenRechts)
{
    auto *r = u.rechteck(5, 4, 4, 2);
    const double erwartet[4][2] = {{7, 5}, {3, 5}, {3, 3}, {7, 3}};
    for (int i = 0; i < 4; ++i)
        EXPECT_PUNKT(r->Ecken[i].X, r->Ecken[i].Y, erwartet[i][0], erwartet[i][1]);

    r->Winkel = 90;
    r->GeometrieBerechnen();
    EXPECT_PUNKT(r->Ecken[0].X, r->Ecken[0].Y, 4, 6);
    EXPECT_RAHMEN(r, 4, 6, 2, 6);

    // Far outside the sheet the box and the hit test still hold.
    auto *fern = u.rechteck(50000, -30000, 2, 2);
    EXPECT_NEAR(fern->Umgebungsrechteck.Links, 49999, 1e-6);
    EXPECT_NEAR(fern->Umgebungsrechteck.Rechts, 50001, 1e-6);
    EXPECT_NEAR(fern->Umgebungsrechteck.Oben, -29999, 1e-6);
    EXPECT_TRUE(fern->Getroffen(nullptr, 50000, -30000));
}

TEST_F(Rechteck, GefuelltFlaechentestMitHalboffenerRegel)
{
    auto *r = u.rechteck(5, 4, 4, 2);
    EXPECT_TRUE(r->Getroffen(nullptr, 5, 4)); // the exact centre
    EXPECT_TRUE(r->Getroffen(nullptr, 6.9, 3.1));
    EXPECT_FALSE(r->Getroffen(nullptr, 7.2, 4)); // outside, beyond the line width
    // On the horizontal line of the lower corners the point counts (one
    // end <= y, the other above); on that of the upper corners it does not.
    EXPECT_TRUE(r->Getroffen(nullptr, 5, 3));
    EXPECT_FALSE(r->Getroffen(nullptr, 5, 5));
    // Turned by 45 degrees: the corners of the box are no longer inside.
    r->Winkel = 45;
    r->GeometrieBerechnen();
    EXPECT_TRUE(r->Getroffen(nullptr, 5, 4));
    EXPECT_FALSE(r->Getroffen(nullptr, 6.9, 3.1));
    const TWeltPunkt innen = PunktDrehen(6.9, 4, 5, 4, 45);
    EXPECT_TRUE(r->Getroffen(nullptr, innen.X, innen.Y));
}

TEST_F(Rechteck, OhneFuellungUndFlachNurAmRandGetroffen)
{
    auto *r = u.rechteck(5, 4, 4, 2);
    r->Füllfarbe = TFarbe::Unsichtbar();
    r->Linienstärke = 0.2;
    EXPECT_FALSE(r->Getroffen(&zf, 5, 4));
    EXPECT_TRUE(r->Getroffen(&zf, 5, 4.85));
    EXPECT_TRUE(r->Getroffen(&zf, 3.1, 4));
    EXPECT_FALSE(r->Getroffen(&zf, 5, 4.7));
    // Outside the bounding box itself the outline test refuses.
    EXPECT_FALSE(r->Getroffen(&zf, 5, 5.05));

    // A text field is hit anywhere inside, whatever its fill.
    auto *t = u.box<TRechteck>("TEXTFELD", 5, 4, 4, 2);
    t->Füllfarbe = TFarbe::Unsichtbar();
    EXPECT_TRUE(t->Getroffen(&zf, 5, 4));

    // A flat rectangle, though filled, is hit along its outline only.
    auto *flach = u.rechteck(5, 4, 4, 0);
    EXPECT_TRUE(flach->Getroffen(&zf, 5, 4.01));
    EXPECT_FALSE(flach->Getroffen(&zf, 5, 4.2));
}

} // namespace
