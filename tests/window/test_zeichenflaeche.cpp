// The drawing surface: sheet size, mapping, pen width, zoom list and zoom
// computations, the dash walk, fills, font fitting and the background.
#include "surface/Zeichenflaeche.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QRgb weiss = qRgb(255, 255, 255), schwarz = qRgb(0, 0, 0), blau = qRgb(0, 0, 255);

// Sheet, mapping and pen on screen and in print; the current surface.
TEST(Zeichenflaeche, BlattAbbildungUndStift)
{
    TZeichenflaeche zf;
    EXPECT_EQ(zf.PapierBreitePixel, std::lround(20.5 * 236.2205));
    EXPECT_EQ(zf.PapierHoehePixel, std::lround(29.2 * 236.2205));
    EXPECT_NEAR(zf.SeitenBreiteCm, 20.5, 0.005);
    EXPECT_NEAR(zf.SeitenHoeheCm, 29.2, 0.005);
    EXPECT_DOUBLE_EQ(zf.Zoom, 1.0);
    EXPECT_EQ(zf.SeitenBreitePixel(), std::lround(zf.SeitenBreiteCm * 96 / 2.54));
    const int h = zf.SeitenHoehePixel();
    EXPECT_EQ(std::tuple(zf.XPixel(1), zf.YPixel(0), zf.YPixel(h / zf.SkalaY)), std::tuple(38, h, 0));
    EXPECT_DOUBLE_EQ(zf.LaengePixel(2), 2 * 96 / 2.54);
    EXPECT_NEAR(zf.XWelt(zf.XPixel(3.0)), 3.0, 0.5 / zf.SkalaX);
    EXPECT_NEAR(zf.YWelt(zf.YPixel(7.0)), 7.0, 0.5 / zf.SkalaY);
    // Halves are rounded to even; any value maps to a pixel coordinate.
    zf.BildschirmAufloesungSetzen(2.54); // 1 pixel per centimetre
    EXPECT_EQ(std::tuple(zf.XPixel(2.5), zf.XPixel(3.5), zf.XPixel(-2.5)), std::tuple(2, 4, -2));
    EXPECT_EQ(std::tuple(zf.XPixel(1e300), zf.XPixel(-1e300), zf.XPixel(std::nan(""))),
              std::tuple(1000000000, -1000000000, 0));
    // Zoom doubles the scale.
    zf.BildschirmAufloesungSetzen(96);
    zf.ZoomSetzen(2);
    EXPECT_EQ(zf.XPixel(1), 76);
    EXPECT_EQ(zf.SeitenHoehePixel(), std::lround(zf.SeitenHoeheCm * 2 * 96 / 2.54));

    QImage bild(10, 10, QImage::Format_RGB32);
    QPainter p(&bild);
    zf.Leinwand = &p;
    zf.ZoomSetzen(1);
    for (const auto &[cm, breite] : {std::pair{0.01, 1}, {0.1, 4}, {1e300, TZeichenflaeche::MaximaleStiftbreite}}) {
        zf.StiftbreiteSetzen(cm);
        EXPECT_EQ(p.pen().width(), breite) << cm;
    }
    // Printing uses the printer's scales and page height; XWelt does not.
    zf.Drucken = true;
    zf.ZoomSetzen(2);
    EXPECT_EQ(std::tuple(zf.XPixel(1), zf.YPixel(0)), std::tuple(236, zf.PapierHoehePixel));
    EXPECT_DOUBLE_EQ(zf.LaengePixel(1), 236.2205);
    EXPECT_DOUBLE_EQ(zf.XWelt(76), 76 / zf.SkalaX);
    zf.StiftbreiteSetzen(0.1);
    EXPECT_EQ(p.pen().width(), 24);
    // With a printer the sheet is its printable page.
    zf.SeiteEinrichten(100, 120, 2000, 2400);
    EXPECT_DOUBLE_EQ(zf.SeitenBreiteCm, 20);
    EXPECT_DOUBLE_EQ(zf.SeitenHoeheCm, 20);

    TZeichenflaeche *standard = TZeichenflaeche::Aktuell();
    ASSERT_NE(standard, nullptr);
    EXPECT_DOUBLE_EQ(standard->SkalaX, 96 / 2.54);
    TZeichenflaeche::AktuellSetzen(&zf);
    EXPECT_EQ(TZeichenflaeche::Aktuell(), &zf);
    TZeichenflaeche::AktuellSetzen(nullptr);
    EXPECT_EQ(TZeichenflaeche::Aktuell(), standard);
}

