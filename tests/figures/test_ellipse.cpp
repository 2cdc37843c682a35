// Ellipse and regular polygon: outline points by zoom and printing, setters,
// drag creation, the corner count rule and mirroring.
#include "figuren_hilfen.h"

namespace
{

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
    // Drawn, the surface's zoom decides: 151 pixels per centimetre at 400 %.
    e->radiusXSetzen(5);
    zf.ZoomSetzen(4);
    QImage bild(20, 20, QImage::Format_RGB32);
    QPainter p(&bild);
    zf.Leinwand = &p;
    e->Zeichnen(&zf);
    EXPECT_EQ(e->Bildpunkte.size(), std::lround(151 * 2 * M_PI * 5 / 10));
}

// Typed setters, then drag creation of the box figures with their log entries.
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

    const struct {
        const char *klasse;
        bool shift, ctrl;
        const char *log; // the calls recorded, separated by "|"
    } faelle[] = {
        {"ELLIPSE", true, false,
         "el0:ELLIPSE|el0.mittelpunktSetzen( 3.00 cm, 3.00 cm )|el0.radiusXSetzen( 2.00 cm )|"
         "el0.radiusYSetzen( 2.00 cm )"},
        {"VIELECK", false, true,
         "ve0:VIELECK|ve0.mittelpunktSetzen( 10.00 mm, 10.00 mm )|ve0.LängeSetzen( 8.00 cm )|"
         "ve0.BreiteSetzen( 2.00 cm )|ve0.eckenzahlSetzen( 6 )"},
        {"RECHTECK", false, false,
         "re0:RECHTECK|re0.DiagonalenschnittpunktSetzen( 3.00 cm, 1.50 cm )|"
         "re0.BreiteSetzen( 10.00 mm )|re0.LängeSetzen( 4.00 cm )"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.klasse);
        Umgebung v;
        auto *z = v.neu<TRechteckArt>(f.klasse);
        z->AufziehenBeginnen(nullptr, 1, 1);
        z->Aufziehen(nullptr, f.shift, f.ctrl, 5, 2);
        z->AufziehenBeenden(nullptr);
        EXPECT_EQ(v.protokoll().join(QLatin1Char('|')), f.log);
    }
}

using VielEck = Figuren;

TEST_F(VielEck, SechseckEckenzahlUndKopie)
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
    EXPECT_EQ(static_cast<TVielEck *>(v->Duplizieren(false).get())->Eckenzahl, 1000);
}

// Mirroring gives the mirror image of the outline (as a set of corners) for
// every corner count (odd counts are not the same shape turned by 180 degrees).
TEST_F(VielEck, SpiegelnGibtDasSpiegelbildFuerJedeEckenzahl)
{
    for (int n : {3, 4, 5, 6, 7})
        for (double w : {0.0, 30.0, 200.0})
            for (bool vertikal : {true, false}) {
                SCOPED_TRACE(testing::Message() << n << " Ecken, Winkel " << w << (vertikal ? " vertikal" : ""));
                auto *v = u.box<TVielEck>("VIELECK", 5, 4, 4, 3, w);
                ASSERT_EQ(ausfuehren(v, MEckenzahlSetzen, Werte({TData(std::int32_t(n))})), "");
                const QVector<TWeltPunkt> vorher = v->Umrisspunkte;
                if (vertikal)
                    v->vertikalSpiegeln();
                else
                    v->horizontalSpiegeln();
                ASSERT_EQ(v->Umrisspunkte.size(), vorher.size());
                for (TWeltPunkt p : vorher) {
                    (vertikal ? p.X : p.Y) = Spiegelwert(vertikal ? 5 : 4, vertikal ? p.X : p.Y);
                    EXPECT_TRUE(
                        std::any_of(v->Umrisspunkte.begin(), v->Umrisspunkte.end(),
                                    [&](const TWeltPunkt &q) { return std::hypot(p.X - q.X, p.Y - q.Y) < 1e-9; }))
                        << p.X << ", " << p.Y;
                }
            }
}

} // namespace
