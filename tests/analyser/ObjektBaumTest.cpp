#include "AnalyserHilfen.h"
#include "analyser/DiagrammFlaeche.h"
#include "analyser/ObjektBaum.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr double Genau = 1e-9;

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
    QImage zeichnen(TObjektBaum &baum, const TObjekt *fokus = nullptr,
                    std::function<bool(const TObjekt *)> auswahl = {})
    {
        QImage bild(flaeche.BreitePixel(), flaeche.HoehePixel(), QImage::Format_RGB32);
        bild.fill(Qt::gray);
        QPainter p(&bild);
        flaeche.LeinwandSetzen(&p);
        baum.Zeichnen(fokus, auswahl);
        flaeche.LeinwandSetzen(nullptr);
        return bild;
    }
};

// The colours (without alpha) of some pixels of an image.
QList<QRgb> farben(const QImage &bild, std::initializer_list<QPoint> punkte)
{
    QList<QRgb> f;
    for (const QPoint &p : punkte)
        f << rgb(bild, p.x(), p.y());
    return f;
}
constexpr QRgb S = 0x000000, W = 0xFFFFFF;

} // namespace

TEST_F(ObjektBaumTest, LeeresDokumentHatEineKarteEinenZentimeterVomRand)
{
    for (std::uint8_t ausrichtung : {AusrichtungHorizontal, AusrichtungVertikal}) {
        auto baum = bauen(ausrichtung);
        ASSERT_EQ(baum->KnotenAnzahl(), 1);
        const TObjektKnoten &w = *baum->Wurzel;
        EXPECT_EQ(w.Objekt, &u.Dokument);
        const QRectF r = w.Bildrechteck();
        EXPECT_NEAR(r.left(), 1.0, Genau);
        EXPECT_NEAR(r.top(), 1.0, Genau);
        EXPECT_NEAR(flaeche.DiagrammBreite, r.width() + 2.0, Genau);
        EXPECT_NEAR(flaeche.DiagrammHoehe, r.height() + 2.0, Genau);
        // The text "dokument1:DOKUMENT" plus 0.3 cm on each side.
        flaeche.SchriftgroesseSetzen(10);
        const double tw = flaeche.TextBreite(QStringLiteral("dokument1:DOKUMENT"));
        const double th = flaeche.TextHoehe(QStringLiteral("dokument1:DOKUMENT"));
        EXPECT_NEAR(r.width(), tw + 0.6, Genau);
        EXPECT_NEAR(r.height(), th + 0.6, Genau);
        EXPECT_GT(tw, 2.0); // a real measurement, not a zero font
    }
}

TEST_F(ObjektBaumTest, DreiRechteckeLiegenMitHalbemZentimeterAbstandZentriertUnterDemDokument)
{
    TObjekt *r[3] = {u.neu("RECHTECK"), u.neu("RECHTECK"), u.neu("RECHTECK")};
    for (std::uint8_t ausrichtung : {AusrichtungHorizontal, AusrichtungVertikal}) {
        SCOPED_TRACE(int(ausrichtung));
        auto baum = bauen(ausrichtung);
        ASSERT_EQ(baum->KnotenAnzahl(), 4);
        // Seen downwards: x along the siblings, y along the depth.
        const bool abwaerts = ausrichtung == AusrichtungHorizontal;
        const auto drehen = [abwaerts](QRectF r) { return abwaerts ? r : QRectF(r.y(), r.x(), r.height(), r.width()); };
        const QRectF w = drehen(baum->Wurzel->Bildrechteck());
        const QRectF flaecheAbwaerts = drehen(QRectF(0, 0, flaeche.DiagrammBreite, flaeche.DiagrammHoehe));
        QRectF k[3];
        for (int i = 0; i < 3; ++i)
            k[i] = drehen(karte(*baum, r[i]).Bildrechteck());
        // One level deeper, 1.0 cm beyond the document, 0.5 cm between.
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(k[i].top(), w.bottom() + 1.0, Genau);
        for (int i = 0; i < 2; ++i)
            EXPECT_NEAR(k[i + 1].left() - k[i].right(), 0.5, Genau);
        // Centred on the document's card; the row is wider than the
        // document's card, so it starts at the margin.
        EXPECT_NEAR((k[0].center().x() + k[2].center().x()) / 2, w.center().x(), Genau);
        EXPECT_NEAR(k[0].left(), 1.0, Genau);
        EXPECT_NEAR(flaecheAbwaerts.width(), k[2].right() + 1.0, Genau);
        EXPECT_NEAR(flaecheAbwaerts.height(), k[0].bottom() + 1.0, Genau);
    }
}

