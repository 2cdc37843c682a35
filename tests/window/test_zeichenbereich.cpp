// The drawing area widget: sheet and bands, zoom box, cached image and
// previews drawn with the inverting pen.
#include "window/ui/MyScrollBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <cmath>

namespace {

struct Bereich : ::testing::Test {
    QComboBox zoom;
    std::unique_ptr<TMyScrollBox> box;

    void SetUp() override
    {
        zoom.setEditable(true);
        zoom.setInsertPolicy(QComboBox::NoInsert);
        zoom.setCompleter(nullptr);
        box = std::make_unique<TMyScrollBox>(nullptr, &zoom);
        box->OnZeichnen = [](TZeichenflaeche *zf) { zf->Leinwand->fillRect(QRect(0, 0, 100000, 100000), Qt::white); };
        box->resize(600, 400);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    }
    QRgb pixel(int x, int y) const
    {
        const QRect b = box->PufferBereich();
        return box->Puffer().pixel(x - b.x(), y - b.y());
    }
    int breite(double zoom) const { return int(std::nearbyint(20.5 * box->Flaeche.BildschirmPixelProCm * zoom)); }
    // A preview drawn with the inverting pen.
    static void rahmen(TZeichenflaeche *zf)
    {
        zf->Leinwand->setCompositionMode(QPainter::RasterOp_NotDestination);
        zf->Leinwand->setPen(QPen(Qt::black, 1, Qt::DotLine));
        zf->Leinwand->setBrush(Qt::NoBrush);
        zf->Leinwand->drawRect(QRect(40, 50, 100, 60));
    }
};

} // namespace

