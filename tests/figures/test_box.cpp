// The box-shaped figure base: moving, stretching, turning, mirroring,
// setters, drag creation and handle placement, with their log entries.
#include "figuren1_hilfen.h"

#include <cmath>

namespace {

constexpr double eps = 1e-9;

struct BoxFigur : ::testing::Test {
    TFigurUmgebung u;
    TRechteck *r = nullptr;
    void SetUp() override
    {
        r = u.Neu<TRechteck>("RECHTECK");
        r->MitteX = 5;
        r->MitteY = 4;
        r->Länge = 4;
        r->Breite = 2;
        r->GeometrieBerechnen();
    }
};

TEST_F(BoxFigur, DrehenNormalisiertDenWinkelWinkelSetzenNicht)
{
    r->drehen(370);
    EXPECT_NEAR(r->Winkel, 10, eps);
    EXPECT_EQ(u.Letzter(), u8"re0.drehen( 370.00° )");
    r->Winkel = 0;
    r->drehen(-30);
    EXPECT_NEAR(r->Winkel, 330, eps);
    r->winkelSetzen(400);
    EXPECT_DOUBLE_EQ(r->Winkel, 400);
    EXPECT_EQ(u.Letzter(), u8"re0.winkelSetzen( 400.00° )");
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
    EXPECT_NEAR(r->MitteX, 3, eps);
    EXPECT_NEAR(r->MitteY, 2, eps);
    EXPECT_NEAR(r->Winkel, 90, eps);
    EXPECT_EQ(u.Letzter(), u8"re0.drehenUm( 5.00 cm, 2.00 cm, 90.00° )");
    // The turned rectangle's corners follow (Länge now runs vertically).
    EXPECT_NEAR(r->Umgebungsrechteck.Links, 2, eps);
    EXPECT_NEAR(r->Umgebungsrechteck.Rechts, 4, eps);
    EXPECT_NEAR(r->Umgebungsrechteck.Unten, 0, eps);
    EXPECT_NEAR(r->Umgebungsrechteck.Oben, 4, eps);
}

TEST_F(BoxFigur, SpiegelnSetztDenWinkelOhneNormalisieren)
{
    r->spiegelnAnVertikalerAchse(1);
    EXPECT_DOUBLE_EQ(r->Winkel, 360);
    EXPECT_DOUBLE_EQ(r->MitteX, -3);
    EXPECT_EQ(u.Anzahl(), 0); // the mirror operations log nothing themselves
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
    EXPECT_EQ(u.Letzter(), "re0.vertikalSpiegeln(  )");
    r->horizontalSpiegeln();
    EXPECT_EQ(u.Letzter(), "re0.horizontalSpiegeln(  )");
}

TEST_F(BoxFigur, NegativeFaktorenMachenKeineNegativenAusdehnungen)
{
    r->strecken(-2);
    EXPECT_DOUBLE_EQ(r->Länge, 8);
    EXPECT_DOUBLE_EQ(r->Breite, 4);
    EXPECT_DOUBLE_EQ(r->MitteX, 5);
    EXPECT_DOUBLE_EQ(r->MitteY, 4);
    EXPECT_EQ(u.Letzter(), "re0.strecken( -200.000 % )");

    r->streckenMitZentrum(2, 3, -1);
    EXPECT_DOUBLE_EQ(r->MitteX, -1);
    EXPECT_DOUBLE_EQ(r->MitteY, 2);
    EXPECT_DOUBLE_EQ(r->Länge, 8);
    EXPECT_EQ(u.Letzter(), "re0.streckenMitZentrum( 2.00 cm, 3.00 cm, -100.000 % )");
}

TEST_F(BoxFigur, StreckenMitZentrumLBStrecktLaengsDerEigenenAchsen)
{
    r->MitteX = 5;
    r->MitteY = 5;
    r->Winkel = 90; // own x axis points up; its lower end is at (5, 3)
    r->GeometrieBerechnen();
    r->streckenMitZentrumLB(5, 3, 2, 1);
    EXPECT_NEAR(r->MitteX, 5, eps);
    EXPECT_NEAR(r->MitteY, 7, eps);
    EXPECT_NEAR(r->Länge, 8, eps);
    EXPECT_NEAR(r->Breite, 2, eps);
    EXPECT_NEAR(r->Umgebungsrechteck.Unten, 3, eps); // the fixed end stays
    EXPECT_EQ(u.Letzter(),
              "re0.streckenMitZentrumLB( 5.00 cm, 3.00 cm, 200.000 %, 100.000 % )");
    EXPECT_EQ(u.a.Protokoll().back()->MethodenId, MStreckenMitZentrumLB);

    // Typed streckenLängeBreite stretches about the centre.
    QString meldung;
    r->MethodeAusfuehren(MStreckenLaengeBreite, Werte({Faktor(0.5), Faktor(-3)}), meldung, nullptr);
    EXPECT_TRUE(meldung.isEmpty());
    EXPECT_NEAR(r->Länge, 4, eps);
    EXPECT_NEAR(r->Breite, 6, eps);
    EXPECT_NEAR(r->MitteY, 7, eps);
    EXPECT_EQ(u.Letzter(),
              "re0.streckenMitZentrumLB( 5.00 cm, 7.00 cm, 50.000 %, -300.000 % )");
}

TEST_F(BoxFigur, VerschiebenUmNullWirdProtokolliert)
{
    r->verschieben(0, 0);
    EXPECT_EQ(u.Letzter(), "re0.verschieben( 0.00 mm, 0.00 mm )");
    r->verschieben(2.5, -0.5);
    EXPECT_EQ(u.Letzter(), "re0.verschieben( 2.50 cm, -5.00 mm )");
    EXPECT_DOUBLE_EQ(r->MitteX, 7.5);
    EXPECT_DOUBLE_EQ(r->Umgebungsrechteck.Links, 5.5);
    EXPECT_DOUBLE_EQ(r->Umgebungsrechteck.Unten, 2.5);
}

TEST_F(BoxFigur, SetterUndMethodeAusfuehren)
{
    QString meldung;
    r->MethodeAusfuehren(MBreiteSetzen, Werte({Laenge(3)}), meldung, nullptr);
    r->MethodeAusfuehren(MLaengeSetzen, Werte({Laenge(0.5)}), meldung, nullptr);
    r->MethodeAusfuehren(MDiagonalenschnittpunktSetzen, Werte({Laenge(2), Laenge(7)}), meldung,
                         nullptr);
    r->MethodeAusfuehren(MWinkelSetzen, Werte({Winkel(-45)}), meldung, nullptr);
    EXPECT_TRUE(meldung.isEmpty());
    EXPECT_EQ(u.Texte(), QStringList({u8"re0.BreiteSetzen( 3.00 cm )", u8"re0.LängeSetzen( 5.00 mm )",
                                      "re0.DiagonalenschnittpunktSetzen( 2.00 cm, 7.00 cm )",
                                      u8"re0.winkelSetzen( -45.00° )"}));
    EXPECT_DOUBLE_EQ(r->Breite, 3);
    EXPECT_DOUBLE_EQ(r->Länge, 0.5);
    EXPECT_DOUBLE_EQ(r->Winkel, -45);
    EXPECT_DOUBLE_EQ(r->AttributWert(ABreite)->Zahl(), 3);
    EXPECT_DOUBLE_EQ(r->AttributWert(ALaenge)->Zahl(), 0.5);
    EXPECT_DOUBLE_EQ(r->AttributWert(ADiagonalenschnittpunktX)->Zahl(), 2);
    EXPECT_DOUBLE_EQ(r->AttributWert(ADiagonalenschnittpunktY)->Zahl(), 7);
    EXPECT_EQ(r->AttributWert(AWinkel)->Art(), ArtWinkel);
    EXPECT_EQ(r->AttributWert(ARadiusX), nullptr);
}

TEST_F(BoxFigur, FarbenUndLinienattribute)
{
    r->FüllfarbeSetzen(TFarbe::Echt(FarbWert(255, 0, 0)));
    r->LinienfarbeSetzen(TFarbe::Unsichtbar());
    r->LinienartSetzen(3);
    r->LinienstärkeSetzen(0.05);
    EXPECT_EQ(u.Texte(), QStringList({u8"re0.FüllfarbeSetzen( rot )", "re0.LinienfarbeSetzen( unsichtbar )",
                                      "re0.LinienartSetzen( breitgestrichelt )",
                                      u8"re0.LinienstärkeSetzen( 0.50 mm )"}));
    EXPECT_EQ(r->AttributWert(AFuellfarbe)->Farbe(), TFarbe::Echt(FarbWert(255, 0, 0)));
    EXPECT_EQ(r->AttributWert(ALinienart)->Code(), 3);
    EXPECT_DOUBLE_EQ(r->AttributWert(ALinienstaerke)->Zahl(), 0.05);
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
    EXPECT_EQ(u.Letzter(), "re1:RECHTECK");
    EXPECT_DOUBLE_EQ(k->MitteX, 5);
    EXPECT_DOUBLE_EQ(k->Länge, 4);
    EXPECT_DOUBLE_EQ(k->Winkel, 33);
    EXPECT_EQ(k->Linienart, 4);
    EXPECT_EQ(k->Füllfarbe, TFarbe::Echt(5));
    auto ohne = r->Duplizieren(false);
    EXPECT_TRUE(ohne->Name.isEmpty());
    EXPECT_EQ(u.Anzahl(), 1);
}

TEST(BoxAufziehen, QuadratischUndAusDerMitte)
{
    TFigurUmgebung u;
    auto *r = u.Neu<TRechteck>("RECHTECK");
    r->AufziehenBeginnen(nullptr, 0, 0);
    EXPECT_TRUE(r->Vorschau);
    r->Aufziehen(nullptr, true, false, -2, 1);
    EXPECT_DOUBLE_EQ(r->Länge, 2);
    EXPECT_DOUBLE_EQ(r->Breite, 2);
    EXPECT_DOUBLE_EQ(r->MitteX, -1);
    EXPECT_DOUBLE_EQ(r->MitteY, 1);
    r->Aufziehen(nullptr, false, false, 3, -1);
    EXPECT_DOUBLE_EQ(r->Länge, 3);
    EXPECT_DOUBLE_EQ(r->Breite, 1);
    EXPECT_DOUBLE_EQ(r->MitteX, 1.5);
    EXPECT_DOUBLE_EQ(r->MitteY, -0.5);
    r->Aufziehen(nullptr, false, true, 3, -1);
    EXPECT_DOUBLE_EQ(r->Länge, 6);
    EXPECT_DOUBLE_EQ(r->Breite, 2);
    EXPECT_DOUBLE_EQ(r->MitteX, 0);
    EXPECT_DOUBLE_EQ(r->MitteY, 0);
    r->Aufziehen(nullptr, true, true, 3, -1);
    EXPECT_DOUBLE_EQ(r->Länge, 6);
    EXPECT_DOUBLE_EQ(r->Breite, 6);
    EXPECT_DOUBLE_EQ(r->MitteX, 0);
    // Nothing is logged while the figure is a preview.
    EXPECT_EQ(u.Anzahl(), 0);
    r->AufziehenBeenden(nullptr);
    EXPECT_FALSE(r->Vorschau);
    EXPECT_EQ(u.Texte(), QStringList({"re0:RECHTECK", "re0.DiagonalenschnittpunktSetzen( 0.00 mm, 0.00 mm )",
                                      "re0.BreiteSetzen( 6.00 cm )", u8"re0.LängeSetzen( 6.00 cm )"}));
}

TEST(BoxAufziehen, KlickOhneZiehenLiegtAmAnker)
{
    TFigurUmgebung u;
    auto *r = u.Neu<TRechteck>("RECHTECK");
    r->AufziehenBeginnen(nullptr, 4, 6);
    r->AufziehenBeenden(nullptr);
    EXPECT_DOUBLE_EQ(r->MitteX, 4);
    EXPECT_DOUBLE_EQ(r->MitteY, 6);
    EXPECT_DOUBLE_EQ(r->Länge, 0);
}

TEST(BoxGriffe, ReihenfolgeArtenUndLagen)
{
    TFigurUmgebung u;
    TZeichenflaeche zf;
    auto *r = u.Neu<TRechteck>("RECHTECK");
    r->MitteX = 5;
    r->MitteY = 5;
    r->Länge = 4;
    r->Breite = 2;
    r->GeometrieBerechnen();
    const auto g = r->GriffPlaetze(&zf);
    ASSERT_EQ(g.size(), 9u);
    const int arten[9] = {0, 0, 0, 0, 1, 1, 1, 1, 2};
    const int richtungen[9] = {1, 0, 1, 0, 2, 2, 2, 2, 3};
    const double pos[9][2] = {{7, 5}, {5, 6}, {3, 5}, {5, 4}, {7, 6}, {3, 6}, {3, 4}, {7, 4}, {5, 7}};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g[i].GriffArt, arten[i]);
        EXPECT_EQ(g[i].Richtung, richtungen[i]);
        EXPECT_NEAR(g[i].PosX, pos[i][0], eps);
        EXPECT_NEAR(g[i].PosY, pos[i][1], eps);
    }
    // Side and corner handles stand for the figure's own points.
    EXPECT_NEAR(g[0].BezugX, 7, eps);
    EXPECT_NEAR(g[6].BezugY, 4, eps);

    // Turned by 90 degrees the right handle moves to the top.
    r->Winkel = 90;
    const auto gd = r->GriffPlaetze(&zf);
    EXPECT_NEAR(gd[0].PosX, 5, eps);
    EXPECT_NEAR(gd[0].PosY, 7, eps);
    EXPECT_DOUBLE_EQ(gd[0].Winkel, 90);
    EXPECT_NEAR(gd[8].PosX, 3, eps); // rotation handle turned along
    EXPECT_NEAR(gd[8].PosY, 5, eps);
}