TEST_F(ObjektBaumTest, HoheGruppeSchiebtIhrenNachbarnAufGenauEinenHalbenZentimeter)
{
    TObjekt *g1 = u.gruppe(5);
    TObjekt *g2 = u.gruppe(2);
    for (std::uint8_t ausrichtung : {AusrichtungHorizontal, AusrichtungVertikal}) {
        SCOPED_TRACE(int(ausrichtung));
        auto baum = bauen(ausrichtung);
        const TObjektKnoten &letzter = karte(*baum, g1->Teile.back().get());
        const TObjektKnoten &erster = karte(*baum, g2->Teile.front().get());
        // Closest cards of the two subtrees: exactly 0.5 cm apart.
        EXPECT_NEAR((erster.Y - erster.Hoehe / 2) - (letzter.Y + letzter.Hoehe / 2), 0.5, Genau);
        // The group cards themselves were pushed further apart than 0.5 cm.
        const TObjektKnoten &k1 = karte(*baum, g1);
        const TObjektKnoten &k2 = karte(*baum, g2);
        EXPECT_GT((k2.Y - k2.Hoehe / 2) - (k1.Y + k1.Hoehe / 2), 1.0);
        // No two cards of one level overlap.
        for (const auto &a : k1.Kinder)
            for (const auto &b : k2.Kinder)
                EXPECT_FALSE(a->Bildrechteck().intersects(b->Bildrechteck()));
    }
}

TEST_F(ObjektBaumTest, KartenOhneUeberlappendeTiefenintervalleSchiebenNicht)
{
    // Downwards all cards of one level have the same extent on the depth
    // axis: the rectangle after the group meets only the group's card.
    TObjekt *g = u.gruppe(5);
    TObjekt *r = u.neu("RECHTECK");
    auto baum = bauen(AusrichtungHorizontal);
    const TObjektKnoten &kg = karte(*baum, g);
    const TObjektKnoten &kr = karte(*baum, r);
    EXPECT_NEAR((kr.Y - kr.Hoehe / 2) - (kg.Y + kg.Hoehe / 2), 0.5, Genau);
    // The group's members reach far past the rectangle on the sibling axis,
    // one level deeper.
    const TObjektKnoten &letzter = karte(*baum, g->Teile.back().get());
    EXPECT_GT(letzter.Y + letzter.Hoehe / 2, kr.Y + kr.Hoehe / 2);
    EXPECT_GE(letzter.X, kr.X + kr.Breite + 1.0 - Genau);
}

TEST_F(ObjektBaumTest, FaltenVerbirgtDieMitgliederUndZeigtEinPlus)
{
    TObjekt *g = u.gruppe(3);
    auto baum = bauen(AusrichtungHorizontal);
    ASSERT_EQ(baum->KnotenAnzahl(), 5);
    const TObjektKnoten &offen = karte(*baum, g);
    ASSERT_TRUE(offen.HatMarke());
    QImage bild = zeichnen(*baum);
    auto markenPixel = [&](const TObjektKnoten &k) {
        // Marker on the card's middle line, 7 px inside its far edge
        // (downwards: the bottom edge).
        const QRectF r = k.Bildrechteck();
        EXPECT_NEAR(k.MarkeY, r.center().x(), Genau);
        EXPECT_NEAR(flaeche.YPixel(k.MarkeX), flaeche.YPixel(r.bottom()) - 7, 1);
        return std::pair{flaeche.XPixel(k.MarkeY), flaeche.YPixel(k.MarkeX)};
    };
    auto [cx, cy] = markenPixel(offen);
    // Minus, no plus stroke, the marker's frame.
    EXPECT_EQ(farben(bild, {{cx - 2, cy}, {cx + 2, cy}, {cx, cy - 2}, {cx - 4, cy - 4}, {cx + 4, cy + 4}}),
              (QList<QRgb>{S, S, W, S, S}));

    g->ObjektdiagrammZusammengefaltet = true;
    EXPECT_TRUE(baum->Veraltet());
    baum->Aufbauen();
    EXPECT_FALSE(baum->Veraltet());
    ASSERT_EQ(baum->KnotenAnzahl(), 2);
    EXPECT_EQ(baum->KnotenZuObjekt(g->Teile.front().get()), nullptr);
    const TObjektKnoten &zu = karte(*baum, g);
    EXPECT_TRUE(zu.Kinder.empty());
    EXPECT_TRUE(zu.HatMarke());
    bild = zeichnen(*baum);
    std::tie(cx, cy) = markenPixel(zu);
    EXPECT_EQ(farben(bild, {{cx, cy - 2}, {cx, cy + 2}, {cx - 2, cy}}), (QList<QRgb>{S, S, S})); // plus
}