// Without a printer the sheet is 20.5 cm x 29.2 cm; the bands reach to the
// edge of the visible area, the shadows lie over them.
TEST_F(Bereich, BlattInWahrerGroesseMitRaendernUndSchatten)
{
    const int b = breite(1.0), h = int(std::nearbyint(29.2 * box->Flaeche.BildschirmPixelProCm));
    EXPECT_EQ(box->Seite->geometry(), QRect(30, 30, b, h));
    EXPECT_EQ(box->RandOben->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(box->RandOben->height(), 30);
    EXPECT_GE(box->RandOben->width(), b + 60);
    EXPECT_EQ(box->RandLinks->geometry(), QRect(0, 29, 30, h + 2));
    EXPECT_EQ(box->RandRechts->geometry().topLeft(), QPoint(30 + b, 29));
    EXPECT_EQ(box->RandUnten->geometry().topLeft(), QPoint(0, 30 + h - 1));
    EXPECT_EQ(box->SchattenOben->geometry(), QRect(34, 26, b + 1, 4));
    EXPECT_EQ(box->SchattenRechts->geometry(), QRect(30 + b, 30, 5, h - 4));
    EXPECT_TRUE(box->SchattenRechts->isVisible());

    box->resize(1400, 1600); // larger than the sheet at 100 %
    QCoreApplication::processEvents();
    const QSize sicht = box->viewport()->size();
    EXPECT_EQ(box->RandRechts->geometry().right(), sicht.width() - 1);
    EXPECT_EQ(box->RandUnten->geometry().bottom(), sicht.height() - 1);
    EXPECT_EQ(box->RandOben->width(), sicht.width());
}

// The list, a chosen step, "Ganze Seite" and "Seitenbreite" (their values
// are computed in the surface tests), and a typed value with Enter: shown as
// "150%"; values outside 11 to 999 leave the zoom and the typed text.
TEST_F(Bereich, ZoomlisteAuswahlUndGetippterZoom)
{
    QStringList texte;
    for (int i = 0; i < zoom.count(); ++i)
        texte << zoom.itemText(i);
    EXPECT_EQ(texte, QStringList({"25%", "50%", "75%", "100%", "200%", "400%", "Ganze Seite", "Seitenbreite"}));
    EXPECT_EQ(zoom.currentText(), QStringLiteral("100%"));
    EXPECT_DOUBLE_EQ(box->Flaeche.Zoom, 1.0);
    box->ZoomGewaehlt(4); // 200%
    EXPECT_DOUBLE_EQ(box->Flaeche.Zoom, 2.0);
    EXPECT_EQ(box->Seite->width(), breite(2.0));
    EXPECT_EQ(std::tuple(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value()), std::tuple(0, 0));

    const QSize c = box->viewport()->size();
    box->ZoomGewaehlt(6); // Ganze Seite: the sheet and its two 30-pixel margins fit the client height
    EXPECT_NEAR(box->Flaeche.Zoom, box->Flaeche.GanzeSeiteZoom(c.width(), c.height()), 1e-9);
    EXPECT_LE(box->Seite->height() + 60, c.height() + 1);
    EXPECT_GE(box->Seite->height() + 60, c.height() - 2);
    box->ZoomGewaehlt(7); // Seitenbreite
    EXPECT_LE(box->Seite->width() + 60, box->viewport()->width() + 20);
    EXPECT_GT(box->Flaeche.Zoom, 0.5);

    for (const char *text : {"150 %", "5", "1000", "kein Zoom"}) {
        zoom.lineEdit()->selectAll();
        QTest::keyClicks(zoom.lineEdit(), QString::fromLatin1(text));
        QTest::keyClick(zoom.lineEdit(), Qt::Key_Return);
        EXPECT_DOUBLE_EQ(box->Flaeche.Zoom, 1.5) << text;
        EXPECT_EQ(zoom.currentText(), text == std::string("150 %") ? QStringLiteral("150%") : QString::fromLatin1(text));
    }
    EXPECT_EQ(box->Seite->width(), breite(1.5));
}

// The cached image holds the visible part of the sheet with its black
// border, after scrolling too; a preview is drawn into it without a rebuild.
TEST_F(Bereich, PufferHaeltDenSichtbarenTeilMitRahmen)
{
    box->Neuzeichnen();
    const QRect sicht = box->SichtbarerTeil();
    EXPECT_EQ(box->PufferBereich(), sicht);
    EXPECT_EQ(sicht.topLeft(), QPoint(0, 0));
    EXPECT_EQ(sicht.width(), std::min(box->Seite->width(), box->viewport()->width()));
    const QRgb schwarz = qRgb(0, 0, 0), weiss = qRgb(255, 255, 255);
    EXPECT_EQ(std::tuple(pixel(0, 5), pixel(5, 0), pixel(5, 5)), std::tuple(schwarz, schwarz, weiss));

    box->verticalScrollBar()->setValue(200);
    box->Neuzeichnen();
    EXPECT_EQ(box->PufferBereich().top(), 170);
    EXPECT_EQ(std::tuple(pixel(5, 300), pixel(0, 300)), std::tuple(weiss, schwarz));

    box->verticalScrollBar()->setValue(100);
    box->Neuzeichnen();
    const int neu = box->Neuaufbauten();
    const QRect r = box->VorschauMalen([](TZeichenflaeche *zf) {
        zf->Leinwand->setCompositionMode(QPainter::RasterOp_NotDestination);
        zf->Leinwand->setPen(QPen(Qt::black, 1));
        zf->Leinwand->drawLine(QPoint(20, 200), QPoint(120, 200));
    });
    EXPECT_EQ(box->Neuaufbauten(), neu); // no rebuild for a preview step
    EXPECT_TRUE(r.contains(QPoint(20, 200)));
    EXPECT_EQ(pixel(60, 200), schwarz);
}

// Only the rectangle the frame covers is reported, a little enlarged; the
// frame is inverted somewhere on its edge, nowhere outside that rectangle;
// drawn a second time it restores the image.
TEST_F(Bereich, VorschauZweimalGezeichnetStelltDasBildWiederHer)
{
    box->Neuzeichnen();
    const QImage vorher = box->Puffer().copy();
    const QRect geaendert = box->VorschauMalen(rahmen);
    EXPECT_TRUE(geaendert.contains(QRect(40, 50, 101, 61)));
    EXPECT_LE(geaendert.width(), 101 + 8);
    EXPECT_LE(geaendert.height(), 61 + 8);
    const QImage mit = box->Puffer();
    int anders = 0;
    for (int y = 0; y < mit.height(); ++y)
        for (int x = 0; x < mit.width(); ++x)
            if (mit.pixel(x, y) != vorher.pixel(x, y)) {
                ++anders;
                EXPECT_TRUE(geaendert.contains(QPoint(x, y))) << x << "," << y;
            }
    EXPECT_GT(anders, 100);
    box->VorschauMalen(rahmen);
    EXPECT_EQ(box->Puffer(), vorher);
}