TEST(BoxGriffe, SchmaleBoxUndDrehgriffAmSeitenrand)
{
    TFigurUmgebung u;
    TZeichenflaeche zf;
    auto *r = u.Neu<TRechteck>("RECHTECK");
    const double px = 1 / zf.SkalaX;
    r->MitteX = 5;
    r->MitteY = 5;
    r->Länge = px; // 1 pixel wide
    r->Breite = 0;
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
    const auto oben = r->GriffPlaetze(&zf);
    EXPECT_NEAR(oben[8].PosY, r->MitteY - 1.5, eps);
    r->MitteY = 10;
    EXPECT_NEAR(r->GriffPlaetze(&zf)[8].PosY, 11.5, eps);
    // Polylines add their handle distance.
    r->Griffabstand = 10;
    r->Länge = 2;
    EXPECT_NEAR(r->GriffPlaetze(&zf)[0].PosX, 5 + 1 + 5 * px, 1e-12);
}

TEST(Figurbasis, PunktNahAnStreckeMindestensZweiPixel)
{
    TZeichenflaeche zf;
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

TEST(Figurbasis, PunktDrehenVektorWinkelSpiegelwert)
{
    const TWeltPunkt p = PunktDrehen(2, 1, 1, 1, 90);
    EXPECT_NEAR(p.X, 1, eps);
    EXPECT_NEAR(p.Y, 2, eps);
    EXPECT_NEAR(VektorWinkel(0, -1), 1.5 * M_PI, eps);
    EXPECT_NEAR(VektorWinkel(-1, 0), M_PI, eps);
    EXPECT_DOUBLE_EQ(VektorWinkel(1e-7, 1e-7), 0.0);
    EXPECT_DOUBLE_EQ(Spiegelwert(3, 1), 5);
}

TEST(Figurbasis, LiegtImRechteckEinschliesslichDerRaender)
{
    TFigurUmgebung u;
    auto *r = u.Neu<TRechteck>("RECHTECK");
    r->MitteX = 2;
    r->MitteY = 2;
    r->Länge = 2;
    r->Breite = 2;
    r->GeometrieBerechnen();
    EXPECT_TRUE(r->LiegtImRechteck(1, 1, 3, 3));
    EXPECT_FALSE(r->LiegtImRechteck(1.01, 1, 3, 3));
    EXPECT_FALSE(r->LiegtImRechteck(1, 1, 3, 2.99));
}

TEST(Figurbasis, EbenenKopierenAusschneiden)
{
    TFigurUmgebung u;
    auto *a = u.Neu<TRechteck>("RECHTECK");
    auto *b = u.Neu<TEllipse>("ELLIPSE");
    QString meldung;
    b->MethodeAusfuehren(MInDenVordergrundSetzen, {}, meldung, nullptr);
    EXPECT_EQ(u.Letzter(), "el0.inDenVordergrundSetzen(  )");
    b->MethodeAusfuehren(MEineEbeneNachVorneSetzen, {}, meldung, nullptr);
    EXPECT_EQ(u.Anzahl(), 1); // already frontmost: nothing moved, nothing logged
    b->MethodeAusfuehren(MInDenHintergrundSetzen, {}, meldung, nullptr);
    EXPECT_EQ(u.d.Teile[0].get(), b);
    a->MethodeAusfuehren(MEineEbeneNachHintenSetzen, {}, meldung, nullptr);
    EXPECT_EQ(u.d.Teile[0].get(), a);
    EXPECT_EQ(u.Letzter(), "re0.eineEbeneNachHintenSetzen(  )");
    a->MethodeAusfuehren(MKopieren, {}, meldung, nullptr);
    EXPECT_EQ(meldung, "Kein Neuzeichnen");
    EXPECT_EQ(u.d.Wuensche.Kopieren, a);
    EXPECT_EQ(u.Letzter(), "re0.kopieren(  )");
}

TEST(Figurbasis, FreigebenWirdBeimZerstoerenProtokolliert)
{
    TFigurUmgebung u;
    auto *r = u.Neu<TRechteck>("RECHTECK");
    u.d.Leeren();
    (void)r;
    EXPECT_EQ(u.Letzter(), "re0.freigeben()");
    // A preview is freed silently.
    auto vorschau = u.k.ObjektErzeugen("ELLIPSE");
    static_cast<TEllipse *>(vorschau.get())->VorschauSetzen(true);
    vorschau.reset();
    EXPECT_EQ(u.Anzahl(), 1);
}

} // namespace