TEST_F(ObjektBaumTest, KlickAufDieMarkeFaltetUndMeldetEs)
{
    TObjekt *g = u.gruppe(2);
    auto baum = bauen(AusrichtungVertikal);
    const TObjektKnoten &k = karte(*baum, g);
    bool gefaltet = false;
    // Marker centre in screen axes (vertical: depth = x).
    EXPECT_EQ(baum->KnotenSuchen(k.MarkeX, k.MarkeY, gefaltet), g);
    EXPECT_TRUE(gefaltet);
    EXPECT_TRUE(g->ObjektdiagrammZusammengefaltet);
    // Just outside the marker radius: the card, no folding.
    EXPECT_EQ(baum->KnotenSuchen(k.MarkeX - 1.01 * k.MarkeRadius, k.MarkeY, gefaltet), g);
    EXPECT_FALSE(gefaltet);
    EXPECT_TRUE(g->ObjektdiagrammZusammengefaltet);
    // 4 pixels at 96 dpi.
    EXPECT_NEAR(k.MarkeRadius, 4 / (96 / 2.54), 1e-12);
    EXPECT_NEAR(k.MarkeX, k.X + k.Breite - 7 / (96 / 2.54), 1e-12);
}

TEST_F(ObjektBaumTest, KnotenSuchenAmFernenRandIstAusserhalb)
{
    TObjekt *r = u.neu("RECHTECK");
    for (std::uint8_t ausrichtung : {AusrichtungHorizontal, AusrichtungVertikal}) {
        SCOPED_TRACE(int(ausrichtung));
        auto baum = bauen(ausrichtung);
        const TObjektKnoten &k = karte(*baum, r);
        const bool waagerecht = ausrichtung == AusrichtungHorizontal;
        auto suchen = [&](double tiefe, double geschwister) {
            bool gefaltet = true;
            TObjekt *o = waagerecht ? baum->KnotenSuchen(geschwister, tiefe, gefaltet)
                                    : baum->KnotenSuchen(tiefe, geschwister, gefaltet);
            EXPECT_FALSE(gefaltet);
            return o;
        };
        EXPECT_EQ(suchen(k.X + k.Breite, k.Y), nullptr);
        EXPECT_EQ(suchen(k.X + k.Breite - 1e-6, k.Y), r);
        EXPECT_EQ(suchen(k.X, k.Y), r);
        EXPECT_EQ(suchen(k.X - 1e-6, k.Y), nullptr);
        EXPECT_EQ(suchen(k.X + 0.1, k.Y + k.Hoehe / 2 - 1e-9), r);
        EXPECT_EQ(suchen(k.X + 0.1, k.Y + k.Hoehe / 2 + 1e-6), nullptr);
        const TObjektKnoten &w = *baum->Wurzel;
        EXPECT_EQ(suchen(w.X + 0.1, w.Y), &u.Dokument);
    }
}

TEST_F(ObjektBaumTest, LinienzugBeginntGefaltetUndZeigtAufgeklapptSeinePunkte)
{
    TObjekt *lz = u.linienzug(3);
    ASSERT_TRUE(lz->ObjektdiagrammZusammengefaltet);
    auto baum = bauen(AusrichtungHorizontal);
    EXPECT_EQ(baum->KnotenAnzahl(), 2);
    EXPECT_TRUE(karte(*baum, lz).HatMarke());
    lz->ObjektdiagrammZusammengefaltet = false;
    baum->Aufbauen();
    const TObjektKnoten &k = karte(*baum, lz);
    ASSERT_EQ(k.Kinder.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(k.Kinder[i]->Objekt, lz->Teile[i].get());
        EXPECT_EQ(KartenText(*k.Kinder[i]->Objekt), QStringLiteral("lp%1:PUNKT").arg(i));
        EXPECT_FALSE(k.Kinder[i]->HatMarke());
    }
    EXPECT_EQ(KartenText(*lz), QStringLiteral("lz0:LINIENZUG"));
}

TEST_F(ObjektBaumTest, VeraltetErkenntNeueEntfernteUndVertauschteObjekte)
{
    TObjekt *a = u.neu("RECHTECK");
    u.neu("ELLIPSE");
    auto baum = bauen(AusrichtungHorizontal);
    EXPECT_FALSE(baum->Veraltet());
    u.Dokument.TeilInDenVordergrund(a);
    EXPECT_TRUE(baum->Veraltet());
    baum->Aufbauen();
    EXPECT_FALSE(baum->Veraltet());
    auto weg = u.Dokument.TeilEntfernen(a);
    EXPECT_TRUE(baum->Veraltet());
    baum->Aufbauen();
    EXPECT_EQ(baum->KnotenAnzahl(), 2);
    u.neu("LINIE");
    EXPECT_TRUE(baum->Veraltet());
}

