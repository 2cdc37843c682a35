// The drawing surface: sheet size, mapping, pen width, zoom list and zoom
// computations, the dash walk, fills, font fitting and the background.
#include "surface/Zeichenflaeche.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QRgb weiss = qRgb(255, 255, 255);
const QRgb schwarz = qRgb(0, 0, 0);

TEST(Zeichenflaeche, BlattOhneDrucker)
{
    TZeichenflaeche zf;
    EXPECT_EQ(zf.PapierBreitePixel, std::lround(20.5 * 236.2205));
    EXPECT_EQ(zf.PapierHoehePixel, std::lround(29.2 * 236.2205));
    EXPECT_NEAR(zf.SeitenBreiteCm, 20.5, 0.005);
    EXPECT_NEAR(zf.SeitenHoeheCm, 29.2, 0.005);
    EXPECT_DOUBLE_EQ(zf.Zoom, 1.0);
    EXPECT_EQ(zf.SeitenBreitePixel(), std::lround(zf.SeitenBreiteCm * 96 / 2.54));

    // With a printer the sheet is its printable page.
    zf.SeiteEinrichten(100, 120, 2000, 2400);
    EXPECT_DOUBLE_EQ(zf.SeitenBreiteCm, 20);
    EXPECT_DOUBLE_EQ(zf.SeitenHoeheCm, 20);
}

TEST(Zeichenflaeche, AbbildungBeiHundertProzent)
{
    TZeichenflaeche zf;
    const int h = zf.SeitenHoehePixel();
    EXPECT_EQ(zf.XPixel(1), 38);
    EXPECT_EQ(zf.YPixel(0), h);
    EXPECT_EQ(zf.YPixel(h / zf.SkalaY), 0);
    EXPECT_DOUBLE_EQ(zf.LaengePixel(2), 2 * 96 / 2.54);
    EXPECT_NEAR(zf.XWelt(zf.XPixel(3.0)), 3.0, 0.5 / zf.SkalaX);
    EXPECT_NEAR(zf.YWelt(zf.YPixel(7.0)), 7.0, 0.5 / zf.SkalaY);

    // Halves are rounded to even.
    zf.BildschirmAufloesungSetzen(2.54); // 1 pixel per centimetre
    EXPECT_EQ(zf.XPixel(2.5), 2);
    EXPECT_EQ(zf.XPixel(3.5), 4);
    EXPECT_EQ(zf.XPixel(-2.5), -2);

    // Zoom doubles the scale.
    zf.BildschirmAufloesungSetzen(96);
    zf.ZoomSetzen(2);
    EXPECT_EQ(zf.XPixel(1), 76);
    EXPECT_EQ(zf.SeitenHoehePixel(), std::lround(zf.SeitenHoeheCm * 2 * 96 / 2.54));

    // Printing uses the printer's scales and page height; XWelt does not.
    zf.Drucken = true;
    EXPECT_EQ(zf.XPixel(1), 236);
    EXPECT_EQ(zf.YPixel(0), zf.PapierHoehePixel);
    EXPECT_DOUBLE_EQ(zf.LaengePixel(1), 236.2205);
    EXPECT_DOUBLE_EQ(zf.XWelt(76), 76 / zf.SkalaX);

    // Any value maps to a pixel coordinate.
    zf.Drucken = false;
    EXPECT_EQ(zf.XPixel(1e300), 1000000000);
    EXPECT_EQ(zf.XPixel(-1e300), -1000000000);
    EXPECT_EQ(zf.XPixel(std::nan("")), 0);
}

TEST(Zeichenflaeche, Stiftbreite)
{
    TZeichenflaeche zf;
    QImage bild(10, 10, QImage::Format_RGB32);
    QPainter p(&bild);
    zf.Leinwand = &p;
    zf.StiftbreiteSetzen(0.01);
    EXPECT_EQ(p.pen().width(), 1);
    zf.StiftbreiteSetzen(0.1);
    EXPECT_EQ(p.pen().width(), 4);
    zf.StiftbreiteSetzen(1e300);
    EXPECT_EQ(p.pen().width(), TZeichenflaeche::MaximaleStiftbreite);
    zf.Drucken = true;
    zf.StiftbreiteSetzen(0.1);
    EXPECT_EQ(p.pen().width(), 24);
}

