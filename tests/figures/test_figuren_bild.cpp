// Figures rendered onto a QImage: fill and outline colours, invisible
// figures, previews drawn twice, the focus frame and extreme coordinates.
#include "figuren_hilfen.h"

namespace {

const QRgb weiss = qRgb(255, 255, 255);
const QRgb rot = qRgb(255, 0, 0);
const QRgb schwarz = qRgb(0, 0, 0);

// A sheet of the standard size painted into an image.
struct FigurBild : ::testing::Test {
    Umgebung u;
    Bild b{20.5, 29.2};
    TZeichenflaeche &zf = b.zf;
    QImage &bild = b.bild;
    QPainter *maler = &b.maler;

    QRgb Pixel(double x, double y) const { return bild.pixel(zf.XPixel(x), zf.YPixel(y)); }
    QImage Fertig()
    {
        b.fertig();
        return bild;
    }
    // A red box figure with a 1 mm black outline.
    template <class T> T *Figur(const char *klasse, double mx, double my, double l, double br)
    {
        T *f = u.box<T>(klasse, mx, my, l, br);
        f->Linienstärke = 0.1;
        return f;
    }
    TLinie *Linie(double x1, double y1, double x2, double y2, std::uint8_t art = 1)
    {
        auto *l = u.neu<TLinie>("LINIE");
        l->Linienfarbe = TFarbe::Echt(0);
        l->Linienstärke = 0.01;
        l->Linienart = art;
        l->punkt1Setzen(x1, y1);
        l->punkt2Setzen(x2, y2);
        return l;
    }
};

// A red rectangle whose 4-pixel outline covers its edges, and an unfilled
// ellipse with a blue outline.
TEST_F(FigurBild, GefuelltesRechteckUndUngefuellteEllipse)
{
    Figur<TRechteck>("RECHTECK", 5, 5, 4, 2)->Zeichnen(&zf);
    auto *e = Figur<TEllipse>("ELLIPSE", 8, 15, 6, 4);
    e->Füllfarbe = TFarbe::Unsichtbar();
    e->Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 255));
    e->Zeichnen(&zf);
    Fertig();
    const QRgb blau = qRgb(0, 0, 255);
    const struct {
        double x, y;
        QRgb farbe;
    } pixel[] = {{5, 5, rot},     {3.5, 4.3, rot}, {3, 5, schwarz}, {7, 5, schwarz}, {5, 6, schwarz},
                 {5, 4, schwarz}, {7.3, 5, weiss}, {5, 6.3, weiss}, {8, 15, weiss}, {11, 15, blau}, {8, 17, blau}};
    for (const auto &p : pixel)
        EXPECT_EQ(Pixel(p.x, p.y), p.farbe) << p.x << " " << p.y;
}

TEST_F(FigurBild, UnsichtbareFuellungUndLinieZeichnenNichts)
{
    const QImage leer = bild.copy();
    for (TZeichenObjekt *f : std::initializer_list<TZeichenObjekt *>{
             Figur<TRechteck>("RECHTECK", 5, 5, 4, 2), Figur<TEllipse>("ELLIPSE", 10, 10, 4, 2),
             Figur<TVielEck>("VIELECK", 10, 20, 4, 2)}) {
        f->Füllfarbe = TFarbe::Unsichtbar();
        f->Linienfarbe = TFarbe::Unsichtbar();
        f->Linienart = 2;
        f->Zeichnen(&zf);
    }
    EXPECT_EQ(Fertig(), leer);
}

TEST_F(FigurBild, LinieDurchgezogenUndGestrichelt)
{
    Linie(2, 3, 12, 3)->Zeichnen(&zf);
    Linie(2, 6, 12, 6, 3)->Zeichnen(&zf); // breitgestrichelt
    Fertig();
    int durchgezogen = 0, gestrichelt = 0;
    for (int x = zf.XPixel(2); x <= zf.XPixel(12); ++x) {
        durchgezogen += bild.pixel(x, zf.YPixel(3)) == schwarz;
        gestrichelt += bild.pixel(x, zf.YPixel(6)) == schwarz;
    }
    EXPECT_EQ(durchgezogen, zf.XPixel(12) - zf.XPixel(2) + 1);
    // Every cycle of 0.4 cm drawn and 0.2 + 0.01 cm skipped: the middle of
    // each dash is black, the middle of each gap white, all along the line.
    const double zyklus = 0.61;
    for (int k = 0; 2 + k * zyklus + 0.6 < 12; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Pixel(2 + k * zyklus + 0.2, 6), schwarz);
        EXPECT_EQ(Pixel(2 + k * zyklus + 0.505, 6), weiss);
    }
    EXPECT_GT(gestrichelt, durchgezogen / 2);
    EXPECT_LT(gestrichelt, durchgezogen * 3 / 4);
}

