// Handles: hit tests, cursors, and every kind of drag on the preview copy
// with the calls it records when it ends.
#include "figuren_hilfen.h"
#include "figures/LinienGriff.h"
#include "figures/LinienZugPunktGriff.h"
#include "figures/RechteckArtGriff.h"

namespace
{

// Box handles in the order they are made: right, top, left, bottom side,
// the four corners from upper right counter-clockwise, rotation.
enum { Rechts = 0, Oben = 1, Links = 2, Unten = 3, EckeOR = 4, EckeOL = 5, EckeUL = 6, EckeUR = 7, Drehung = 8 };

// One whole drag: press at the handle, move to (x, y), release.
void ziehen(TZeichenflaeche &zf, TGriff *g, double x, double y, bool shift = false, bool ctrl = false)
{
    g->ZiehenBeginnen(&zf, g->PosX, g->PosY);
    g->Ziehen(shift, ctrl, g->PosX, g->PosY, &zf);
    g->Ziehen(shift, ctrl, x, y, &zf);
    g->ZiehenBeenden();
}

TGriff *griff(TZeichenObjekt *f, TZeichenflaeche &zf, int index)
{
    f->GriffeErzeugen(&zf);
    return index < int(f->Griffe.size()) ? f->Griffe[index].get() : nullptr;
}


// Drags of single handles of the rectangle at (5, 5), 4 x 2, turned by w:
// the box and the calls recorded at the release.
using GriffRechteckArt = Figuren;

TEST_F(GriffRechteckArt, ZiehenStrecktUndProtokolliert)
{
    struct Zug {
        const char *name;
        double w;
        int griff;
        double x, y;
        bool shift, ctrl;
        double mx, my, l, b;
        const char *log; // the calls recorded, separated by "|"
    };
    const Zug zuege[] = {
        {"click on a side: factor 1", 0, Rechts, 7, 5, false, false, 5, 5, 4, 2, "re0.strecken( 100.000 % )"},
        {"click on a corner: factor 1", 0, EckeUL, 3, 4, false, false, 5, 5, 4, 2, "re0.strecken( 100.000 % )"},
        {"click on the rotation handle", 0, Drehung, 5, 7, false, false, 5, 5, 4, 2, "re0.drehen( 0.00° )"},
        // Vertical wobble does not matter for a side; the left side stays at 3.
        {"right side by its own length", 0, Rechts, 11, 5.3, false, false, 7, 5, 8, 2,
         "re0.verschieben( 2.00 cm, 0.00 mm )|re0.BreiteSetzen( 2.00 cm )|"
         "re0.LängeSetzen( 8.00 cm )"},
        {"Shift stretches both extents", 0, Rechts, 11, 5, true, false, 7, 5, 8, 4,
         "re0.verschieben( 2.00 cm, 0.00 mm )|re0.strecken( 200.000 % )"},
        // Top side 1 cm up with Ctrl: factor (7 - 5) / (6 - 5) about the centre.
        {"Ctrl keeps the centre", 0, Oben, 5, 7, false, true, 5, 5, 4, 4,
         "re0.BreiteSetzen( 4.00 cm )|re0.LängeSetzen( 4.00 cm )"},
        // Corner (7, 6) to (9, 8): factors 1.5 and 2; the lower left corner stays.
        {"corner without Shift is free", 0, EckeOR, 9, 8, false, false, 6, 6, 6, 4,
         "re0.verschieben( 10.00 mm, 10.00 mm )|re0.BreiteSetzen( 4.00 cm )|"
         "re0.LängeSetzen( 6.00 cm )"},
        // Factors 1.5 and 1.25: the larger wins.
        {"corner with Shift is proportional", 0, EckeOR, 9, 6.5, true, false, 6, 5.5, 6, 3,
         "re0.verschieben( 10.00 mm, 5.00 mm )|re0.strecken( 150.000 % )"},
        // Turned by 90 degrees the right side is at the top, at (5, 7).
        {"turned figure stretches in its frame", 90, Rechts, 5, 11, false, false, 5, 7, 8, 2,
         "re0.verschieben( 0.00 mm, 2.00 cm )|re0.BreiteSetzen( 2.00 cm )|"
         "re0.LängeSetzen( 8.00 cm )"},
        // Beyond the opposite side: a negative factor, the left side stays at 3.
        {"past the opposite side", 0, Rechts, 1, 5, false, false, 2, 5, 2, 2,
         "re0.verschieben( -3.00 cm, 0.00 mm )|re0.BreiteSetzen( 2.00 cm )|"
         "re0.LängeSetzen( 2.00 cm )"},
        // 7.5 degrees with Shift round to the nearest 15-degree step: 0.
        {"rotation with Shift", 0, Drehung, 5 + 2 * std::cos(97.5 * M_PI / 180), 5 + 2 * std::sin(97.5 * M_PI / 180),
         true, false, 5, 5, 4, 2, "re0.drehen( 0.00° )"},
    };
    for (const Zug &z : zuege) {
        SCOPED_TRACE(z.name);
        Umgebung u;
        TZeichenflaeche zf;
        TRechteck *r = u.rechteck(5, 5, 4, 2, z.w);
        ziehen(zf, griff(r, zf, z.griff), z.x, z.y, z.shift, z.ctrl);
        EXPECT_BOX(r, z.mx, z.my, z.l, z.b);
        EXPECT_NEAR(r->Winkel, z.w, Eps);
        EXPECT_EQ(u.protokoll().join(QLatin1Char('|')), z.log);
    }
}

TEST_F(GriffRechteckArt, GruppenEckeImmerProportional)
{
    TRechteck *a = u.rechteck(4, 5, 2, 2);
    TRechteck *b = u.rechteck(8, 5, 2, 2);
    TGruppe *g = gruppieren(u, {a, b}); // box 3..9 x 4..6
    g->GriffeErzeugen(&zf);
    ASSERT_EQ(g->Griffe.size(), 5u); // four corners and the rotation handle
    EXPECT_EQ(g->Griffe[0]->GriffArt, GriffEcke);
    ziehen(zf, g->Griffe[0].get(), 15, 7); // (9, 6) to (15, 7): factors 2 and 1.5, both 2
    EXPECT_NEAR(g->Länge, 12.0, 1e-6);
    EXPECT_NEAR(g->Breite, 4.0, 1e-6);
    EXPECT_NEAR(a->Länge, 4.0, 1e-6);
    EXPECT_EQ(u.protokoll(), QStringList({"gr0.verschieben( 3.00 cm, 10.00 mm )", "gr0.strecken( 200.000 % )"}));
    EXPECT_EQ(unteraufrufe(u.letzter()).size(), 2);
}

TEST_F(GriffRechteckArt, LinienzugRahmenStrecktDiePunkte)
{
    TLinienZug *lz = u.linienZug({{3, 4}, {7, 4}, {7, 6}}, 0, false);
    TGriff *rechts = griff(lz, zf, Rechts);
    ziehen(zf, rechts, rechts->PosX + 4, rechts->PosY, true);
    EXPECT_NEAR(lz->Punkt(1)->X, 3 + 8 * (4 + 4.0) / (4 + 4.0), 0.5);
    EXPECT_NEAR(lz->Punkt(0)->X, 3.0, Eps); // the left side stays
    EXPECT_EQ(u.letzter().MethodenId, MStrecken);

    // The right side (x = 6) dragged to 2 cm left of the left side (x = 2):
    // mirrored at x = 2 and scaled by the handle's factor (the handle sits 5
    // pixels outside the frame), the raised corner is now on the left.
    TLinienZug *m = u.linienZug({{2, 2}, {6, 2}, {6, 4}}, 0, false);
    rechts = griff(m, zf, Rechts);
    const double f = (rechts->PosX - 8 - 2) / (rechts->PosX - 2);
    ASSERT_LT(f, 0.0);
    const int vorher = u.anzahl();
    ziehen(zf, rechts, rechts->PosX - 8, rechts->PosY);
    EXPECT_PUNKT(m->Punkt(2)->X, m->Punkt(2)->Y, 2 + 4 * f, 4.0);
    EXPECT_NEAR(m->Punkt(0)->X, 2.0, Eps);
    ASSERT_EQ(u.anzahl(), vorher + 1);
    EXPECT_EQ(u.letzter().MethodenId, MStreckenMitZentrumLB);
}

using GriffLinie = Figuren;

TEST_F(GriffLinie, ShiftInFuenfzehnGradSchrittenUndStrgSymmetrisch)
{
    TLinie *li = u.linie(2, 2, 6, 2);
    li->GriffeErzeugen(&zf);
    ASSERT_EQ(li->Griffe.size(), 2u);
    auto *g2 = dynamic_cast<TLinienGriff *>(li->Griffe[1].get());
    ASSERT_NE(g2, nullptr);
    EXPECT_EQ(g2->PunktNummer, 2);
    EXPECT_NEAR(g2->PosX, 6.0, Eps);
    ziehen(zf, g2, 6, 3, true); // 14 degrees: rounded to 15
    const double d = std::sqrt(17.0);
    EXPECT_PUNKT(li->Punkt2X, li->Punkt2Y, 2 + d * std::cos(M_PI / 12), 2 + d * std::sin(M_PI / 12));
    EXPECT_NEAR(li->Punkt1X, 2.0, Eps);
    EXPECT_EQ(u.protokoll(), QStringList{"li0.punkt2Setzen( 5.98 cm, 3.07 cm )"});

    li->punkt2Setzen(6, 2);
    ziehen(zf, griff(li, zf, 1), 7, 3, false, true); // about the centre (4, 2)
    EXPECT_PUNKT(li->Punkt2X, li->Punkt2Y, 7.0, 3.0);
    EXPECT_PUNKT(li->Punkt1X, li->Punkt1Y, 1.0, 1.0);
    EXPECT_EQ(u.protokoll(u.anzahl() - 2),
              QStringList({"li0.punkt1Setzen( 10.00 mm, 10.00 mm )", "li0.punkt2Setzen( 7.00 cm, 3.00 cm )"}));
    // A short line: the first step puts the end point on the mouse.
    TLinie *kurz = u.linie(5, 5, 5.01, 5);
    TGriff *g = griff(kurz, zf, 1);
    g->ZiehenBeginnen(&zf, g->PosX, g->PosY);
    g->Ziehen(false, false, g->PosX, g->PosY, &zf);
    EXPECT_NEAR(static_cast<TLinie *>(g->VorschauKopie.get())->Punkt2X, g->PosX, 1e-9);
    g->ZiehenAbbrechen();
}

using GriffLinienZug = Figuren;

TEST_F(GriffLinienZug, PunktMitShiftBeiGleichstandSenkrecht)
{
    TLinienZug *lz = u.linienZug({{2, 2}, {6, 2}, {6, 5}}, 0, false);
    TLinienZugPunktGriff g(lz, 2, 2, 0);
    EXPECT_EQ(g.CursorArt(), TCursorArt::PunktVerschieben);
    ziehen(zf, &g, 5, 5, true); // 3 right, 3 up: a tie counts as vertical
    EXPECT_PUNKT(lz->Punkt(0)->X, lz->Punkt(0)->Y, 2.0, 5.0);
    EXPECT_NEAR(lz->Breite, 3.0, Eps); // frame reset
    ziehen(zf, &g, 3, 4.5, true);      // mostly horizontal
    EXPECT_PUNKT(lz->Punkt(0)->X, lz->Punkt(0)->Y, 3.0, 5.0);
    ziehen(zf, &g, 1, 1, false, true); // Ctrl changes nothing
    EXPECT_PUNKT(lz->Punkt(0)->X, lz->Punkt(0)->Y, 1.0, 1.0);
    EXPECT_EQ(u.anzahl(), 0); // vertex drags record nothing
}

} // namespace
