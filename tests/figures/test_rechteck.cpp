// Rectangle: outline, bounding box, hit tests and the calls logged when it
// is drawn with the mouse.
#include "figuren1_hilfen.h"

#include <cmath>

namespace {

constexpr double eps = 1e-9;

TRechteck *rechteck(TFigurUmgebung &u, double mx, double my, double l, double b, double w = 0)
{
    auto *r = u.Neu<TRechteck>("RECHTECK");
    r->MitteX = mx;
    r->MitteY = my;
    r->Länge = l;
    r->Breite = b;
    r->Winkel = w;
    r->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    r->Linienfarbe = TFarbe::Echt(0);
    r->GeometrieBerechnen();
    return r;
}

TEST(Rechteck, EckenGegenDenUhrzeigersinnVonObenRechts)
{
    TFigurUmgebung u;
    auto *r = rechteck(u, 5, 4, 4, 2);
    const double erwartet[4][2] = {{7, 5}, {3, 5}, {3, 3}, {7, 3}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(r->Ecken[i].X, erwartet[i][0], eps);
        EXPECT_NEAR(r->Ecken[i].Y, erwartet[i][1], eps);
    }
    TZeichenflaeche *zf = TZeichenflaeche::Aktuell();
    EXPECT_EQ(r->Bildpunkte[0], QPoint(zf->XPixel(7), zf->YPixel(5)));
    EXPECT_EQ(r->Bildpunkte[2], QPoint(zf->XPixel(3), zf->YPixel(3)));

    r->Winkel = 90;
    r->GeometrieBerechnen();
    EXPECT_NEAR(r->Ecken[0].X, 4, eps);
    EXPECT_NEAR(r->Ecken[0].Y, 6, eps);
    EXPECT_NEAR(r->Umgebungsrechteck.Links, 4, eps);
    EXPECT_NEAR(r->Umgebungsrechteck.Rechts, 6, eps);
    EXPECT_NEAR(r->Umgebungsrechteck.Unten, 2, eps);
    EXPECT_NEAR(r->Umgebungsrechteck.Oben, 6, eps);
}

TEST(Rechteck, UmgebungsrechteckAuchWeitAusserhalb)
{
    TFigurUmgebung u;
    auto *r = rechteck(u, 50000, -30000, 2, 2);
    EXPECT_NEAR(r->Umgebungsrechteck.Links, 49999, 1e-6);
    EXPECT_NEAR(r->Umgebungsrechteck.Rechts, 50001, 1e-6);
    EXPECT_NEAR(r->Umgebungsrechteck.Oben, -29999, 1e-6);
    EXPECT_TRUE(r->Getroffen(nullptr, 50000, -30000));
}

TEST(Rechteck, GefuelltFlaechentestMitHalboffenerRegel)
{
    TFigurUmgebung u;
    auto *r = rechteck(u, 5, 4, 4, 2);
    EXPECT_TRUE(r->Getroffen(nullptr, 5, 4));   // the exact centre
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

TEST(Rechteck, OhneFuellungNurAmRandGetroffen)
{
    TFigurUmgebung u;
    TZeichenflaeche zf;
    auto *r = rechteck(u, 5, 4, 4, 2);
    r->Füllfarbe = TFarbe::Unsichtbar();
    r->Linienstärke = 0.2;
    EXPECT_FALSE(r->Getroffen(&zf, 5, 4));
    EXPECT_TRUE(r->Getroffen(&zf, 5, 4.85));
    EXPECT_TRUE(r->Getroffen(&zf, 3.1, 4));
    EXPECT_FALSE(r->Getroffen(&zf, 5, 4.7));
    // Outside the bounding box itself the outline test refuses.
    EXPECT_FALSE(r->Getroffen(&zf, 5, 5.05));

    // A text field is hit anywhere inside, whatever its fill.
    auto *t = u.Neu<TRechteck>("TEXTFELD");
    t->MitteX = 5;
    t->MitteY = 4;
    t->Länge = 4;
    t->Breite = 2;
    t->Füllfarbe = TFarbe::Unsichtbar();
    t->GeometrieBerechnen();
    EXPECT_TRUE(t->Getroffen(&zf, 5, 4));
}

TEST(Rechteck, FlacheFigurAmUmrissGetroffen)
{
    TFigurUmgebung u;
    TZeichenflaeche zf;
    auto *r = rechteck(u, 5, 4, 4, 0);
    EXPECT_TRUE(r->Getroffen(&zf, 5, 4.01));
    EXPECT_FALSE(r->Getroffen(&zf, 5, 4.2));
}

TEST(Rechteck, AttributeUndMethodenliste)
{
    TFigurUmgebung u;
    auto *r = rechteck(u, 5, 4, 4, 2, 30);
    EXPECT_DOUBLE_EQ(r->AttributWert(ALaenge)->Zahl(), 4);
    EXPECT_DOUBLE_EQ(r->AttributWert(ADiagonalenschnittpunktY)->Zahl(), 4);
    EXPECT_DOUBLE_EQ(r->AttributWert(AWinkel)->Zahl(), 30);
    EXPECT_NE(r->FindeMethode(QStringLiteral("streckenlängebreite")), nullptr);
    EXPECT_EQ(r->FindeMethode(QStringLiteral("streckenMitZentrumLB")), nullptr);
}

} // namespace
