// The box-shaped figure base: moving, stretching, turning, mirroring,
// setters, drag creation and handle placement, with their log entries.
#include "figuren_hilfen.h"
#include "figures/RechteckArtGriff.h"

namespace {

struct BoxFigur : ::testing::Test {
    Umgebung u;
    TRechteck *r = u.rechteck(5, 4, 4, 2);
};

TEST_F(BoxFigur, DrehenNormalisiertDenWinkelWinkelSetzenNicht)
{
    r->drehen(370);
    EXPECT_NEAR(r->Winkel, 10, Eps);
    EXPECT_EQ(u.zuletzt(), "re0.drehen( 370.00° )");
    r->Winkel = 0;
    r->drehen(-30);
    EXPECT_NEAR(r->Winkel, 330, Eps);
    r->winkelSetzen(400);
    EXPECT_DOUBLE_EQ(r->Winkel, 400);
    EXPECT_EQ(u.zuletzt(), "re0.winkelSetzen( 400.00° )");
    // Extreme angles finish at once and stay within one turn.
    r->Winkel = 0;
    r->drehen(1e300);
    EXPECT_GE(r->Winkel, 0.0);
    EXPECT_LT(r->Winkel, 360.0);
    r->drehen(-1e-20);
    EXPECT_LT(r->Winkel, 360.0);
}

TEST_F(BoxFigur, DrehenUmDrehtAuchDenMittelpunkt)
{
    r->drehenUm(5, 2, 90);
    EXPECT_PUNKT(r->MitteX, r->MitteY, 3, 2);
    EXPECT_NEAR(r->Winkel, 90, Eps);
    EXPECT_EQ(u.zuletzt(), "re0.drehenUm( 5.00 cm, 2.00 cm, 90.00° )");
    EXPECT_RAHMEN(r, 2, 4, 0, 4); // Länge now runs vertically
}

TEST_F(BoxFigur, SpiegelnSetztDenWinkelOhneNormalisieren)
{
    r->spiegelnAnVertikalerAchse(1);
    EXPECT_DOUBLE_EQ(r->Winkel, 360);
    EXPECT_DOUBLE_EQ(r->MitteX, -3);
    EXPECT_EQ(u.anzahl(), 0); // the mirror operations log nothing themselves
    r->Winkel = 0;
    r->spiegelnAnHorizontalerAchse(1);
    EXPECT_DOUBLE_EQ(r->Winkel, 180);
    EXPECT_DOUBLE_EQ(r->MitteY, -2);
    r->Winkel = 270;
    r->spiegelnAnHorizontalerAchse(1);
    EXPECT_DOUBLE_EQ(r->Winkel, 270);
    r->Winkel = 30;
    r->vertikalSpiegeln();
    EXPECT_DOUBLE_EQ(r->Winkel, 330);
    EXPECT_DOUBLE_EQ(r->MitteX, -3);
    EXPECT_EQ(u.zuletzt(), "re0.vertikalSpiegeln(  )");
    r->horizontalSpiegeln();
    EXPECT_EQ(u.zuletzt(), "re0.horizontalSpiegeln(  )");
}

TEST_F(BoxFigur, NegativeFaktorenMachenKeineNegativenAusdehnungen)
{
    r->strecken(-2);
    EXPECT_BOX(r, 5, 4, 8, 4);
    EXPECT_EQ(u.zuletzt(), "re0.strecken( -200.000 % )");
    r->streckenMitZentrum(2, 3, -1);
    EXPECT_BOX(r, -1, 2, 8, 4);
    EXPECT_EQ(u.zuletzt(), "re0.streckenMitZentrum( 2.00 cm, 3.00 cm, -100.000 % )");
}

TEST_F(BoxFigur, StreckenMitZentrumLBStrecktLaengsDerEigenenAchsen)
{
    r->MitteY = 5;
    r->Winkel = 90; // own x axis points up; its lower end is at (5, 3)
    r->GeometrieBerechnen();
    r->streckenMitZentrumLB(5, 3, 2, 1);
    EXPECT_BOX(r, 5, 7, 8, 2);
    EXPECT_NEAR(r->Umgebungsrechteck.Unten, 3, Eps); // the fixed end stays
    EXPECT_EQ(u.zuletzt(), "re0.streckenMitZentrumLB( 5.00 cm, 3.00 cm, 200.000 %, 100.000 % )");
    EXPECT_EQ(u.letzter().MethodenId, MStreckenMitZentrumLB);
    // Typed streckenLängeBreite stretches about the centre.
    EXPECT_EQ(ausfuehren(r, MStreckenLaengeBreite, Werte({Faktor(0.5), Faktor(-3)})), "");
    EXPECT_BOX(r, 5, 7, 4, 6);
    EXPECT_EQ(u.zuletzt(), "re0.streckenMitZentrumLB( 5.00 cm, 7.00 cm, 50.000 %, -300.000 % )");
}

TEST_F(BoxFigur, VerschiebenUmNullWirdProtokolliert)
{
    r->verschieben(0, 0);
    EXPECT_EQ(u.zuletzt(), "re0.verschieben( 0.00 mm, 0.00 mm )");
    r->verschieben(2.5, -0.5);
    EXPECT_EQ(u.zuletzt(), "re0.verschieben( 2.50 cm, -5.00 mm )");
    EXPECT_PUNKT(r->Umgebungsrechteck.Links, r->Umgebungsrechteck.Unten, 5.5, 2.5);
}

TEST_F(BoxFigur, SetterAttributeUndMethodenliste)
{
    EXPECT_EQ(ausfuehren(r, MBreiteSetzen, Werte({Laenge(3)})), "");
    EXPECT_EQ(ausfuehren(r, MLaengeSetzen, Werte({Laenge(0.5)})), "");
    EXPECT_EQ(ausfuehren(r, MDiagonalenschnittpunktSetzen, Werte({Laenge(2), Laenge(7)})), "");
    EXPECT_EQ(ausfuehren(r, MWinkelSetzen, Werte({Winkel(-45)})), "");
    EXPECT_EQ(u.protokoll(), QStringList({"re0.BreiteSetzen( 3.00 cm )", "re0.LängeSetzen( 5.00 mm )",
                                          "re0.DiagonalenschnittpunktSetzen( 2.00 cm, 7.00 cm )",
                                          "re0.winkelSetzen( -45.00° )"}));
    EXPECT_BOX(r, 2, 7, 0.5, 3);
    EXPECT_DOUBLE_EQ(r->Winkel, -45);
    EXPECT_EQ(attributTexte(r, {ABreite, ALaenge, ADiagonalenschnittpunktX, ADiagonalenschnittpunktY, AWinkel}),
              QStringList({"3.00 cm", "5.00 mm", "2.00 cm", "7.00 cm", "-45.00°"}));
    EXPECT_EQ(r->AttributWert(ARadiusX), nullptr);
    // Internal methods are not offered.
    EXPECT_EQ(r->FindeMethode(QStringLiteral("streckenMitZentrumLB")), nullptr);
}

TEST_F(BoxFigur, FarbenUndLinienattribute)
{
    ausfuehren(r, MFuellfarbeSetzen, Werte({TData(TFarbe::Echt(FarbWert(0, 0, 255)))}));
    ausfuehren(r, MLinienfarbeSetzen, Werte({TData(TFarbe::Unsichtbar())}));
    ausfuehren(r, MLinienartSetzen, Werte({TData(std::uint8_t(3), ArtLinienart)}));
    ausfuehren(r, MLinienstaerkeSetzen, Werte({Laenge(0.05)}));
    EXPECT_EQ(u.protokoll(), QStringList({"re0.FüllfarbeSetzen( blau )", "re0.LinienfarbeSetzen( unsichtbar )",
                                          "re0.LinienartSetzen( breitgestrichelt )",
                                          "re0.LinienstärkeSetzen( 0.50 mm )"}));
    EXPECT_EQ(attributTexte(r, {AFuellfarbe, ALinienfarbe, ALinienart, ALinienstaerke}),
              QStringList({"blau", "unsichtbar", "breitgestrichelt", "0.50 mm"}));
}

TEST_F(BoxFigur, DuplizierenUebernimmtAlleWerte)
{
    r->Winkel = 33;
    r->Linienart = 4;
    r->Füllfarbe = TFarbe::Echt(5);
    auto kopie = r->Duplizieren(true);
    auto *k = dynamic_cast<TRechteck *>(kopie.get());
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->Name, "re1");
    EXPECT_EQ(u.protokoll(), QStringList{"re1:RECHTECK"});
    EXPECT_BOX(k, 5, 4, 4, 2);
    EXPECT_DOUBLE_EQ(k->Winkel, 33);
    EXPECT_EQ(k->Linienart, 4);
    EXPECT_EQ(k->Füllfarbe, TFarbe::Echt(5));
    auto ohne = r->Duplizieren(false);
    EXPECT_TRUE(ohne->Name.isEmpty());
    EXPECT_EQ(u.protokoll(), QStringList{"re1:RECHTECK"}); // the unnamed copy is not logged
}

