// The object tree: folding, hit tests, zoom, the contours between subtrees.
#include "analyser/DiagrammFlaeche.h"
#include "analyser/ObjektBaum.h"
#include "analyser_hilfen.h"

#include <QPainter>

namespace
{

constexpr double Genau = 1e-9;
constexpr QRgb S = 0x000000, W = 0xFFFFFF;

struct ObjektBaumTest : ::testing::Test {
    TAnalyserUmgebung u;
    TDiagrammFlaeche flaeche;

    std::unique_ptr<TObjektBaum> bauen(std::uint8_t ausrichtung)
    {
        auto baum = std::make_unique<TObjektBaum>(&u.Dokument, ausrichtung, &flaeche);
        baum->Aufbauen();
        return baum;
    }
    const TObjektKnoten &karte(const TObjektBaum &baum, const TObjekt *o)
    {
        const TObjektKnoten *k = baum.KnotenZuObjekt(o);
        EXPECT_NE(k, nullptr);
        return *k;
    }
    QImage zeichnen(TObjektBaum &baum)
    {
        QImage bild(flaeche.BreitePixel(), flaeche.HoehePixel(), QImage::Format_RGB32);
        bild.fill(Qt::gray);
        QPainter p(&bild);
        flaeche.LeinwandSetzen(&p);
        baum.Zeichnen(nullptr, {});
        flaeche.LeinwandSetzen(nullptr);
        return bild;
    }
};

} // namespace

// Folding hides the members and turns the minus into a plus.
TEST_F(ObjektBaumTest, FaltenVerbirgtDieMitgliederUndZeigtEinPlus)
{
    TObjekt *g = u.gruppe(3);
    auto baum = bauen(AusrichtungHorizontal);
    ASSERT_EQ(baum->KnotenAnzahl(), 5);
    ASSERT_TRUE(karte(*baum, g).HatMarke());
    // Marker on the card's middle line, 7 px inside its far edge.
    auto markenPixel = [&](const TObjektKnoten &k) {
        const QRectF r = k.Bildrechteck();
        EXPECT_NEAR(k.MarkeY, r.center().x(), Genau);
        EXPECT_NEAR(flaeche.YPixel(k.MarkeX), flaeche.YPixel(r.bottom()) - 7, 1);
        return std::pair{flaeche.XPixel(k.MarkeY), flaeche.YPixel(k.MarkeX)};
    };
    auto [cx, cy] = markenPixel(karte(*baum, g));
    // Minus, no plus stroke, the marker's frame.
    EXPECT_EQ(farben(zeichnen(*baum), {{cx - 2, cy}, {cx + 2, cy}, {cx, cy - 2}, {cx - 4, cy - 4}, {cx + 4, cy + 4}}),
              (QList<QRgb>{S, S, W, S, S}));

    g->ObjektdiagrammZusammengefaltet = true;
    baum->Aufbauen();
    ASSERT_EQ(baum->KnotenAnzahl(), 2);
    EXPECT_EQ(baum->KnotenZuObjekt(g->Teile.front().get()), nullptr);
    EXPECT_TRUE(karte(*baum, g).Kinder.empty() && karte(*baum, g).HatMarke());
    std::tie(cx, cy) = markenPixel(karte(*baum, g));
    EXPECT_EQ(farben(zeichnen(*baum), {{cx, cy - 2}, {cx, cy + 2}, {cx - 2, cy}}), (QList<QRgb>{S, S, S}));
}

// A click on a fold marker folds, just outside its radius (4 pixels at 96 dpi)
// it does not. At 200 % the pixels double and the centimetres stay.
TEST_F(ObjektBaumTest, MarkeTreffenUndZoom)
{
    TObjekt *g = u.gruppe(2);
    auto baum = bauen(AusrichtungVertikal); // the depth runs along x
    const TObjektKnoten &m = karte(*baum, g);
    EXPECT_NEAR(m.MarkeRadius, 4 / (96 / 2.54), 1e-12);
    bool gefaltet = true;
    EXPECT_EQ(baum->KnotenSuchen(m.MarkeX - 1.01 * m.MarkeRadius, m.MarkeY, gefaltet), g);
    EXPECT_EQ(std::tuple(gefaltet, g->ObjektdiagrammZusammengefaltet), std::tuple(false, false));
    EXPECT_EQ(baum->KnotenSuchen(m.MarkeX, m.MarkeY, gefaltet), g);
    EXPECT_EQ(std::tuple(gefaltet, g->ObjektdiagrammZusammengefaltet), std::tuple(true, true));

    const double breite = m.Breite;
    EXPECT_EQ(flaeche.Schrift().pixelSize(), 13); // 10 pt at 96 dpi
    ASSERT_TRUE(flaeche.ZoomSetzen(2.0));
    baum->Aufbauen();
    EXPECT_EQ(std::tuple(flaeche.Schrift().pixelSize(), flaeche.XPixel(1.0)), std::tuple(27, 76));
    EXPECT_NEAR(karte(*baum, g).Breite, breite, 0.1);
    EXPECT_FALSE(flaeche.ZoomSetzen(10.0) || flaeche.ZoomSetzen(0.01));
    EXPECT_DOUBLE_EQ(flaeche.Zoom, 2.0);
}

// Below keeps the farthest entry of a stretch, above the nearest; only
// overlapping intervals (beyond a 0.1 tolerance) count as overlap.
TEST(PlatzBedarf, HinzufuegenUndUeberlappung)
{
    TPlatzBedarf b;
    const struct {
        bool unten;
        TPlatzbedarfEintrag neu;
        std::size_t anzahl;
        double lage; // of the first entry
    } schritte[] = {
        {true, {0, 2, 5}, 1, 5},      {true, {0.2, 1.8, 4}, 1, 5},  // covered and nearer: dropped
        {true, {-0.3, 2.3, 6}, 1, 6},                               // covers the entry and is farther: replaces it
        {true, {5, 7, 1}, 2, 6},                                    // elsewhere: appended
        {false, {0, 2, 5}, 1, 5},     {false, {0.2, 1.8, 6}, 1, 5}, // covered and farther: dropped
        {false, {0, 2, 3}, 1, 3},                                   // nearer: replaces
    };
    for (const auto &s : schritte) {
        SCOPED_TRACE(s.neu.Von);
        s.unten ? b.UntenHinzufuegen(s.neu) : b.ObenHinzufuegen(s.neu);
        const auto &liste = s.unten ? b.Unten : b.Oben;
        ASSERT_EQ(liste.size(), s.anzahl);
        EXPECT_EQ(liste[0].Lage, s.lage);
    }
    EXPECT_EQ(b.Unten[0].Von, -0.3);

    b.Unten = {{0, 2, 5}, {3, 4, 9}};
    const std::pair<TPlatzbedarfEintrag, double> faelle[] = {
        {{0, 2, 3}, 2.0}, {{1.95, 3.05, 3}, 0.0}, {{1.85, 3.15, 3}, 6.0}, {{0, 2, 5.5}, 0.0}};
    for (const auto &[oben, ueberlappung] : faelle) {
        b.Oben = {oben};
        EXPECT_DOUBLE_EQ(b.Ueberlappung(), ueberlappung) << oben.Von;
    }
}