TEST_F(FigurBild, VorschauZweimalGezeichnetStelltDasBildWiederHer)
{
    // A background with content, so that inverting shows.
    Figur<TRechteck>("RECHTECK", 6, 6, 8, 6)->Zeichnen(&zf);
    Figur<TEllipse>("ELLIPSE", 8, 9, 5, 3)->Zeichnen(&zf);
    maler->end();
    const QImage vorher = bild.copy();
    maler->begin(&bild);
    const std::initializer_list<TZeichenObjekt *> vorschau{
        Figur<TRechteck>("RECHTECK", 7, 7, 5, 3), Figur<TEllipse>("ELLIPSE", 7, 7, 5, 3),
        Figur<TVielEck>("VIELECK", 7, 7, 5, 3), Linie(1, 1, 11, 9.5),
        u.linienZug({{2, 2}, {6, 2}, {6, 6}}, 1, false)};
    for (TZeichenObjekt *f : vorschau) {
        f->VorschauSetzen(true);
        f->Zeichnen(&zf);
    }
    maler->end();
    EXPECT_NE(bild, vorher); // the previews show
    maler->begin(&bild);
    for (TZeichenObjekt *f : vorschau)
        f->Zeichnen(&zf);
    EXPECT_EQ(Fertig(), vorher);
}

TEST_F(FigurBild, AufziehenHinterlaesstKeineSpuren)
{
    Figur<TRechteck>("RECHTECK", 6, 6, 8, 6)->Zeichnen(&zf);
    maler->end();
    const QImage vorher = bild.copy();
    maler->begin(&bild);
    auto *e = u.neu<TEllipse>("ELLIPSE");
    e->AufziehenBeginnen(&zf, 3, 3);
    for (int i = 1; i <= 10; ++i)
        e->Aufziehen(&zf, i % 2 == 0, i % 3 == 0, 3 + i * 0.7, 3 + i * 0.4);
    e->Zeichnen(&zf); // erases the last preview as the next step would
    EXPECT_EQ(Fertig(), vorher);
}

TEST_F(FigurBild, FokusrahmenAchtPixelUmDieFigur)
{
    Figur<TRechteck>("RECHTECK", 5, 5, 4, 2)->FokusrahmenZeichnen(&zf);
    Fertig();
    const QRgb gruen = qRgb(0, 221, 0);
    const int rechts = zf.XPixel(7) + 8;
    const int mitteY = zf.YPixel(5);
    EXPECT_TRUE(bild.pixel(rechts, mitteY) == gruen || bild.pixel(rechts - 1, mitteY) == gruen);
    EXPECT_EQ(bild.pixel(zf.XPixel(5), zf.YPixel(6) - 8), gruen);
    EXPECT_EQ(bild.pixel(zf.XPixel(5), zf.YPixel(5)), weiss); // no fill
    EXPECT_EQ(bild.pixel(rechts + 4, mitteY), weiss);
}

TEST_F(FigurBild, RiesigeWerteZeichnenBegrenzt)
{
    // Values a pupil can type: far outside, huge, dashed and thick.
    auto *r = Figur<TRechteck>("RECHTECK", 1e12, -1e12, 1e300, 1e300);
    r->Linienart = 4;
    r->Linienstärke = 1e300;
    r->Zeichnen(&zf);
    auto *e = Figur<TEllipse>("ELLIPSE", 5, 5, 1e9, 1e9);
    e->Linienart = 5;
    e->Zeichnen(&zf);
    Figur<TVielEck>("VIELECK", -1e200, 5, 3, 3)->Zeichnen(&zf);
    auto *l = Linie(-1e300, 10, 1e300, 10, 2);
    l->Zeichnen(&zf);
    l->FokusrahmenZeichnen(&zf);
    EXPECT_TRUE(e->Getroffen(&zf, 5, 5));
    EXPECT_TRUE(l->Getroffen(&zf, 3, 10));
    Fertig();
    // The huge ellipse covers the whole sheet with its red fill.
    EXPECT_EQ(Pixel(3, 3), rot);
}

} // namespace