using BoxAufziehen = Figuren;

TEST_F(BoxAufziehen, QuadratischUndAusDerMitte)
{
    auto *r = u.neu<TRechteck>("RECHTECK");
    r->AufziehenBeginnen(nullptr, 0, 0);
    EXPECT_TRUE(r->Vorschau);
    r->Aufziehen(nullptr, true, false, -2, 1);
    EXPECT_BOX(r, -1, 1, 2, 2);
    r->Aufziehen(nullptr, false, false, 3, -1);
    EXPECT_BOX(r, 1.5, -0.5, 3, 1);
    r->Aufziehen(nullptr, false, true, 3, -1);
    EXPECT_BOX(r, 0, 0, 6, 2);
    r->Aufziehen(nullptr, true, true, 3, -1);
    EXPECT_BOX(r, 0, 0, 6, 6);
    EXPECT_EQ(u.anzahl(), 0); // nothing is logged while the figure is a preview
    r->AufziehenBeenden(nullptr);
    EXPECT_FALSE(r->Vorschau);
    EXPECT_EQ(u.protokoll(), QStringList({"re0:RECHTECK", "re0.DiagonalenschnittpunktSetzen( 0.00 mm, 0.00 mm )",
                                          "re0.BreiteSetzen( 6.00 cm )", "re0.LängeSetzen( 6.00 cm )"}));
    // A click without dragging leaves a box of size 0 at the anchor.
    auto *klick = u.neu<TRechteck>("RECHTECK");
    klick->AufziehenBeginnen(nullptr, 4, 6);
    klick->AufziehenBeenden(nullptr);
    EXPECT_BOX(klick, 4, 6, 0, 0);
}