TEST(Zeichenflaeche, ZoomListeUndBerechnungen)
{
    const auto liste = TZeichenflaeche::ZoomListe();
    ASSERT_EQ(liste.size(), 8); // the texts: see the zoom box of the drawing area
    const double faktoren[6] = {0.25, 0.5, 0.75, 1, 2, 4};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(std::tuple(liste[i].Art, liste[i].Faktor), std::tuple(TZoomfaktor::Fest, faktoren[i]));
    EXPECT_EQ(std::tuple(liste[6].Art, liste[7].Art), std::tuple(TZoomfaktor::GanzeSeite, TZoomfaktor::Seitenbreite));

    TZeichenflaeche zf;
    const double ppc = 96 / 2.54;
    // 600 x 400: the height decides; the sheet plus its two 30-pixel
    // margins fits exactly.
    const double zy = (400 - 60) / (ppc * zf.SeitenHoeheCm), zx = (600 - 60) / (ppc * zf.SeitenBreiteCm);
    EXPECT_NEAR(zf.ZoomKandidat(liste[6], 600, 400), zy, 1e-12);
    EXPECT_NEAR(zf.ZoomKandidat(liste[7], 600, 400), zx, 1e-12);
    EXPECT_NEAR(zf.SeitenHoeheCm * zy * ppc + 60, 400, 1e-9);
    EXPECT_NEAR(zf.SeitenBreiteCm * zx * ppc + 60, 600, 1e-9);
    // A wide window: the page width decides "Seitenbreite" only.
    EXPECT_NEAR(zf.ZoomKandidat(liste[6], 3000, 400), zy, 1e-12);
    EXPECT_LE(zf.ZoomKandidat(liste[6], 3000, 400), zf.ZoomKandidat(liste[7], 3000, 400));
    EXPECT_DOUBLE_EQ(zf.ZoomKandidat(liste[4], 600, 400), 2.0);

    EXPECT_TRUE(zf.ZoomUebernehmen(zy));
    EXPECT_DOUBLE_EQ(zf.Zoom, zy);
    EXPECT_DOUBLE_EQ(zf.SkalaX, ppc * zy);
    for (const double falsch : {5.0, 0.01, zf.ZoomKandidat(liste[6], 1, 1)})
        EXPECT_FALSE(zf.ZoomUebernehmen(falsch)) << falsch;
    EXPECT_DOUBLE_EQ(zf.Zoom, zy);
    EXPECT_TRUE(zf.ZoomUebernehmen(4.99));

    // Typed zoom values: the digits, from 11 to 999.
    for (const auto &[text, wert] : {std::pair{"150 %", 150}, {"1a2b", 12}, {"11", 11}, {"999%", 999}})
        EXPECT_EQ(TZeichenflaeche::ZoomEingabeLesen(QString::fromLatin1(text)), wert) << text;
    for (const QString &text : {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("1000"),
                                QStringLiteral("Ganze Seite"), QString(400, QLatin1Char('9'))})
        EXPECT_FALSE(TZeichenflaeche::ZoomEingabeLesen(text)) << text.left(20).toStdString();
}

struct Flaeche : ::testing::Test {
    TZeichenflaeche zf;
    QImage bild{400, 300, QImage::Format_RGB32};
    std::unique_ptr<QPainter> p;
    void SetUp() override
    {
        bild.fill(weiss);
        p = std::make_unique<QPainter>(&bild);
        zf.Leinwand = p.get();
        p->setPen(QPen(Qt::black));
    }
    void fertig() { p->end(); }
    QRgb an(double x, double y) const { return bild.pixel(zf.XPixel(x), zf.YPixel(y)); }
};