TEST(Zeichenflaeche, ZoomListeUndBerechnungen)
{
    const auto liste = TZeichenflaeche::ZoomListe();
    ASSERT_EQ(liste.size(), 8); // the texts: see the zoom box of the drawing area
    const double faktoren[6] = {0.25, 0.5, 0.75, 1, 2, 4};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(liste[i].Art, TZoomfaktor::Fest);
        EXPECT_DOUBLE_EQ(liste[i].Faktor, faktoren[i]);
    }
    EXPECT_EQ(liste[6].Art, TZoomfaktor::GanzeSeite);
    EXPECT_EQ(liste[7].Art, TZoomfaktor::Seitenbreite);

    TZeichenflaeche zf;
    const double ppc = 96 / 2.54;
    // 600 x 400: the height decides; the sheet plus its two 30-pixel
    // margins fits exactly.
    const double zy = (400 - 60) / (ppc * zf.SeitenHoeheCm);
    const double zx = (600 - 60) / (ppc * zf.SeitenBreiteCm);
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
    EXPECT_FALSE(zf.ZoomUebernehmen(5.0));
    EXPECT_FALSE(zf.ZoomUebernehmen(0.01));
    EXPECT_FALSE(zf.ZoomUebernehmen(zf.ZoomKandidat(liste[6], 1, 1)));
    EXPECT_DOUBLE_EQ(zf.Zoom, zy);
    EXPECT_TRUE(zf.ZoomUebernehmen(4.99));
}

TEST(Zeichenflaeche, EingetippterZoom)
{
    EXPECT_EQ(TZeichenflaeche::ZoomEingabeLesen("150 %"), 150);
    EXPECT_EQ(TZeichenflaeche::ZoomEingabeLesen("1a2b"), 12);
    EXPECT_EQ(TZeichenflaeche::ZoomEingabeLesen("11"), 11);
    EXPECT_EQ(TZeichenflaeche::ZoomEingabeLesen("999%"), 999);
    EXPECT_FALSE(TZeichenflaeche::ZoomEingabeLesen("5"));
    EXPECT_FALSE(TZeichenflaeche::ZoomEingabeLesen("10"));
    EXPECT_FALSE(TZeichenflaeche::ZoomEingabeLesen("1000"));
    EXPECT_FALSE(TZeichenflaeche::ZoomEingabeLesen("Ganze Seite"));
    EXPECT_FALSE(TZeichenflaeche::ZoomEingabeLesen(QString(400, QLatin1Char('9'))));
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
        p->setBrush(Qt::NoBrush);
    }
    const QImage &Fertig()
    {
        p->end();
        return bild;
    }
};

// A closed dashed rectangle: the pattern runs on across the corners and the
// closing edge. The sides are no multiple of the cycle, so restarting the
// pattern at a corner would put dashes where gaps belong.
TEST_F(Flaeche, GestricheltesRechteckBehaeltDasMusterUmDieEcken)
{
    const QVector<QPoint> ecken = {{310, 50}, {50, 50}, {50, 237}, {310, 237}};
    zf.LinienZugZeichnen(ecken, 2, true, 0.01);
    Fertig();
    const double strich = zf.LaengePixel(0.2), luecke = zf.LaengePixel(0.1 + 0.01);
    const double zyklus = strich + luecke;
    // Walk the outline pixel by pixel with its arc length.
    double weg = 0;
    int geprueft = 0;
    for (int i = 0; i < 4; ++i) {
        const QPoint a = ecken[i], b = ecken[(i + 1) % 4];
        const int n = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
        const QPoint schritt((b.x() - a.x()) / n, (b.y() - a.y()) / n);
        for (int k = 0; k < n; ++k, weg += 1) {
            const double phase = std::fmod(weg, zyklus);
            // Skip pixels within 1.5 pixels of a piece boundary (rounding).
            if (phase < 1.5 || std::fabs(phase - strich) < 1.5 || zyklus - phase < 1.5)
                continue;
            const QPoint pt = a + schritt * k;
            SCOPED_TRACE(QStringLiteral("side %1 pixel %2").arg(i).arg(k).toStdString());
            EXPECT_EQ(bild.pixel(pt), phase < strich ? schwarz : weiss);
            ++geprueft;
        }
    }
    EXPECT_GT(geprueft, 350);
}

