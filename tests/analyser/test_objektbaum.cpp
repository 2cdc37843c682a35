// The object tree's layout (cm), folding, hit tests, staleness, zoom and
// its drawing; the contour pairs that keep subtrees apart.
#include "analyser_hilfen.h"
#include "analyser/DiagrammFlaeche.h"
#include "analyser/ObjektBaum.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr double Genau = 1e-9;
constexpr QRgb S = 0x000000, W = 0xFFFFFF;
const std::uint8_t beideAusrichtungen[] = {AusrichtungHorizontal, AusrichtungVertikal};

::testing::AssertionResult nahe(const QRectF &a, const QRectF &b)
{
    const double d[] = {a.left() - b.left(), a.top() - b.top(), a.width() - b.width(), a.height() - b.height()};
    for (double x : d)
        if (std::abs(x) > Genau)
            return ::testing::AssertionFailure() << a.x() << ',' << a.y() << ' ' << a.width() << 'x' << a.height();
    return ::testing::AssertionSuccess();
}

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

} // namespace

// The empty document is one card 1 cm from the margin: its text plus 0.3 cm
// on each side. Three rectangles lie one level deeper, 1 cm beyond it, 0.5 cm
// apart and centred on it (the row is wider, so it starts at the margin).
TEST_F(ObjektBaumTest, DokumentkarteUndDreiRechteckeDarunter)
{
    for (std::uint8_t ausrichtung : beideAusrichtungen) {
        SCOPED_TRACE(int(ausrichtung));
        auto baum = bauen(ausrichtung);
        ASSERT_EQ(baum->KnotenAnzahl(), 1);
        EXPECT_EQ(baum->Wurzel->Objekt, static_cast<TObjekt *>(&u.Dokument));
        flaeche.SchriftgroesseSetzen(10);
        const double tw = flaeche.TextBreite(QStringLiteral("dokument1:DOKUMENT"));
        EXPECT_GT(tw, 2.0); // a real measurement, not a zero font
        const QRectF r(1, 1, tw + 0.6, flaeche.TextHoehe(QStringLiteral("dokument1:DOKUMENT")) + 0.6);
        EXPECT_TRUE(nahe(baum->Wurzel->Bildrechteck(), r));
        EXPECT_TRUE(nahe(QRectF(0, 0, flaeche.DiagrammBreite, flaeche.DiagrammHoehe), r.adjusted(-1, -1, 1, 1)));
    }
    TObjekt *r[3] = {u.neu("RECHTECK"), u.neu("RECHTECK"), u.neu("RECHTECK")};
    for (std::uint8_t ausrichtung : beideAusrichtungen) {
        SCOPED_TRACE(int(ausrichtung));
        auto baum = bauen(ausrichtung);
        ASSERT_EQ(baum->KnotenAnzahl(), 4);
        // Seen downwards: x along the siblings, y along the depth.
        const auto drehen = [ausrichtung](QRectF r) {
            return ausrichtung == AusrichtungHorizontal ? r : QRectF(r.y(), r.x(), r.height(), r.width());
        };
        const QRectF w = drehen(baum->Wurzel->Bildrechteck());
        const QRectF flaecheAbwaerts = drehen(QRectF(0, 0, flaeche.DiagrammBreite, flaeche.DiagrammHoehe));
        QRectF k[3];
        for (int i = 0; i < 3; ++i) {
            k[i] = drehen(karte(*baum, r[i]).Bildrechteck());
            EXPECT_NEAR(k[i].top(), w.bottom() + 1.0, Genau);
        }
        for (int i = 0; i < 2; ++i)
            EXPECT_NEAR(k[i + 1].left() - k[i].right(), 0.5, Genau);
        EXPECT_NEAR((k[0].center().x() + k[2].center().x()) / 2, w.center().x(), Genau);
        EXPECT_NEAR(k[0].left(), 1.0, Genau);
        EXPECT_NEAR(flaecheAbwaerts.width(), k[2].right() + 1.0, Genau);
        EXPECT_NEAR(flaecheAbwaerts.height(), k[0].bottom() + 1.0, Genau);
    }
}

