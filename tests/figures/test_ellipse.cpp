// Ellipse and regular polygon: outline points, point density by zoom and
// printing, hit tests, setters and the corner count rule.
#include "figuren_hilfen.h"

namespace {

using Ellipse = Figuren;

TEST_F(Ellipse, PunktzahlFolgtDerAufloesung)
{
    auto *e = u.neu<TEllipse>("ELLIPSE");
    // At 96 pixels per inch one centimetre is 37.8 pixels, rounded to 38.
    e->radiusXSetzen(5);
    e->radiusYSetzen(2);
    EXPECT_EQ(e->Umrisspunkte.size(), 119);
    EXPECT_EQ(e->Bildpunkte.size(), 119);

    TZeichenflaeche drucker;
    drucker.Drucken = true;
    TZeichenflaeche::AktuellSetzen(&drucker);
    e->GeometrieBerechnen();
    EXPECT_EQ(e->Umrisspunkte.size(), std::lround(236 * 2 * M_PI * 5 / 3));
    e->radiusXSetzen(50);
    EXPECT_EQ(e->Umrisspunkte.size(), 3000);
    TZeichenflaeche::AktuellSetzen(nullptr);
    e->GeometrieBerechnen();
    EXPECT_EQ(e->Umrisspunkte.size(), 500);

    // Size 0: still four points, all at the centre.
    e->MitteX = 3;
    e->MitteY = 2;
    e->Länge = e->Breite = 0;
    e->GeometrieBerechnen();
    ASSERT_EQ(e->Umrisspunkte.size(), 4);
    for (const TWeltPunkt &p : e->Umrisspunkte)
        EXPECT_PUNKT(p.X, p.Y, 3, 2);
}

TEST_F(Ellipse, ZeichnenMitDerPunktdichteDerFlaeche)
{
    auto *e = u.neu<TEllipse>("ELLIPSE");
    e->radiusXSetzen(5);
    e->Füllfarbe = TFarbe::Echt(0);
    e->Linienfarbe = TFarbe::Echt(0);
    zf.ZoomSetzen(4); // 151 pixels per centimetre
    QImage bild(20, 20, QImage::Format_RGB32);
    QPainter p(&bild);
    zf.Leinwand = &p;
    e->Zeichnen(&zf);
    EXPECT_EQ(e->Bildpunkte.size(), std::lround(151 * 2 * M_PI * 5 / 10));
}

TEST_F(Ellipse, GedrehterUmrissUndTreffer)
{
    auto *e = u.box<TEllipse>("ELLIPSE", 5, 5, 4, 2, 90);
    // Point 0 lies on the figure's own x axis, which now points up.
    EXPECT_PUNKT(e->Umrisspunkte[0].X, e->Umrisspunkte[0].Y, 5, 7);
    EXPECT_NEAR(e->Umgebungsrechteck.Oben, 7, Eps);
    EXPECT_NEAR(e->Umgebungsrechteck.Links, 4, 1e-3);
    EXPECT_NEAR(e->Umgebungsrechteck.Rechts, 6, 1e-3);

    EXPECT_TRUE(e->Getroffen(&zf, 5, 6.9));
    EXPECT_FALSE(e->Getroffen(&zf, 5.9, 6.9)); // inside the box, outside the ellipse
    EXPECT_TRUE(e->Getroffen(&zf, 5.95, 5));
    e->Füllfarbe = TFarbe::Unsichtbar();
    EXPECT_FALSE(e->Getroffen(&zf, 5, 5));
    EXPECT_TRUE(e->Getroffen(&zf, 5, 6.99));
    // A flat ellipse is hit along its outline.
    e->Füllfarbe = TFarbe::Echt(0);
    e->Breite = 0;
    e->GeometrieBerechnen();
    EXPECT_TRUE(e->Getroffen(&zf, 5.01, 6));
    EXPECT_FALSE(e->Getroffen(&zf, 5.5, 6));
}

TEST_F(Ellipse, SetterAttributeUndAufziehen)
{
    auto *e = u.neu<TEllipse>("ELLIPSE");
    EXPECT_EQ(ausfuehren(e, MRadiusXSetzen, Werte({Laenge(3)})), "");
    EXPECT_EQ(ausfuehren(e, MRadiusYSetzen, Werte({Laenge(1.5)})), "");
    EXPECT_EQ(ausfuehren(e, MMittelpunktSetzen, Werte({Laenge(4), Laenge(0.2)})), "");
    EXPECT_EQ(u.protokoll(), QStringList({"el0.radiusXSetzen( 3.00 cm )", "el0.radiusYSetzen( 1.50 cm )",
                                          "el0.mittelpunktSetzen( 4.00 cm, 2.00 mm )"}));
    EXPECT_BOX(e, 4, 0.2, 6, 3);
    EXPECT_EQ(attributTexte(e, {ARadiusX, ARadiusY, AMittelpunktX, AMittelpunktY}),
              QStringList({"3.00 cm", "1.50 cm", "4.00 cm", "2.00 mm"}));
    EXPECT_NEAR(e->Umgebungsrechteck.Rechts, 7, Eps);

    Umgebung v;
    auto *f = v.neu<TEllipse>("ELLIPSE");
    f->AufziehenBeginnen(nullptr, 1, 1);
    f->Aufziehen(nullptr, true, false, 5, 2);
    f->AufziehenBeenden(nullptr);
    EXPECT_EQ(v.protokoll(), QStringList({"el0:ELLIPSE", "el0.mittelpunktSetzen( 3.00 cm, 3.00 cm )",
                                          "el0.radiusXSetzen( 2.00 cm )", "el0.radiusYSetzen( 2.00 cm )"}));
}

using VielEck = Figuren;

TEST_F(VielEck, SechseckUndEckenzahl)
{
    auto *v = u.box<TVielEck>("VIELECK", 5, 5, 4, 2);
    ASSERT_EQ(v->Eckenzahl, 6);
    ASSERT_EQ(v->Umrisspunkte.size(), 6);
    EXPECT_PUNKT(v->Umrisspunkte[0].X, v->Umrisspunkte[0].Y, 7, 5);
    EXPECT_PUNKT(v->Umrisspunkte[1].X, v->Umrisspunkte[1].Y, 6, 5 + std::sin(M_PI / 3));
    EXPECT_NEAR(v->Umgebungsrechteck.Links, 3, Eps);

    auto eckenzahl = [&](std::int32_t n) { return ausfuehren(v, MEckenzahlSetzen, Werte({TData(n)})); };
    for (std::int32_t falsch : {2, 1001, -5}) {
        EXPECT_EQ(eckenzahl(falsch), "Ein Vieleck muss zwischen 3 und 1000 Ecken haben.");
        EXPECT_EQ(v->Eckenzahl, 6);
    }
    EXPECT_EQ(u.anzahl(), 0);
    EXPECT_EQ(eckenzahl(3), "");
    EXPECT_EQ(v->Umrisspunkte.size(), 3);
    EXPECT_EQ(u.zuletzt(), "ve0.eckenzahlSetzen( 3 )");
    EXPECT_EQ(eckenzahl(1000), "");
    EXPECT_EQ(v->Umrisspunkte.size(), 1000);
    EXPECT_EQ(attributTexte(v, {AEckenzahl}), QStringList{"1000"});
}

// Mirroring gives the mirror image of the outline for every corner count
// (odd counts are not the same shape turned by 180 degrees), also inside a
// group. The mirrored outline is compared as a set of corners.
TEST_F(VielEck, SpiegelnGibtDasSpiegelbildFuerJedeEckenzahl)
{
    auto gleicheEcken = [](const QVector<TWeltPunkt> &ist, const QVector<TWeltPunkt> &soll) {
        ASSERT_EQ(ist.size(), soll.size());
        for (const TWeltPunkt &p : soll) {
            bool gefunden = false;
            for (const TWeltPunkt &q : ist)
                gefunden = gefunden || (std::abs(p.X - q.X) < 1e-9 && std::abs(p.Y - q.Y) < 1e-9);
            EXPECT_TRUE(gefunden) << p.X << ", " << p.Y;
        }
    };
    for (int n : {3, 4, 5, 6, 7}) {
        for (double w : {0.0, 30.0, 200.0}) {
            for (bool vertikal : {true, false}) {
                SCOPED_TRACE(testing::Message() << n << " Ecken, Winkel " << w << (vertikal ? " vertikal" : " horizontal"));
                auto *v = u.box<TVielEck>("VIELECK", 5, 4, 4, 3, w);
                ASSERT_EQ(ausfuehren(v, MEckenzahlSetzen, Werte({TData(std::int32_t(n))})), "");
                QVector<TWeltPunkt> soll = v->Umrisspunkte;
                for (TWeltPunkt &p : soll)
                    (vertikal ? p.X : p.Y) = Spiegelwert(vertikal ? 5.0 : 4.0, vertikal ? p.X : p.Y);
                if (vertikal)
                    v->vertikalSpiegeln();
                else
                    v->horizontalSpiegeln();
                gleicheEcken(v->Umrisspunkte, soll);
            }
        }
    }
    // "Vertikal Spiegeln" of an upright triangle (corner to the right) makes
    // it point to the left; "Horizontal Spiegeln" leaves it as it is.
    auto *dreieck = u.box<TVielEck>("VIELECK", 0, 0, 2, 2);
    ASSERT_EQ(ausfuehren(dreieck, MEckenzahlSetzen, Werte({TData(std::int32_t(3))})), "");
    dreieck->horizontalSpiegeln();
    EXPECT_PUNKT(dreieck->Umgebungsrechteck.Links, dreieck->Umgebungsrechteck.Rechts, -0.5, 1.0);
    dreieck->vertikalSpiegeln();
    EXPECT_PUNKT(dreieck->Umgebungsrechteck.Links, dreieck->Umgebungsrechteck.Rechts, -1.0, 0.5);

    // Inside a group the triangle is mirrored at the group's centre.
    auto *a = u.box<TVielEck>("VIELECK", 2, 0, 2, 2);
    ASSERT_EQ(ausfuehren(a, MEckenzahlSetzen, Werte({TData(std::int32_t(5))})), "");
    auto *b = u.rechteck(8, 0, 2, 2);
    auto gruppe = u.lose<TGruppe>("GRUPPE");
    TGruppe *g = TGruppe::Gruppieren(std::move(gruppe), {a, b});
    QVector<TWeltPunkt> soll = a->Umrisspunkte;
    for (TWeltPunkt &p : soll)
        p.X = Spiegelwert(g->MitteX, p.X);
    g->vertikalSpiegeln();
    gleicheEcken(a->Umrisspunkte, soll);
}

TEST_F(VielEck, TrefferUndAufziehenUndKopie)
{
    auto *v = u.neu<TVielEck>("VIELECK");
    v->Füllfarbe = TFarbe::Echt(0);
    v->AufziehenBeginnen(nullptr, 2, 2);
    v->Aufziehen(nullptr, false, true, 4, 3);
    v->AufziehenBeenden(nullptr);
    EXPECT_EQ(u.protokoll(), QStringList({"ve0:VIELECK", "ve0.mittelpunktSetzen( 2.00 cm, 2.00 cm )",
                                          "ve0.LängeSetzen( 4.00 cm )", "ve0.BreiteSetzen( 2.00 cm )",
                                          "ve0.eckenzahlSetzen( 6 )"}));
    EXPECT_TRUE(v->Getroffen(&zf, 2, 2));
    EXPECT_TRUE(v->Getroffen(&zf, 3.9, 2));
    EXPECT_FALSE(v->Getroffen(&zf, 3.9, 2.9)); // box corner, outside the hexagon

    v->Eckenzahl = 8;
    auto kopie = v->Duplizieren(false);
    EXPECT_EQ(static_cast<TVielEck *>(kopie.get())->Eckenzahl, 8);
}

} // namespace