using BoxGriffe = Figuren;

TEST_F(BoxGriffe, ReihenfolgeArtenUndLagen)
{
    auto *r = u.rechteck(5, 5, 4, 2);
    const auto g = r->GriffPlaetze(&zf);
    ASSERT_EQ(g.size(), 9u);
    const int arten[9] = {0, 0, 0, 0, 1, 1, 1, 1, 2};
    const int richtungen[9] = {1, 0, 1, 0, 2, 2, 2, 2, 3};
    const double pos[9][2] = {{7, 5}, {5, 6}, {3, 5}, {5, 4}, {7, 6}, {3, 6}, {3, 4}, {7, 4}, {5, 7}};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g[i].GriffArt, arten[i]);
        EXPECT_EQ(g[i].Richtung, richtungen[i]);
        EXPECT_PUNKT(g[i].PosX, g[i].PosY, pos[i][0], pos[i][1]);
    }
    // Side and corner handles stand for the figure's own points.
    EXPECT_NEAR(g[0].BezugX, 7, Eps);
    EXPECT_NEAR(g[6].BezugY, 4, Eps);

    // Turned by 90 degrees the right handle moves to the top.
    r->Winkel = 90;
    const auto gd = r->GriffPlaetze(&zf);
    EXPECT_PUNKT(gd[0].PosX, gd[0].PosY, 5, 7);
    EXPECT_DOUBLE_EQ(gd[0].Winkel, 90);
    EXPECT_PUNKT(gd[8].PosX, gd[8].PosY, 3, 5); // rotation handle turned along

    // The handles made from the places carry them over; rebuilding replaces
    // them and deselecting frees them.
    r->Winkel = 30;
    r->GriffeErzeugen(&zf);
    const auto plaetze = r->GriffPlaetze(&zf);
    ASSERT_EQ(r->Griffe.size(), plaetze.size());
    for (std::size_t i = 0; i < plaetze.size(); ++i) {
        SCOPED_TRACE(i);
        auto *griff = dynamic_cast<TRechteckArtGriff *>(r->Griffe[i].get());
        ASSERT_NE(griff, nullptr);
        EXPECT_EQ(griff->GriffArt, plaetze[i].GriffArt);
        EXPECT_EQ(griff->Richtung, plaetze[i].Richtung);
        EXPECT_DOUBLE_EQ(griff->PosX, plaetze[i].PosX);
        EXPECT_DOUBLE_EQ(griff->BezugY, plaetze[i].BezugY);
        EXPECT_DOUBLE_EQ(griff->Winkel, 30);
    }
    r->GriffeErzeugen(&zf);
    EXPECT_EQ(r->Griffe.size(), 9u);
    r->GriffeFreigeben();
    EXPECT_TRUE(r->Griffe.empty());
}