TEST_F(ObjektBaumTest, BeiZweihundertProzentDoppeltePixelUndGleicheZentimeter)
{
    TObjekt *r = u.neu("RECHTECK");
    auto baum = bauen(AusrichtungVertikal);
    const double breite1 = karte(*baum, r).Breite;
    const int pixel1 = flaeche.Schrift().pixelSize();
    EXPECT_EQ(pixel1, 13); // 10 pt at 96 dpi
    ASSERT_TRUE(flaeche.ZoomSetzen(2.0));
    baum->Aufbauen();
    EXPECT_EQ(flaeche.Schrift().pixelSize(), 27); // 20 pt
    EXPECT_NEAR(karte(*baum, r).Breite, breite1, 0.1);
    EXPECT_EQ(flaeche.XPixel(1.0), 76);
    EXPECT_FALSE(flaeche.ZoomSetzen(10.0));
    EXPECT_FALSE(flaeche.ZoomSetzen(0.01));
    EXPECT_DOUBLE_EQ(flaeche.Zoom, 2.0);
}

TEST_F(ObjektBaumTest, KarteZeigtFokusGruenUndAuswahlMitEckmarken)
{
    TObjekt *r = u.neu("RECHTECK");
    auto baum = bauen(AusrichtungHorizontal);
    const QRectF k = karte(*baum, r).Bildrechteck();
    const QRect px(QPoint(flaeche.XPixel(k.left()), flaeche.YPixel(k.top())),
                   QPoint(flaeche.XPixel(k.right()), flaeche.YPixel(k.bottom())));
    const QRgb gruen = qRgb(0, 221, 0);

    const QRectF w = baum->Wurzel->Bildrechteck();
    // Top edge middle and one above, rounded corner, outside the corner,
    // the connector from the document, the far corner, the document's edge.
    const auto stellen = {QPoint(px.center().x(), px.top()), QPoint(px.center().x(), px.top() - 1), px.topLeft(),
                          QPoint(px.left() - 3, px.top() - 3), QPoint(px.center().x(), px.top() - 3),
                          QPoint(px.right() + 2, px.bottom() + 2),
                          QPoint(flaeche.XPixel(w.center().x()), flaeche.YPixel(w.top()))};
    QImage bild = zeichnen(*baum);
    EXPECT_EQ(farben(bild, stellen), (QList<QRgb>{S, S, W, W, S, W, S}));
    EXPECT_EQ(farbPixel(bild, bild.rect(), gruen), 0);
    // Focus: a green pen at least two pixels wide; selection: corner marks.
    bild = zeichnen(*baum, r, [r](const TObjekt *o) { return o == r; });
    const QRgb g = gruen & 0xFFFFFF;
    EXPECT_EQ(farben(bild, stellen), (QList<QRgb>{g, g, W, S, S, S, S}));
}

TEST(PlatzBedarf, UntenBehaeltDenFernstenObenDenNaechsten)
{
    TPlatzBedarf b;
    b.UntenHinzufuegen({0, 2, 5});
    b.UntenHinzufuegen({0.2, 1.8, 4}); // covered and nearer: dropped
    ASSERT_EQ(b.Unten.size(), 1u);
    EXPECT_EQ(b.Unten[0].Lage, 5);
    b.UntenHinzufuegen({-0.3, 2.3, 6}); // covers the entry and is farther: replaces it
    ASSERT_EQ(b.Unten.size(), 1u);
    EXPECT_EQ(b.Unten[0].Lage, 6);
    EXPECT_EQ(b.Unten[0].Von, -0.3);
    b.UntenHinzufuegen({5, 7, 1}); // elsewhere: appended
    EXPECT_EQ(b.Unten.size(), 2u);

    b.ObenHinzufuegen({0, 2, 5});
    b.ObenHinzufuegen({0.2, 1.8, 6}); // covered and farther: dropped
    ASSERT_EQ(b.Oben.size(), 1u);
    b.ObenHinzufuegen({0, 2, 3}); // nearer: replaces
    ASSERT_EQ(b.Oben.size(), 1u);
    EXPECT_EQ(b.Oben[0].Lage, 3);
}

TEST(PlatzBedarf, UeberlappungNurBeiUeberlappendenIntervallen)
{
    TPlatzBedarf b;
    b.Unten = {{0, 2, 5}, {3, 4, 9}};
    b.Oben = {{0, 2, 3}};
    EXPECT_DOUBLE_EQ(b.Ueberlappung(), 2.0);
    b.Oben = {{1.95, 3.05, 3}}; // touches both only within the 0.1 tolerance
    EXPECT_DOUBLE_EQ(b.Ueberlappung(), 0.0);
    b.Oben = {{1.85, 3.15, 3}};
    EXPECT_DOUBLE_EQ(b.Ueberlappung(), 6.0);
    b.Oben = {{0, 2, 5.5}}; // already beyond
    EXPECT_DOUBLE_EQ(b.Ueberlappung(), 0.0);
}