TEST_F(Flaeche, LueckenWachsenMitDerLinienstaerke)
{
    // gestrichpunktelt: 0.3 drawn, 0.1 skipped, 0.05 drawn, 0.1 skipped.
    p->setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    zf.LinienZugZeichnen({{10, 100}, {390, 100}}, 5, false, 0.05);
    Fertig();
    const double s = zf.LaengePixel(1);
    // With the width added, the first gap runs from 0.3 to 0.45 cm.
    EXPECT_EQ(bild.pixel(10 + int(0.15 * s), 100), schwarz);
    EXPECT_EQ(bild.pixel(10 + int(0.42 * s), 100), weiss);
    // The dot sits at 0.45 to 0.5 cm; the second gap ends at 0.65 cm.
    EXPECT_EQ(bild.pixel(10 + int(std::lround(0.475 * s)), 100), schwarz);
    EXPECT_EQ(bild.pixel(10 + int(0.6 * s), 100), weiss);
    EXPECT_EQ(bild.pixel(10 + int(0.8 * s), 100), schwarz);
}

TEST_F(Flaeche, WeitAusserhalbBegrenztUndSichtbarerTeilGezeichnet)
{
    // A dashed line and a filled polygon reaching a billion pixels out.
    zf.LinienZugZeichnen({{-1000000000, 150}, {1000000000, 150}}, 4, false, 0.0);
    p->setBrush(QColor(0, 0, 255));
    p->setPen(Qt::NoPen);
    zf.LinienZugZeichnen({{-1000000000, 200}, {1000000000, 200}, {0, 1000000000}}, 1, true, 0.0);
    Fertig();
    int punkte = 0;
    for (int x = 0; x < 400; ++x)
        punkte += bild.pixel(x, 150) == schwarz;
    EXPECT_GT(punkte, 100);
    EXPECT_LT(punkte, 380);
    EXPECT_EQ(bild.pixel(5, 250), qRgb(0, 0, 255));
    EXPECT_EQ(bild.pixel(395, 299), qRgb(0, 0, 255));
    EXPECT_EQ(bild.pixel(200, 190), weiss);
}

TEST_F(Flaeche, RundRechteckUndHintergrund)
{
    zf.ZoomSetzen(0.25); // the sheet (194 x 276 pixels) fits the image
    zf.HintergrundZeichnen(TFarbe::Echt(FarbWert(255, 255, 0)));
    p->setPen(QPen(Qt::black, 1));
    p->setBrush(Qt::NoBrush);
    zf.RundRechteck(2, 2, -1e300, 1e300, 0.5); // reaches far out: no hang
    zf.RundRechteck(10, 10, 15, 20, 1);
    Fertig();
    const int w = zf.SeitenBreitePixel(), h = zf.SeitenHoehePixel();
    EXPECT_EQ(bild.pixel(0, 0), weiss); // the white 1-pixel border
    EXPECT_EQ(bild.pixel(w - 1, 10), weiss);
    EXPECT_EQ(bild.pixel(w + 1, 10), weiss); // outside the sheet: untouched
    EXPECT_EQ(bild.pixel(100, 100), qRgb(255, 255, 0));
    EXPECT_EQ(bild.pixel(w - 2, h - 2), qRgb(255, 255, 0));
    // The rounded frame: edges black, corners cut.
    EXPECT_EQ(bild.pixel(zf.XPixel(12.5), zf.YPixel(20)), schwarz);
    EXPECT_EQ(bild.pixel(zf.XPixel(10), zf.YPixel(15)), schwarz);
    EXPECT_NE(bild.pixel(zf.XPixel(10), zf.YPixel(20)), schwarz);
    EXPECT_EQ(bild.pixel(zf.XPixel(2), zf.YPixel(10)), schwarz);
}

