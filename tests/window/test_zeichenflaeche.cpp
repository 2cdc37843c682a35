// The drawing surface: zoom list and zoom computations, font fitting.
#include "surface/Zeichenflaeche.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

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

    EXPECT_EQ(zf.XPixel(std::nan("")), 0);
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

// The font fits a width in centimetres, zoomed too (within one size step);
// printing ignores the zoom.
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

    zf.ZoomSetzen(2);
    zf.SchriftAnpassen(12);
    const int g = p.font().pointSize();
    EXPECT_NEAR(g, 24, 1);
    const double ist = breiteCm(p.font(), p.device(), zf.LaengePixel(1));
    QFont kleiner = p.font();
    kleiner.setPointSize(g - 1);
    EXPECT_LE(std::fabs(ist - soll), ist - breiteCm(kleiner, p.device(), zf.LaengePixel(1)) + 1e-9);
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