// A tall group pushes its neighbour so that their closest cards are exactly
// 0.5 cm apart; cards whose depth intervals do not overlap push nothing.
TEST_F(ObjektBaumTest, NachbarnGenauEinenHalbenZentimeterAuseinander)
{
    TObjekt *g1 = u.gruppe(5);
    TObjekt *g2 = u.gruppe(2);
    for (std::uint8_t ausrichtung : beideAusrichtungen) {
        SCOPED_TRACE(int(ausrichtung));
        auto baum = bauen(ausrichtung);
        const TObjektKnoten &letzter = karte(*baum, g1->Teile.back().get());
        const TObjektKnoten &erster = karte(*baum, g2->Teile.front().get());
        EXPECT_NEAR((erster.Y - erster.Hoehe / 2) - (letzter.Y + letzter.Hoehe / 2), 0.5, Genau);
        // The group cards themselves were pushed further apart than 0.5 cm.
        const TObjektKnoten &k1 = karte(*baum, g1), &k2 = karte(*baum, g2);
        EXPECT_GT((k2.Y - k2.Hoehe / 2) - (k1.Y + k1.Hoehe / 2), 1.0);
        for (const auto &a : k1.Kinder)
            for (const auto &b : k2.Kinder)
                EXPECT_FALSE(a->Bildrechteck().intersects(b->Bildrechteck()));
    }
    // Downwards all cards of one level have the same extent on the depth
    // axis: a rectangle after the group meets only the group's card, while
    // the members reach past it one level deeper.
    u.Dokument.TeilEntfernen(g2).reset();
    TObjekt *r = u.neu("RECHTECK");
    auto baum = bauen(AusrichtungHorizontal);
    const TObjektKnoten &kg = karte(*baum, g1), &kr = karte(*baum, r);
    EXPECT_NEAR((kr.Y - kr.Hoehe / 2) - (kg.Y + kg.Hoehe / 2), 0.5, Genau);
    const TObjektKnoten &letzter = karte(*baum, g1->Teile.back().get());
    EXPECT_GT(letzter.Y + letzter.Hoehe / 2, kr.Y + kr.Hoehe / 2);
    EXPECT_GE(letzter.X, kr.X + kr.Breite + 1.0 - Genau);
}

