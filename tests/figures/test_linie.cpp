// Line: geometry operations and their log entries, drag creation with
// snapping, hit tests and handle places.
#include "figuren1_hilfen.h"

#include <cmath>

namespace {

constexpr double eps = 1e-9;

TLinie *linie(TFigurUmgebung &u, double x1, double y1, double x2, double y2)
{
    auto *l = u.Neu<TLinie>("LINIE");
    l->punkt1Setzen(x1, y1);
    l->punkt2Setzen(x2, y2);
    return l;
}

TEST(Linie, DrehenWirdAlsDrehenUmDieMitteProtokolliert)
{
    TFigurUmgebung u;
    auto *l = linie(u, 0, 0, 2, 0);
    EXPECT_EQ(u.Anzahl(), 0); // the point setters do not log
    l->drehen(90);
    EXPECT_NEAR(l->Punkt1X, 1, eps);
    EXPECT_NEAR(l->Punkt1Y, -1, eps);
    EXPECT_NEAR(l->Punkt2X, 1, eps);
    EXPECT_NEAR(l->Punkt2Y, 1, eps);
    EXPECT_EQ(u.Letzter(), u8"li0.drehenUm( 10.00 mm, 0.00 mm, 90.00° )");
    EXPECT_EQ(u.a.Protokoll().back()->MethodenId, MDrehenUm);
}

TEST(Linie, StreckenVerschiebenSpiegeln)
{
    TFigurUmgebung u;
    auto *l = linie(u, 1, 1, 3, 2);
    l->strecken(-2); // reflected through the centre (2, 1.5)
    EXPECT_NEAR(l->Punkt1X, 4, eps);
    EXPECT_NEAR(l->Punkt1Y, 2.5, eps);
    EXPECT_NEAR(l->Punkt2X, 0, eps);
    EXPECT_EQ(u.Letzter(), "li0.streckenMitZentrum( 2.00 cm, 1.50 cm, -200.000 % )");
    l->verschieben(1, 2);
    EXPECT_EQ(u.Letzter(), "li0.verschieben( 10.00 mm, 2.00 cm )");
    EXPECT_NEAR(l->MitteX, 3, eps);
    EXPECT_NEAR(l->MitteY, 3.5, eps);
    EXPECT_NEAR(l->Umgebungsrechteck.Links, 1, eps);
    const int vorher = u.Anzahl();
    l->spiegelnAnVertikalerAchse(0);
    EXPECT_NEAR(l->Punkt1X, -5, eps);
    EXPECT_NEAR(l->MitteX, -3, eps);
    EXPECT_EQ(u.Anzahl(), vorher);
    l->horizontalSpiegeln();
    EXPECT_NEAR(l->Punkt1Y, 2.5, eps);
    EXPECT_NEAR(l->Punkt2Y, 4.5, eps);
    EXPECT_EQ(u.Letzter(), "li0.horizontalSpiegeln(  )");
}

TEST(Linie, MethodenAttributeUndKeineFuellung)
{
    TFigurUmgebung u;
    auto *l = u.Neu<TLinie>("LINIE");
    EXPECT_EQ(l->Füllfarbe.FarbArt, FarbArtUnsichtbar);
    QString meldung;
    l->MethodeAusfuehren(MPunkt1Setzen, Werte({Laenge(1), Laenge(2)}), meldung, nullptr);
    l->MethodeAusfuehren(MPunkt2Setzen, Werte({Laenge(5), Laenge(-2)}), meldung, nullptr);
    EXPECT_EQ(u.Anzahl(), 0);
    EXPECT_DOUBLE_EQ(l->MitteX, 3);
    EXPECT_DOUBLE_EQ(l->MitteY, 0);
    EXPECT_DOUBLE_EQ(l->AttributWert(APunkt2Y)->Zahl(), -2);
    EXPECT_DOUBLE_EQ(l->AttributWert(APunkt1X)->Zahl(), 1);
    EXPECT_EQ(l->FindeMethode(QStringLiteral("FüllfarbeSetzen")), nullptr);
    EXPECT_EQ(l->FindeMethode(QStringLiteral("winkelSetzen")), nullptr);
    l->MethodeAusfuehren(MDrehen, Werte({Winkel(180)}), meldung, nullptr);
    EXPECT_NEAR(l->Punkt1X, 5, eps);
    EXPECT_NEAR(l->Punkt1Y, -2, eps);
    auto kopie = l->Duplizieren(false);
    auto *k = static_cast<TLinie *>(kopie.get());
    EXPECT_NEAR(k->Punkt2X, 1, eps);
    EXPECT_NEAR(k->MitteX, 3, eps);
}

TEST(Linie, AufziehenMitShiftRastetInFuenfzehnGradSchritten)
{
    TFigurUmgebung u;
    auto *l = u.Neu<TLinie>("LINIE");
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
    EXPECT_NEAR(l->Punkt2X, 5, 1e-9);
    EXPECT_NEAR(l->Punkt2Y, 1, 1e-9);
    // Without Shift the direction stays as dragged.
    l->Aufziehen(nullptr, false, false, 2, 4);
    EXPECT_DOUBLE_EQ(l->Punkt2X, 2);
    EXPECT_DOUBLE_EQ(l->Punkt2Y, 4);
}

TEST(Linie, AufziehenMitStrgVonDerMitteAus)
{
    TFigurUmgebung u;
    auto *l = u.Neu<TLinie>("LINIE");
    l->AufziehenBeginnen(nullptr, 5, 5);
    l->Aufziehen(nullptr, false, true, 7, 5);
    EXPECT_NEAR(l->Punkt1X, 3, eps);
    EXPECT_NEAR(l->Punkt1Y, 5, eps);
    EXPECT_NEAR(l->Punkt2X, 7, eps);
    EXPECT_NEAR(l->MitteX, 5, eps);
    l->AufziehenBeenden(nullptr);
    EXPECT_EQ(u.Texte(), QStringList({"li0:LINIE"})); // only the creation
}

TEST(Linie, TrefferKurzeWaagerechteUndPunktlinie)
{
    TFigurUmgebung u;
    TZeichenflaeche zf;
    const double px = 1 / zf.SkalaX;
    auto *l = linie(u, 5, 5, 5.1, 5); // 1 mm long
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
    auto *p = linie(u, 2, 2, 2, 2);
    EXPECT_TRUE(p->Getroffen(&zf, 2 + 1.5 * px, 2));
    EXPECT_TRUE(p->Getroffen(&zf, 2, 2));
    EXPECT_FALSE(p->Getroffen(&zf, 2 + 2.5 * px, 2));
}

TEST(Linie, GriffplaetzeAmEndeOderZehnPixelVonDerMitte)
{
    TFigurUmgebung u;
    TZeichenflaeche zf;
    const double px = 1 / zf.SkalaX;
    auto *l = linie(u, 1, 1, 5, 4);
    auto g = l->GriffPlaetze(&zf);
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].PunktNummer, 1);
    EXPECT_EQ(g[0].GriffArt, 1);
    EXPECT_NEAR(g[0].PosX, 1, eps);
    EXPECT_NEAR(g[1].PosY, 4, eps);

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
    EXPECT_NEAR(g[0].PosX, 2 - 10 * px, 1e-12);
    EXPECT_NEAR(g[1].PosX, 2 + 10 * px, 1e-12);
    EXPECT_NEAR(g[0].PosY, 2, eps);
    EXPECT_NEAR(g[1].PosY, 2, eps);
}

} // namespace
