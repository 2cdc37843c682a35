// Line: geometry operations and their log entries, drag creation with
// snapping, hit tests and handle places.
#include "figuren_hilfen.h"

namespace {

using Linie = Figuren;

TEST_F(Linie, DrehenWirdAlsDrehenUmDieMitteProtokolliert)
{
    auto *l = u.linie(0, 0, 2, 0);
    EXPECT_EQ(u.anzahl(), 0); // the point setters do not log
    l->drehen(90);
    EXPECT_PUNKT(l->Punkt1X, l->Punkt1Y, 1, -1);
    EXPECT_PUNKT(l->Punkt2X, l->Punkt2Y, 1, 1);
    EXPECT_EQ(u.zuletzt(), "li0.drehenUm( 10.00 mm, 0.00 mm, 90.00° )");
    EXPECT_EQ(u.letzter().MethodenId, MDrehenUm);
}

TEST_F(Linie, StreckenVerschiebenSpiegeln)
{
    auto *l = u.linie(1, 1, 3, 2);
    l->strecken(-2); // reflected through the centre (2, 1.5)
    EXPECT_PUNKT(l->Punkt1X, l->Punkt1Y, 4, 2.5);
    EXPECT_NEAR(l->Punkt2X, 0, Eps);
    EXPECT_EQ(u.zuletzt(), "li0.streckenMitZentrum( 2.00 cm, 1.50 cm, -200.000 % )");
    l->verschieben(1, 2);
    EXPECT_EQ(u.zuletzt(), "li0.verschieben( 10.00 mm, 2.00 cm )");
    EXPECT_PUNKT(l->MitteX, l->MitteY, 3, 3.5);
    EXPECT_NEAR(l->Umgebungsrechteck.Links, 1, Eps);
    const int vorher = u.anzahl();
    l->spiegelnAnVertikalerAchse(0);
    EXPECT_NEAR(l->Punkt1X, -5, Eps);
    EXPECT_NEAR(l->MitteX, -3, Eps);
    EXPECT_EQ(u.anzahl(), vorher);
    l->horizontalSpiegeln();
    EXPECT_NEAR(l->Punkt1Y, 2.5, Eps);
    EXPECT_NEAR(l->Punkt2Y, 4.5, Eps);
    EXPECT_EQ(u.zuletzt(), "li0.horizontalSpiegeln(  )");
}

TEST_F(Linie, MethodenAttributeUndKeineFuellung)
{
    auto *l = u.neu<TLinie>("LINIE");
    EXPECT_EQ(l->Füllfarbe.FarbArt, FarbArtUnsichtbar);
    ausfuehren(l, MPunkt1Setzen, Werte({Laenge(1), Laenge(2)}));
    ausfuehren(l, MPunkt2Setzen, Werte({Laenge(5), Laenge(-2)}));
    EXPECT_EQ(u.anzahl(), 0);
    EXPECT_PUNKT(l->MitteX, l->MitteY, 3, 0);
    EXPECT_EQ(attributTexte(l, {APunkt2Y, APunkt1X}), QStringList({"-2.00 cm", "10.00 mm"}));
    ausfuehren(l, MDrehen, Werte({Winkel(180)}));
    EXPECT_PUNKT(l->Punkt1X, l->Punkt1Y, 5, -2);
    auto kopie = l->Duplizieren(false);
    auto *k = static_cast<TLinie *>(kopie.get());
    EXPECT_PUNKT(k->Punkt2X, k->Punkt2Y, 1, 2);
    EXPECT_PUNKT(k->MitteX, k->MitteY, 3, 0);
}

TEST_F(Linie, AufziehenMitShiftRastetInFuenfzehnGradSchritten)
{
    auto *l = u.neu<TLinie>("LINIE");
    const double d = 4;
    auto ziehenUnter = [&](double grad) {
        const double a = grad * M_PI / 180;
        l->AufziehenBeginnen(nullptr, 1, 1);
        l->Aufziehen(nullptr, true, false, 1 + d * std::cos(a), 1 + d * std::sin(a));
        return VektorWinkel(l->Punkt2X - l->Punkt1X, l->Punkt2Y - l->Punkt1Y) * 180 / M_PI;
    };
    EXPECT_NEAR(ziehenUnter(22), 15, 1e-9);
    EXPECT_NEAR(std::hypot(l->Punkt2X - 1, l->Punkt2Y - 1), d, 1e-9);
    EXPECT_NEAR(ziehenUnter(23), 30, 1e-9);
    EXPECT_NEAR(ziehenUnter(-8), 345, 1e-9);
    ziehenUnter(-5); // 355 degrees snaps to the full turn
    EXPECT_PUNKT(l->Punkt2X, l->Punkt2Y, 5, 1);
    // Without Shift the direction stays as dragged.
    l->Aufziehen(nullptr, false, false, 2, 4);
    EXPECT_PUNKT(l->Punkt2X, l->Punkt2Y, 2, 4);
}

TEST_F(Linie, AufziehenMitStrgVonDerMitteAus)
{
    auto *l = u.neu<TLinie>("LINIE");
    l->AufziehenBeginnen(nullptr, 5, 5);
    l->Aufziehen(nullptr, false, true, 7, 5);
    EXPECT_PUNKT(l->Punkt1X, l->Punkt1Y, 3, 5);
    EXPECT_PUNKT(l->Punkt2X, l->Punkt2Y, 7, 5);
    EXPECT_NEAR(l->MitteX, 5, Eps);
    l->AufziehenBeenden(nullptr);
    EXPECT_EQ(u.protokoll(), QStringList({"li0:LINIE"})); // only the creation
}

TEST_F(Linie, TrefferKurzeWaagerechteUndPunktlinie)
{
    const double px = 1 / zf.SkalaX;
    auto *l = u.linie(5, 5, 5.1, 5); // 1 mm long
    EXPECT_TRUE(l->Getroffen(&zf, 5.05, 5 + 1.9 * px));
    EXPECT_TRUE(l->Getroffen(&zf, 5.0, 5));
    EXPECT_FALSE(l->Getroffen(&zf, 5.05, 5 + 2.1 * px));
    EXPECT_FALSE(l->Getroffen(&zf, 5.1 + px, 5)); // not beyond its ends
    EXPECT_FALSE(l->Getroffen(&zf, 5 - px, 5));
    // A wide line is hit within half its width.
    l->Linienstärke = 0.4;
    EXPECT_TRUE(l->Getroffen(&zf, 5.05, 5.19));
    EXPECT_FALSE(l->Getroffen(&zf, 5.05, 5.21));

    // Length 0: hit within the tolerance of its point.
    auto *p = u.linie(2, 2, 2, 2);
    EXPECT_TRUE(p->Getroffen(&zf, 2 + 1.5 * px, 2));
    EXPECT_TRUE(p->Getroffen(&zf, 2, 2));
    EXPECT_FALSE(p->Getroffen(&zf, 2 + 2.5 * px, 2));
}

TEST_F(Linie, GriffplaetzeAmEndeOderZehnPixelVonDerMitte)
{
    const double px = 1 / zf.SkalaX;
    auto *l = u.linie(1, 1, 5, 4);
    auto g = l->GriffPlaetze(&zf);
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].PunktNummer, 1);
    EXPECT_EQ(g[0].GriffArt, 1);
    EXPECT_PUNKT(g[0].PosX, g[0].PosY, 1, 1);
    EXPECT_PUNKT(g[1].PosX, g[1].PosY, 5, 4);

    // A short line gets its handles pushed out to 10 pixels from the centre.
    l->punkt1Setzen(2, 2);
    l->punkt2Setzen(2, 2 + 4 * px);
    g = l->GriffPlaetze(&zf);
    EXPECT_NEAR(g[0].PosY, 2 + 2 * px - 10 * px, 1e-12);
    EXPECT_NEAR(g[1].PosY, 2 + 2 * px + 10 * px, 1e-12);
    EXPECT_NEAR(g[1].BezugY, 2 + 4 * px, 1e-12);

    // Length 0: left and right of the point.
    l->punkt2Setzen(2, 2);
    g = l->GriffPlaetze(&zf);
    EXPECT_PUNKT(g[0].PosX, g[0].PosY, 2 - 10 * px, 2);
    EXPECT_PUNKT(g[1].PosX, g[1].PosY, 2 + 10 * px, 2);
}

} // namespace