// A closed dashed rectangle: the pattern runs on across the corners and the
// closing edge. The sides are no multiple of the cycle, so restarting the
// pattern at a corner would put dashes where gaps belong.
TEST_F(Flaeche, GestricheltesRechteckBehaeltDasMusterUmDieEcken)
{
    const QVector<QPoint> ecken = {{310, 50}, {50, 50}, {50, 237}, {310, 237}};
    zf.LinienZugZeichnen(ecken, 2, true, 0.01);
    fertig();
    const double strich = zf.LaengePixel(0.2), zyklus = strich + zf.LaengePixel(0.1 + 0.01);
    // Walk the outline pixel by pixel with its arc length.
    double weg = 0;
    int geprueft = 0;
    for (int i = 0; i < 4; ++i) {
        const QPoint a = ecken[i], b = ecken[(i + 1) % 4];
        const int n = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
        for (int k = 0; k < n; ++k, weg += 1) {
            const double phase = std::fmod(weg, zyklus);
            // Skip pixels within 1.5 pixels of a piece boundary (rounding).
            if (phase < 1.5 || std::fabs(phase - strich) < 1.5 || zyklus - phase < 1.5)
                continue;
            EXPECT_EQ(bild.pixel(a + (b - a) / n * k), phase < strich ? schwarz : weiss) << i << ":" << k;
            ++geprueft;
        }
    }
    EXPECT_GT(geprueft, 350);
}

// gestrichpunktelt: 0.3 drawn, 0.1 skipped, 0.05 drawn, 0.1 skipped; with
// the width added, the first gap runs from 0.3 to 0.45 cm, the dot sits at
// 0.45 to 0.5 cm, the second gap ends at 0.65 cm.
TEST_F(Flaeche, LueckenWachsenMitDerLinienstaerke)
{
    p->setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    zf.LinienZugZeichnen({{10, 100}, {390, 100}}, 5, false, 0.05);
    fertig();
    const double s = zf.LaengePixel(1);
    for (const auto &[cm, farbe] : {std::pair{0.15, schwarz}, {0.42, weiss}, {0.475, schwarz}, {0.6, weiss}, {0.8, schwarz}})
        EXPECT_EQ(bild.pixel(10 + int(cm == 0.475 ? std::lround(cm * s) : cm * s), 100), farbe) << cm;
}

// A dashed line and a filled polygon reaching a billion pixels out: bounded,
// and the visible part drawn.
TEST_F(Flaeche, WeitAusserhalbBegrenztUndSichtbarerTeilGezeichnet)
{
    zf.LinienZugZeichnen({{-1000000000, 150}, {1000000000, 150}}, 4, false, 0.0);
    p->setBrush(QColor(0, 0, 255));
    p->setPen(Qt::NoPen);
    zf.LinienZugZeichnen({{-1000000000, 200}, {1000000000, 200}, {0, 1000000000}}, 1, true, 0.0);
    fertig();
    int punkte = 0;
    for (int x = 0; x < 400; ++x)
        punkte += bild.pixel(x, 150) == schwarz;
    EXPECT_GT(punkte, 100);
    EXPECT_LT(punkte, 380);
    EXPECT_EQ(std::tuple(bild.pixel(5, 250), bild.pixel(395, 299), bild.pixel(200, 190)), std::tuple(blau, blau, weiss));
}