TEST_F(BoxGriffe, SchmaleBoxUndDrehgriffAmSeitenrand)
{
    const double px = 1 / zf.SkalaX;
    auto *r = u.rechteck(5, 5, px, 0); // 1 pixel wide
    const auto g = r->GriffPlaetze(&zf);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        if (g[i].GriffArt == 1 || g[i].Richtung == 1) {
            EXPECT_NEAR(std::fabs(g[i].PosX - 5), 10 * px, 1e-12);
        }
        if (g[i].GriffArt == 1 || g[i].Richtung == 0) {
            EXPECT_NEAR(std::fabs(g[i].PosY - 5), 10 * px, 1e-12);
        }
    }
    // Near the top of the page the rotation handle goes below the box.
    r->MitteY = zf.SeitenHoeheCm - 1.2;
    r->Breite = 1;
    EXPECT_NEAR(r->GriffPlaetze(&zf)[8].PosY, r->MitteY - 1.5, Eps);
    r->MitteY = 10;
    EXPECT_NEAR(r->GriffPlaetze(&zf)[8].PosY, 11.5, Eps);
    // Polylines add their handle distance.
    r->Griffabstand = 10;
    r->Länge = 2;
    EXPECT_NEAR(r->GriffPlaetze(&zf)[0].PosX, 5 + 1 + 5 * px, 1e-12);
}

using Figurbasis = Figuren;

TEST_F(Figurbasis, PunktNahAnStreckeMindestensZweiPixel)
{
    const double px = 1 / zf.SkalaX;
    // Tolerance below 2 pixels acts as 2 pixels.
    EXPECT_TRUE(PunktNahAnStrecke(&zf, 1, 1.9 * px, 0.0, 0, 0, 2, 0));
    EXPECT_FALSE(PunktNahAnStrecke(&zf, 1, 2.0 * px, 0.0, 0, 0, 2, 0));
    EXPECT_TRUE(PunktNahAnStrecke(&zf, 1, 0.4, 0.5, 0, 0, 2, 0));
    // Beyond the ends by more than half the tolerance: not hit.
    EXPECT_TRUE(PunktNahAnStrecke(&zf, 2.2, 0, 0.5, 0, 0, 2, 0));
    EXPECT_FALSE(PunktNahAnStrecke(&zf, 2.3, 0, 0.5, 0, 0, 2, 0));
    // A degenerate segment is never hit, not even at its point.
    EXPECT_FALSE(PunktNahAnStrecke(&zf, 1, 1, 0.5, 1, 1, 1, 1));
}

// A vector too short to have a direction counts as direction 0.
TEST_F(Figurbasis, VektorWinkelOhneLaenge)
{
    EXPECT_NEAR(VektorWinkel(0, -1), 1.5 * M_PI, Eps);
    EXPECT_DOUBLE_EQ(VektorWinkel(1e-7, 1e-7), 0.0);
}

TEST_F(Figurbasis, LiegtImRechteckUndKopieren)
{
    auto *a = u.rechteck(2, 2, 2, 2);
    // The edges belong to the rectangle.
    EXPECT_TRUE(a->LiegtImRechteck(1, 1, 3, 3));
    EXPECT_FALSE(a->LiegtImRechteck(1.01, 1, 3, 3));
    EXPECT_FALSE(a->LiegtImRechteck(1, 1, 3, 2.99));

    EXPECT_EQ(ausfuehren(a, MKopieren), "Kein Neuzeichnen");
    EXPECT_EQ(u.d.Wuensche.Kopieren, a);
    EXPECT_EQ(u.zuletzt(), "re0.kopieren(  )");
}

} // namespace