TEST_F(Flaeche, HintergrundGepuffertNurDerSichtbareTeil)
{
    zf.Gepuffert = true;
    zf.SichtX = 100;
    zf.SichtY = 50;
    zf.SichtBreite = 200;
    zf.SichtHoehe = 100;
    p->translate(-zf.SichtX, -zf.SichtY);
    zf.HintergrundZeichnen(TFarbe::Echt(FarbWert(0, 0, 255)));
    Fertig();
    EXPECT_EQ(bild.pixel(100, 50), qRgb(0, 0, 255));
    EXPECT_EQ(bild.pixel(198, 98), qRgb(0, 0, 255));
    EXPECT_EQ(bild.pixel(199, 99), weiss);
    EXPECT_EQ(bild.pixel(210, 50), weiss);
}

TEST(Schrift, AnpassenGleicheBreiteInZentimetern)
{
    TZeichenflaeche zf;
    QImage bild(50, 50, QImage::Format_RGB32);
    QPainter p(&bild);
    zf.Leinwand = &p;
    QFont f(QStringLiteral("DejaVu Sans"));
    p.setFont(f);
    const QString probe = QStringLiteral("Abcdefg");
    auto breiteCm = [&](const QFont &schrift, const QPaintDevice *geraet, double proCm) {
        return QFontMetricsF(schrift, geraet).horizontalAdvance(probe) / proCm;
    };
    QFont referenz = f;
    referenz.setPointSize(12);
    const double soll = breiteCm(referenz, &zf.Referenzbild(), zf.BildschirmPixelProCm);

    zf.SchriftAnpassen(12);
    EXPECT_EQ(p.font().pointSize(), 12);
    EXPECT_EQ(p.font().family(), f.family());

    // At 200 % the size doubles; the width in centimetres stays that of an
    // unzoomed screen (within one size step).
    zf.ZoomSetzen(2);
    zf.SchriftAnpassen(12);
    const int g = p.font().pointSize();
    EXPECT_NEAR(g, 24, 1);
    const double ist = breiteCm(p.font(), p.device(), zf.LaengePixel(1));
    QFont kleiner = p.font();
    kleiner.setPointSize(g - 1);
    const double schritt = ist - breiteCm(kleiner, p.device(), zf.LaengePixel(1));
    EXPECT_LE(std::fabs(ist - soll), schritt + 1e-9);

    // Absurd sizes finish and stay bounded.
    zf.SchriftAnpassen(1e300);
    EXPECT_LE(p.font().pointSize(), 20000);
    zf.SchriftAnpassen(-4);
    EXPECT_GE(p.font().pointSize(), 1);
}

TEST(Schrift, BeimDruckenOhneZoom)
{
    TZeichenflaeche zf;
    QImage druck(50, 50, QImage::Format_RGB32);
    druck.setDotsPerMeterX(23622); // 600 dpi
    druck.setDotsPerMeterY(23622);
    QPainter p(&druck);
    zf.Leinwand = &p;
    p.setFont(QFont(QStringLiteral("DejaVu Sans")));
    zf.ZoomSetzen(3);
    zf.Drucken = true;
    zf.SchriftAnpassen(10);
    EXPECT_NEAR(p.font().pointSize(), 10, 1);
}

TEST(Zeichenflaeche, AktuelleFlaeche)
{
    TZeichenflaeche *standard = TZeichenflaeche::Aktuell();
    ASSERT_NE(standard, nullptr);
    EXPECT_DOUBLE_EQ(standard->SkalaX, 96 / 2.54);
    TZeichenflaeche eigene;
    TZeichenflaeche::AktuellSetzen(&eigene);
    EXPECT_EQ(TZeichenflaeche::Aktuell(), &eigene);
    TZeichenflaeche::AktuellSetzen(nullptr);
    EXPECT_EQ(TZeichenflaeche::Aktuell(), standard);
}

} // namespace
