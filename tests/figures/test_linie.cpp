// Line: geometry operations and their log entries, drag creation with
// snapping and handle places.
#include "figuren_hilfen.h"

namespace
{

using Linie = Figuren;

TEST_F(Linie, OperationenUndIhreProtokolle)
{
    auto *l = u.linie(0, 0, 2, 0);
    EXPECT_EQ(u.anzahl(), 0); // the point setters do not log
    // Turning is logged as turning about the centre.
    l->drehen(90);
    EXPECT_PUNKT(l->Punkt1X, l->Punkt1Y, 1, -1);
    EXPECT_PUNKT(l->Punkt2X, l->Punkt2Y, 1, 1);
    EXPECT_EQ(u.zuletzt(), "li0.drehenUm( 10.00 mm, 0.00 mm, 90.00° )");
    l->punkt1Setzen(1, 1);
    l->punkt2Setzen(3, 2);
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
    EXPECT_PUNKT(l->Punkt1Y, l->Punkt2Y, 2.5, 4.5);
    EXPECT_EQ(u.zuletzt(), "li0.horizontalSpiegeln(  )");

    // Typed point setters do not log either; a line has no fill; a copy takes the points.
    auto *m = u.neu<TLinie>("LINIE");
    EXPECT_EQ(m->Füllfarbe.FarbArt, FarbArtUnsichtbar);
    ausfuehren(m, MPunkt1Setzen, Werte({Laenge(1), Laenge(2)}));
    ausfuehren(m, MPunkt2Setzen, Werte({Laenge(5), Laenge(-2)}));
    EXPECT_EQ(u.anzahl(), vorher + 1);
    EXPECT_PUNKT(m->MitteX, m->MitteY, 3, 0);
    EXPECT_EQ(attributTexte(m, {APunkt2Y, APunkt1X}), QStringList({"-2.00 cm", "10.00 mm"}));
    ausfuehren(m, MDrehen, Werte({Winkel(180)}));
    EXPECT_PUNKT(m->Punkt1X, m->Punkt1Y, 5, -2);
    auto kopie = m->Duplizieren(false);
    auto *k = static_cast<TLinie *>(kopie.get());
    EXPECT_PUNKT(k->Punkt2X, k->Punkt2Y, 1, 2);
    EXPECT_PUNKT(k->MitteX, k->MitteY, 3, 0);
}

TEST_F(Linie, AufziehenMitShiftInFuenfzehnGradSchrittenUndMitStrgVonDerMitte)
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
    // With Ctrl from the centre.
    l->AufziehenBeginnen(nullptr, 5, 5);
    l->Aufziehen(nullptr, false, true, 7, 5);
    EXPECT_PUNKT(l->Punkt1X, l->Punkt1Y, 3, 5);
    EXPECT_PUNKT(l->Punkt2X, l->Punkt2Y, 7, 5);
    EXPECT_NEAR(l->MitteX, 5, Eps);
    l->AufziehenBeenden(nullptr);
    EXPECT_EQ(u.protokoll(), QStringList({"li0:LINIE"})); // only the creation
}

// A line of length 0 gets its handles 10 pixels left and right of its point.
TEST_F(Linie, GriffplaetzeOhneLaengeZehnPixelVonDerMitte)
{
    const double px = 1 / zf.SkalaX;
    auto *l = u.linie(2, 2, 2, 2);
    const auto g = l->GriffPlaetze(&zf);
    ASSERT_EQ(g.size(), 2u);
    EXPECT_PUNKT(g[0].PosX, g[0].PosY, 2 - 10 * px, 2);
    EXPECT_PUNKT(g[1].PosX, g[1].PosY, 2 + 10 * px, 2);
}

} // namespace