#include "figures/LinienGriff.h"
#include "figures/RechteckArtGriff.h"

namespace {

TEST(BoxGriffe, GriffeErzeugenMachtDieGriffeAusDenPlaetzen)
{
    TFigurUmgebung u;
    TZeichenflaeche zf;
    auto *r = u.Neu<TRechteck>("RECHTECK");
    r->MitteX = 5;
    r->MitteY = 5;
    r->Länge = 4;
    r->Breite = 2;
    r->Winkel = 30;
    r->GeometrieBerechnen();
    r->GriffeErzeugen(&zf);
    const auto plaetze = r->GriffPlaetze(&zf);
    ASSERT_EQ(r->Griffe.size(), plaetze.size());
    for (std::size_t i = 0; i < plaetze.size(); ++i) {
        auto *g = dynamic_cast<TRechteckArtGriff *>(r->Griffe[i].get());
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->GriffArt, plaetze[i].GriffArt);
        EXPECT_EQ(g->Richtung, plaetze[i].Richtung);
        EXPECT_DOUBLE_EQ(g->PosX, plaetze[i].PosX);
        EXPECT_DOUBLE_EQ(g->BezugY, plaetze[i].BezugY);
        EXPECT_DOUBLE_EQ(g->Winkel, 30);
        EXPECT_EQ(g->Figur, r);
    }
    // Rebuilding replaces the handles; deselecting frees them.
    r->GriffeErzeugen(&zf);
    EXPECT_EQ(r->Griffe.size(), 9u);
    r->GriffeFreigeben();
    EXPECT_TRUE(r->Griffe.empty());

    auto *l = u.Neu<TLinie>("LINIE");
    l->punkt1Setzen(1, 1);
    l->punkt2Setzen(3, 1);
    l->GriffeErzeugen(&zf);
    ASSERT_EQ(l->Griffe.size(), 2u);
    auto *g2 = dynamic_cast<TLinienGriff *>(l->Griffe[1].get());
    ASSERT_NE(g2, nullptr);
    EXPECT_EQ(g2->PunktNummer, 2);
    EXPECT_DOUBLE_EQ(g2->PosX, 3);
}

} // namespace