TEST_F(Flaeche, RundRechteckUndHintergrund)
{
    zf.ZoomSetzen(0.25); // the sheet (194 x 276 pixels) fits the image
    zf.HintergrundZeichnen(TFarbe::Echt(FarbWert(255, 255, 0)));
    p->setPen(QPen(Qt::black, 1));
    p->setBrush(Qt::NoBrush);
    zf.RundRechteck(2, 2, -1e300, 1e300, 0.5); // reaches far out: no hang
    zf.RundRechteck(10, 10, 15, 20, 1);
    fertig();
    const int w = zf.SeitenBreitePixel(), h = zf.SeitenHoehePixel();
    const QRgb gelb = qRgb(255, 255, 0);
    // The white 1-pixel border; outside the sheet untouched.
    EXPECT_EQ(std::tuple(bild.pixel(0, 0), bild.pixel(w - 1, 10), bild.pixel(w + 1, 10)), std::tuple(weiss, weiss, weiss));
    EXPECT_EQ(std::tuple(bild.pixel(100, 100), bild.pixel(w - 2, h - 2)), std::tuple(gelb, gelb));
    // The rounded frame: edges black, corners cut.
    EXPECT_EQ(std::tuple(an(12.5, 20), an(10, 15), an(2, 10)), std::tuple(schwarz, schwarz, schwarz));
    EXPECT_NE(an(10, 20), schwarz);
}

TEST_F(Flaeche, HintergrundGepuffertNurDerSichtbareTeil)
{
    zf.Gepuffert = true;
    std::tie(zf.SichtX, zf.SichtY, zf.SichtBreite, zf.SichtHoehe) = std::tuple(100, 50, 200, 100);
    p->translate(-zf.SichtX, -zf.SichtY);
    zf.HintergrundZeichnen(TFarbe::Echt(FarbWert(0, 0, 255)));
    fertig();
    EXPECT_EQ(std::tuple(bild.pixel(100, 50), bild.pixel(198, 98), bild.pixel(199, 99), bild.pixel(210, 50)),
              std::tuple(blau, blau, weiss, weiss));
}

// The font fits a width in centimetres: at 200 % the size doubles, the width
// stays that of an unzoomed screen (within one size step); printing ignores
// the zoom; absurd sizes finish and stay bounded.
TEST(Schrift, AnpassenGleicheBreiteInZentimetern)
{
    TZeichenflaeche zf;
    QImage bild(50, 50, QImage::Format_RGB32);
    QPainter p(&bild);
    zf.Leinwand = &p;
    const QFont f(QStringLiteral("DejaVu Sans"));
    p.setFont(f);
    auto breiteCm = [&](const QFont &schrift, const QPaintDevice *geraet, double proCm) {
        return QFontMetricsF(schrift, geraet).horizontalAdvance(QStringLiteral("Abcdefg")) / proCm;
    };
    QFont referenz = f;
    referenz.setPointSize(12);
    const double soll = breiteCm(referenz, &zf.Referenzbild(), zf.BildschirmPixelProCm);
    zf.SchriftAnpassen(12);
    EXPECT_EQ(p.font().pointSize(), 12);
    EXPECT_EQ(p.font().family(), f.family());

    zf.ZoomSetzen(2);
    zf.SchriftAnpassen(12);
    const int g = p.font().pointSize();
    EXPECT_NEAR(g, 24, 1);
    const double ist = breiteCm(p.font(), p.device(), zf.LaengePixel(1));
    QFont kleiner = p.font();
    kleiner.setPointSize(g - 1);
    EXPECT_LE(std::fabs(ist - soll), ist - breiteCm(kleiner, p.device(), zf.LaengePixel(1)) + 1e-9);
    zf.SchriftAnpassen(1e300);
    EXPECT_LE(p.font().pointSize(), 20000);
    zf.SchriftAnpassen(-4);
    EXPECT_GE(p.font().pointSize(), 1);
    p.end();

    QImage druck(50, 50, QImage::Format_RGB32);
    druck.setDotsPerMeterX(23622); // 600 dpi
    druck.setDotsPerMeterY(23622);
    QPainter d(&druck);
    zf.Leinwand = &d;
    d.setFont(f);
    zf.ZoomSetzen(3);
    zf.Drucken = true;
    zf.SchriftAnpassen(10);
    EXPECT_NEAR(d.font().pointSize(), 10, 1);
}

} // namespace