// Folding hides the members and turns the minus into a plus; a polyline
// starts folded and shows its vertices unfolded.
TEST_F(ObjektBaumTest, FaltenVerbirgtDieMitgliederUndZeigtEinPlus)
{
    TObjekt *g = u.gruppe(3);
    auto baum = bauen(AusrichtungHorizontal);
    ASSERT_EQ(baum->KnotenAnzahl(), 5);
    ASSERT_TRUE(karte(*baum, g).HatMarke());
    // Marker on the card's middle line, 7 px inside its far edge
    // (downwards: the bottom edge).
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
    EXPECT_TRUE(baum->Veraltet());
    baum->Aufbauen();
    EXPECT_FALSE(baum->Veraltet());
    ASSERT_EQ(baum->KnotenAnzahl(), 2);
    EXPECT_EQ(baum->KnotenZuObjekt(g->Teile.front().get()), nullptr);
    EXPECT_TRUE(karte(*baum, g).Kinder.empty() && karte(*baum, g).HatMarke());
    std::tie(cx, cy) = markenPixel(karte(*baum, g));
    EXPECT_EQ(farben(zeichnen(*baum), {{cx, cy - 2}, {cx, cy + 2}, {cx - 2, cy}}), (QList<QRgb>{S, S, S}));

    TObjekt *lz = u.linienzug(3);
    ASSERT_TRUE(lz->ObjektdiagrammZusammengefaltet);
    baum->Aufbauen();
    EXPECT_TRUE(baum->KnotenAnzahl() == 3 && karte(*baum, lz).HatMarke());
    lz->ObjektdiagrammZusammengefaltet = false;
    baum->Aufbauen();
    const TObjektKnoten &k = karte(*baum, lz);
    ASSERT_EQ(k.Kinder.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(std::tuple(k.Kinder[i]->Objekt, KartenText(*k.Kinder[i]->Objekt), k.Kinder[i]->HatMarke()),
                  std::tuple(lz->Teile[i].get(), QStringLiteral("lp%1:PUNKT").arg(i), false));
    EXPECT_EQ(KartenText(*lz), QStringLiteral("lz0:LINIENZUG"));
}

// The far edges of a card lie outside it, the near edges inside. A click
// on a fold marker folds and says so; just outside its radius (4 pixels at
// 96 dpi) it hits the card without folding.
TEST_F(ObjektBaumTest, KnotenSuchenAnRaendernUndMarken)
{
    TObjekt *r = u.neu("RECHTECK");
    TObjekt *g = u.gruppe(2);
    for (std::uint8_t ausrichtung : beideAusrichtungen) {
        SCOPED_TRACE(int(ausrichtung));
        auto baum = bauen(ausrichtung);
        const TObjektKnoten &k = karte(*baum, r), &w = *baum->Wurzel;
        const struct {
            double tiefe, geschwister;
            TObjekt *erwartet;
        } faelle[] = {{k.X + k.Breite, k.Y, nullptr}, {k.X + k.Breite - 1e-6, k.Y, r}, {k.X, k.Y, r},
                      {k.X - 1e-6, k.Y, nullptr}, {k.X + 0.1, k.Y + k.Hoehe / 2 - 1e-9, r},
                      {k.X + 0.1, k.Y + k.Hoehe / 2 + 1e-6, nullptr}, {w.X + 0.1, w.Y, &u.Dokument}};
        for (const auto &f : faelle) {
            bool gefaltet = true;
            EXPECT_EQ(ausrichtung == AusrichtungHorizontal ? baum->KnotenSuchen(f.geschwister, f.tiefe, gefaltet)
                                                           : baum->KnotenSuchen(f.tiefe, f.geschwister, gefaltet),
                      f.erwartet);
            EXPECT_FALSE(gefaltet);
        }
    }
    auto baum = bauen(AusrichtungVertikal);
    const TObjektKnoten &k = karte(*baum, g);
    EXPECT_NEAR(k.MarkeRadius, 4 / (96 / 2.54), 1e-12);
    bool gefaltet = true;
    // Marker centre in screen axes (vertical: depth = x).
    EXPECT_EQ(baum->KnotenSuchen(k.MarkeX - 1.01 * k.MarkeRadius, k.MarkeY, gefaltet), g);
    EXPECT_EQ(std::tuple(gefaltet, g->ObjektdiagrammZusammengefaltet), std::tuple(false, false));
    EXPECT_EQ(baum->KnotenSuchen(k.MarkeX, k.MarkeY, gefaltet), g);
    EXPECT_EQ(std::tuple(gefaltet, g->ObjektdiagrammZusammengefaltet), std::tuple(true, true));
}

TEST_F(ObjektBaumTest, VeraltetErkenntNeueEntfernteUndVertauschteObjekte)
{
    TObjekt *a = u.neu("RECHTECK");
    u.neu("ELLIPSE");
    auto baum = bauen(AusrichtungHorizontal);
    EXPECT_FALSE(baum->Veraltet());
    std::unique_ptr<TObjekt> weg;
    for (const auto &aendern : std::initializer_list<std::function<void()>>{
             [&] { u.Dokument.TeilInDenVordergrund(a); }, [&] { weg = u.Dokument.TeilEntfernen(a); },
             [&] { u.neu("LINIE"); }}) {
        aendern();
        EXPECT_TRUE(baum->Veraltet());
        baum->Aufbauen();
        EXPECT_FALSE(baum->Veraltet());
    }
    EXPECT_EQ(baum->KnotenAnzahl(), 3);
}

TEST_F(ObjektBaumTest, BeiZweihundertProzentDoppeltePixelUndGleicheZentimeter)
{
    TObjekt *r = u.neu("RECHTECK");
    auto baum = bauen(AusrichtungVertikal);
    const double breite1 = karte(*baum, r).Breite;
    EXPECT_EQ(flaeche.Schrift().pixelSize(), 13); // 10 pt at 96 dpi
    ASSERT_TRUE(flaeche.ZoomSetzen(2.0));
    baum->Aufbauen();
    EXPECT_EQ(std::tuple(flaeche.Schrift().pixelSize(), flaeche.XPixel(1.0)), std::tuple(27, 76)); // 20 pt
    EXPECT_NEAR(karte(*baum, r).Breite, breite1, 0.1);
    EXPECT_FALSE(flaeche.ZoomSetzen(10.0) || flaeche.ZoomSetzen(0.01));
    EXPECT_DOUBLE_EQ(flaeche.Zoom, 2.0);
}

TEST_F(ObjektBaumTest, KarteZeigtFokusGruenUndAuswahlMitEckmarken)
{
    TObjekt *r = u.neu("RECHTECK");
    auto baum = bauen(AusrichtungHorizontal);
    const QRectF k = karte(*baum, r).Bildrechteck(), w = baum->Wurzel->Bildrechteck();
    const QRect px(QPoint(flaeche.XPixel(k.left()), flaeche.YPixel(k.top())),
                   QPoint(flaeche.XPixel(k.right()), flaeche.YPixel(k.bottom())));
    // Top edge middle and one above, rounded corner, outside the corner,
    // the connector from the document, the far corner, the document's edge.
    const auto stellen = {QPoint(px.center().x(), px.top()), QPoint(px.center().x(), px.top() - 1), px.topLeft(),
                          QPoint(px.left() - 3, px.top() - 3), QPoint(px.center().x(), px.top() - 3),
                          QPoint(px.right() + 2, px.bottom() + 2),
                          QPoint(flaeche.XPixel(w.center().x()), flaeche.YPixel(w.top()))};
    const QRgb g = qRgb(0, 221, 0) & 0xFFFFFF;
    QImage bild = zeichnen(*baum);
    EXPECT_EQ(farben(bild, stellen), (QList<QRgb>{S, S, W, W, S, W, S}));
    EXPECT_EQ(farbPixel(bild, bild.rect(), g), 0);
    // Focus: a green pen at least two pixels wide; selection: corner marks.
    bild = zeichnen(*baum, r, [r](const TObjekt *o) { return o == r; });
    EXPECT_EQ(farben(bild, stellen), (QList<QRgb>{g, g, W, S, S, S, S}));
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
        {true, {0, 2, 5}, 1, 5},      {true, {0.2, 1.8, 4}, 1, 5}, // covered and nearer: dropped
        {true, {-0.3, 2.3, 6}, 1, 6}, // covers the entry and is farther: replaces it
        {true, {5, 7, 1}, 2, 6},      // elsewhere: appended
        {false, {0, 2, 5}, 1, 5},     {false, {0.2, 1.8, 6}, 1, 5}, // covered and farther: dropped
        {false, {0, 2, 3}, 1, 3},     // nearer: replaces
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
