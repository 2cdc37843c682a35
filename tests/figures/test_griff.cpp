// Handles: hit tests, cursors, drawing, and every kind of drag on the
// preview copy with the calls it records when it ends.
#include "test_figuren2_hilfen.h"
#include "figures/Griff.h"
#include "figures/LinienGriff.h"
#include "figures/LinienZugPunktGriff.h"
#include "figures/LinienZugSegmentGriff.h"
#include "figures/RechteckArtGriff.h"

#include <gtest/gtest.h>

using namespace figuren2;

namespace {
constexpr double Eps = 1e-9;

// Box handles in the order they are made: right, top, left, bottom side,
// the four corners from upper right counter-clockwise, rotation.
enum { Rechts = 0, Oben = 1, Links = 2, Unten = 3, EckeOR = 4, EckeOL = 5, EckeUL = 6, EckeUR = 7,
       Drehung = 8 };

// One whole drag: press at the handle, move to (x, y), release.
void ziehen(TZeichenflaeche &zf, TGriff *g, double x, double y, bool shift = false,
            bool ctrl = false)
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
} // namespace

// ---------------------------------------------------------------- base behaviour

TEST(GriffBasis, TrefferUndCursorNachArt)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    r->GriffeErzeugen(&zf);
    ASSERT_EQ(r->Griffe.size(), 9u);
    const double vier = 4.0 / zf.SkalaX;
    TGriff *rechts = r->Griffe[Rechts].get();
    EXPECT_NEAR(rechts->PosX, 7.0, Eps);
    EXPECT_TRUE(rechts->Getroffen(&zf, 7 + vier, 5 - vier));
    EXPECT_FALSE(rechts->Getroffen(&zf, 7 + 1.2 * vier, 5));
    EXPECT_EQ(rechts->CursorArt(), TCursorArt::GroesseHorizontal);
    EXPECT_EQ(r->Griffe[Oben]->CursorArt(), TCursorArt::GroesseVertikal);
    EXPECT_EQ(r->Griffe[Links]->CursorArt(), TCursorArt::GroesseHorizontal);
    EXPECT_EQ(r->Griffe[EckeOR]->CursorArt(), TCursorArt::GroesseDiagonalSteigend);
    EXPECT_EQ(r->Griffe[EckeOL]->CursorArt(), TCursorArt::GroesseDiagonalFallend);
    EXPECT_EQ(r->Griffe[EckeUL]->CursorArt(), TCursorArt::GroesseDiagonalSteigend);
    TGriff *dreh = r->Griffe[Drehung].get();
    EXPECT_EQ(dreh->CursorArt(), TCursorArt::Drehen);
    // The rotation handle is a circle of radius 4 pixels.
    EXPECT_TRUE(dreh->Getroffen(&zf, dreh->PosX + 0.7 * vier, dreh->PosY + 0.7 * vier));
    EXPECT_FALSE(dreh->Getroffen(&zf, dreh->PosX + 0.8 * vier, dreh->PosY + 0.8 * vier));
    EXPECT_EQ(r->GriffAnStelle(&zf, 7, 5), rechts);
    EXPECT_EQ(r->GriffAnStelle(&zf, 5, 5), nullptr);

    // A turned box turns the handles' squares and cursors with it.
    r->Winkel = 45;
    r->GeometrieBerechnen();
    r->GriffeErzeugen(&zf);
    TGriff *gedreht = r->Griffe[Rechts].get();
    EXPECT_EQ(gedreht->CursorArt(), TCursorArt::GroesseDiagonalSteigend);
    // A corner of its turned square lies straight right of its centre.
    EXPECT_TRUE(gedreht->Getroffen(&zf, gedreht->PosX + 1.4 * vier, gedreht->PosY));
    EXPECT_FALSE(gedreht->Getroffen(&zf, gedreht->PosX + vier, gedreht->PosY + vier));
}

TEST(GriffBasis, AbbrechenLaesstFigurUndProtokollUnberuehrt)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    TGriff *g = griff(r, zf, Rechts);
    const int vorher = u.eintraege();
    g->ZiehenBeginnen(&zf, 7, 5);
    EXPECT_TRUE(g->ZiehtGerade());
    EXPECT_TRUE(g->VorschauKopie->Vorschau);
    EXPECT_TRUE(g->VorschauKopie->Name.isEmpty());
    g->Ziehen(false, false, 9, 5, &zf);
    EXPECT_NEAR(static_cast<TRechteck *>(g->VorschauKopie.get())->Länge, 6.0, Eps);
    g->ZiehenAbbrechen();
    EXPECT_FALSE(g->ZiehtGerade());
    EXPECT_NEAR(r->Länge, 4.0, Eps);
    EXPECT_EQ(u.eintraege(), vorher);
}

TEST(GriffBasis, ZeichnenDerGriffe)
{
    Umgebung u;
    Bild b;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    r->Füllfarbe = TFarbe::Unsichtbar();
    r->Linienfarbe = TFarbe::Unsichtbar();
    r->GriffeErzeugen(&b.zf);
    r->GriffeZeichnen(&b.zf);
    b.fertig();
    const int hx = b.pixelSpalte(7), hy = b.pixelZeile(5);
    EXPECT_EQ(b.bild.pixelColor(hx, hy), QColor(Qt::white)); // white square ...
    EXPECT_EQ(b.bild.pixelColor(hx + 4, hy), QColor(Qt::black)); // ... black outline
    EXPECT_EQ(b.bild.pixelColor(hx + 6, hy), QColor(Qt::white));
    TGriff *dreh = r->Griffe[Drehung].get();
    EXPECT_EQ(b.bild.pixelColor(b.pixelSpalte(dreh->PosX), b.pixelZeile(dreh->PosY)),
              QColor(0, 128, 0));
}

// ---------------------------------------------------------------- box handles

TEST(GriffRechteckArt, KlickOhneBewegungStrecktMitEins)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    const int vorher = u.eintraege();
    TGriff *g = griff(r, zf, Rechts);
    ziehen(zf, g, g->PosX, g->PosY);
    g = griff(r, zf, EckeUL);
    ziehen(zf, g, g->PosX, g->PosY);
    g = griff(r, zf, Drehung);
    ziehen(zf, g, g->PosX, g->PosY);
    EXPECT_EQ(u.protokoll(vorher), (QStringList{QStringLiteral("re0.strecken( 100.000 % )"),
                                                QStringLiteral("re0.strecken( 100.000 % )"),
                                                QStringLiteral("re0.drehen( 0.00° )")}));
    EXPECT_NEAR(r->Länge, 4.0, Eps);
    EXPECT_NEAR(r->Winkel, 0.0, Eps);
}

TEST(GriffRechteckArt, RechteSeiteUmEigeneLaengeVerdoppeltDieLaenge)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    const int vorher = u.eintraege();
    TGriff *g = griff(r, zf, Rechts);
    ziehen(zf, g, 11, 5.3); // vertical wobble does not matter for a side
    EXPECT_NEAR(r->Länge, 8.0, Eps);
    EXPECT_NEAR(r->Breite, 2.0, Eps);
    EXPECT_NEAR(r->MitteX, 7.0, Eps); // the left side stays at 3
    EXPECT_NEAR(r->MitteY, 5.0, Eps);
    EXPECT_EQ(u.protokoll(vorher), (QStringList{QStringLiteral("re0.verschieben( 2.00 cm, 0.00 mm )"),
                                                QStringLiteral("re0.BreiteSetzen( 2.00 cm )"),
                                                QStringLiteral("re0.LängeSetzen( 8.00 cm )")}));
}

TEST(GriffRechteckArt, ShiftStrecktBeideAusdehnungen)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    const int vorher = u.eintraege();
    TGriff *g = griff(r, zf, Rechts);
    ziehen(zf, g, 11, 5, true);
    EXPECT_NEAR(r->Länge, 8.0, Eps);
    EXPECT_NEAR(r->Breite, 4.0, Eps);
    EXPECT_EQ(u.protokoll(vorher), (QStringList{QStringLiteral("re0.verschieben( 2.00 cm, 0.00 mm )"),
                                                QStringLiteral("re0.strecken( 200.000 % )")}));
}

TEST(GriffRechteckArt, StrgBehaeltDieMitte)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    const int vorher = u.eintraege();
    TGriff *g = griff(r, zf, Oben);
    ziehen(zf, g, 5, 7, false, true); // top side 1 cm up: factor (7-5)/(6-5)
    EXPECT_NEAR(r->Breite, 4.0, Eps);
    EXPECT_NEAR(r->MitteY, 5.0, Eps);
    EXPECT_EQ(u.protokoll(vorher), (QStringList{QStringLiteral("re0.BreiteSetzen( 4.00 cm )"),
                                                QStringLiteral("re0.LängeSetzen( 4.00 cm )")}));
}

TEST(GriffRechteckArt, UeberDieGegenseiteHinausGibtNegativenFaktor)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    auto *g = static_cast<TRechteckArtGriff *>(griff(r, zf, Rechts));
    g->ZiehenBeginnen(&zf, 7, 5);
    g->Ziehen(false, false, 1, 5, &zf);
    EXPECT_NEAR(g->FaktorLänge, -0.5, Eps);
    EXPECT_NEAR(g->FixX, 3.0, Eps);
    auto *kopie = static_cast<TRechteck *>(g->VorschauKopie.get());
    EXPECT_NEAR(kopie->Länge, 2.0, Eps);
    EXPECT_NEAR(kopie->MitteX, 2.0, Eps); // now left of the fixed side
    g->ZiehenBeenden();
    EXPECT_NEAR(r->Länge, 2.0, Eps);
    EXPECT_NEAR(r->MitteX, 2.0, Eps);
}

TEST(GriffRechteckArt, EckeOhneShiftFreiMitShiftProportional)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    TGriff *g = griff(r, zf, EckeOR);
    ziehen(zf, g, 9, 7); // corner (7, 6) -> (9, 7): factors 6/4 and 3/2
    EXPECT_NEAR(r->Länge, 6.0, Eps);
    EXPECT_NEAR(r->Breite, 3.0, Eps);
    EXPECT_NEAR(r->MitteX, 6.0, Eps); // lower left corner (3, 4) stays
    EXPECT_NEAR(r->MitteY, 5.5, Eps);
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("re0.strecken( 150.000 % )"));

    TRechteck *s = u.rechteck(5, 15, 4, 2);
    g = griff(s, zf, EckeOR);
    ziehen(zf, g, 9, 16.5, true); // factors 1.5 and 1.25: the larger wins
    EXPECT_NEAR(s->Länge, 6.0, Eps);
    EXPECT_NEAR(s->Breite, 3.0, Eps);
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("re1.strecken( 150.000 % )"));
}

TEST(GriffRechteckArt, GruppenEckeImmerProportional)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *a = u.rechteck(4, 5, 2, 2);
    TRechteck *b = u.rechteck(8, 5, 2, 2);
    auto gruppe = u.neu<TGruppe>("GRUPPE");
    gruppe->NamenVergeben();
    TGruppe *g = TGruppe::Gruppieren(std::move(gruppe), {a, b}); // box 3..9 x 4..6
    g->GriffeErzeugen(&zf);
    ASSERT_EQ(g->Griffe.size(), 5u); // four corners and the rotation handle
    EXPECT_EQ(g->Griffe[0]->GriffArt, GriffEcke);
    const int vorher = u.eintraege();
    TGriff *ecke = g->Griffe[0].get(); // upper right (9, 6), fixed corner (3, 4)
    ziehen(zf, ecke, 15, 7); // factors 2 and 1.5, without Shift: both 2
    EXPECT_NEAR(g->Länge, 12.0, 1e-6);
    EXPECT_NEAR(g->Breite, 4.0, 1e-6);
    EXPECT_NEAR(a->Länge, 4.0, 1e-6);
    ASSERT_EQ(u.eintraege(), vorher + 2);
    EXPECT_EQ(u.protokoll(vorher)[0], QStringLiteral("gr0.verschieben( 3.00 cm, 10.00 mm )"));
    EXPECT_EQ(u.protokoll(vorher)[1], QStringLiteral("gr0.strecken( 200.000 % )"));
    EXPECT_EQ(unteraufrufe(u.letzter()).size(), 2);
}

TEST(GriffRechteckArt, DrehenMitShiftInFuenfzehnGradSchritten)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    auto *g = static_cast<TRechteckArtGriff *>(griff(r, zf, Drehung));
    ASSERT_NEAR(g->PosY, 7.0, Eps); // 1 cm above the top side
    auto punkt = [](double grad) {
        const double a = grad * M_PI / 180.0;
        return TWeltPunkt{5 + 2 * std::cos(a), 5 + 2 * std::sin(a)};
    };
    TWeltPunkt p = punkt(90 + 22.5);
    g->ZiehenBeginnen(&zf, g->PosX, g->PosY);
    g->Ziehen(false, false, p.X, p.Y, &zf);
    EXPECT_NEAR(g->Drehwinkel, 22.5, 1e-6);
    g->Ziehen(true, false, p.X, p.Y, &zf); // Shift pressed without moving
    EXPECT_NEAR(g->Drehwinkel, 30.0, Eps);
    g->ZiehenBeenden();
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("re0.drehen( 30.00° )"));
    EXPECT_NEAR(r->Winkel, 30.0, Eps);

    TRechteck *s = u.rechteck(5, 15, 4, 2);
    g = static_cast<TRechteckArtGriff *>(griff(s, zf, Drehung));
    const double a = (90 + 7.5) * M_PI / 180.0;
    ziehen(zf, g, 5 + 2 * std::cos(a), 15 + 2 * std::sin(a), true);
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("re1.drehen( 0.00° )"));

    // Across the zero direction the turn is the small angle, not 360 minus it.
    TRechteck *t = u.rechteck(15, 15, 2, 2);
    g = static_cast<TRechteckArtGriff *>(griff(t, zf, Drehung));
    g->ZiehenBeginnen(&zf, g->PosX, g->PosY);
    g->Ziehen(false, false, 16, 15.0 + 1e-3, &zf); // rotation handle at the top, mouse at 0 degrees
    g->Ziehen(false, false, 16, 15.0 - 0.1, &zf);
    EXPECT_LT(g->Drehwinkel, -90.0);
    EXPECT_GT(g->Drehwinkel, -100.0);
    g->ZiehenAbbrechen();
}

TEST(GriffRechteckArt, GedrehteFigurStrecktInIhremRahmen)
{
    Umgebung u;
    TZeichenflaeche zf;
    TRechteck *r = u.rechteck(5, 5, 4, 2);
    r->Winkel = 90;
    r->GeometrieBerechnen();
    TGriff *g = griff(r, zf, Rechts); // now at the top: (5, 7)
    ASSERT_NEAR(g->PosX, 5.0, 1e-9);
    ASSERT_NEAR(g->PosY, 7.0, 1e-9);
    ziehen(zf, g, 5, 11);
    EXPECT_NEAR(r->Länge, 8.0, 1e-9);
    EXPECT_NEAR(r->Breite, 2.0, 1e-9);
    EXPECT_NEAR(r->MitteY, 7.0, 1e-9);
}

TEST(GriffRechteckArt, LinienzugRahmenStrecktDiePunkte)
{
    Umgebung u;
    TZeichenflaeche zf;
    TLinienZug *lz = u.linienZug({{3, 4}, {7, 4}, {7, 6}}, 0, false);
    lz->GriffeErzeugen(&zf);
    // Box handles, one handle per point, and the segment handle last.
    ASSERT_EQ(lz->Griffe.size(), 9u + 3u + 1u);
    EXPECT_EQ(lz->Griffe[9]->GriffArt, GriffPunkt);
    EXPECT_EQ(lz->Griffe.back()->GriffArt, GriffSegment);
    TGriff *rechts = lz->Griffe[Rechts].get();
    EXPECT_GT(rechts->PosX, 7.0); // 10 pixels further out
    EXPECT_NEAR(rechts->BezugX, 7.0, Eps);
    ziehen(zf, rechts, rechts->PosX + 4, rechts->PosY, true);
    EXPECT_NEAR(lz->Punkt(1)->X, 3 + 8 * (4 + 4.0) / (4 + 4.0), 0.5);
    EXPECT_NEAR(lz->Punkt(0)->X, 3.0, 1e-9); // the left side stays
    EXPECT_EQ(u.letzter().MethodenId, MStrecken);
}

// ---------------------------------------------------------------- line ends

TEST(GriffLinie, ShiftInFuenfzehnGradSchrittenUndStrgSymmetrisch)
{
    Umgebung u;
    TZeichenflaeche zf;
    auto *li = u.imDokument<TLinie>("LINIE");
    li->Punkt1X = 2;
    li->Punkt1Y = 2;
    li->Punkt2X = 6;
    li->Punkt2Y = 2;
    li->Linienfarbe = TFarbe::Echt(0);
    li->GeometrieBerechnen();
    li->GriffeErzeugen(&zf);
    ASSERT_EQ(li->Griffe.size(), 2u);
    auto *g2 = dynamic_cast<TLinienGriff *>(li->Griffe[1].get());
    ASSERT_NE(g2, nullptr);
    EXPECT_EQ(g2->PunktNummer, 2);
    const int vorher = u.eintraege();
    ziehen(zf, g2, 6, 3, true); // 14 degrees: rounded to 15
    const double d = std::sqrt(17.0);
    EXPECT_NEAR(li->Punkt2X, 2 + d * std::cos(M_PI / 12), 1e-9);
    EXPECT_NEAR(li->Punkt2Y, 2 + d * std::sin(M_PI / 12), 1e-9);
    EXPECT_NEAR(li->Punkt1X, 2.0, Eps);
    ASSERT_EQ(u.eintraege(), vorher + 1);
    EXPECT_TRUE(u.letzter().AnzeigeText().startsWith(QStringLiteral("li0.punkt2Setzen( 5.98 cm, 3.07 cm")))
        << u.letzter().AnzeigeText().toStdString();

    li->Punkt2X = 6;
    li->Punkt2Y = 2;
    li->GeometrieBerechnen();
    li->GriffeErzeugen(&zf);
    ziehen(zf, li->Griffe[1].get(), 7, 3, false, true); // about the centre (4, 2)
    EXPECT_NEAR(li->Punkt2X, 7.0, 1e-9);
    EXPECT_NEAR(li->Punkt2Y, 3.0, 1e-9);
    EXPECT_NEAR(li->Punkt1X, 1.0, 1e-9);
    EXPECT_NEAR(li->Punkt1Y, 1.0, 1e-9);
    EXPECT_EQ(u.protokoll(u.eintraege() - 2),
              (QStringList{QStringLiteral("li0.punkt1Setzen( 10.00 mm, 10.00 mm )"),
                           QStringLiteral("li0.punkt2Setzen( 7.00 cm, 3.00 cm )")}));
}

TEST(GriffLinie, KurzeLinieErsterSchrittSetztEndpunktAufDieMaus)
{
    Umgebung u;
    TZeichenflaeche zf;
    auto *li = u.imDokument<TLinie>("LINIE");
    li->Punkt1X = 5;
    li->Punkt1Y = 5;
    li->Punkt2X = 5.01;
    li->Punkt2Y = 5;
    li->GeometrieBerechnen();
    li->GriffeErzeugen(&zf);
    TGriff *g = li->Griffe[1].get();
    EXPECT_GE(g->PosX - 5.005, 10.0 / zf.SkalaX - 1e-9); // 10 pixels from the centre
    g->ZiehenBeginnen(&zf, g->PosX, g->PosY);
    g->Ziehen(false, false, g->PosX, g->PosY, &zf);
    auto *kopie = static_cast<TLinie *>(g->VorschauKopie.get());
    EXPECT_NEAR(kopie->Punkt2X, g->PosX, 1e-9);
    g->ZiehenAbbrechen();
}

// ---------------------------------------------------------------- polyline vertices and segments

TEST(GriffLinienZug, PunktMitShiftBeiGleichstandSenkrecht)
{
    Umgebung u;
    TZeichenflaeche zf;
    TLinienZug *lz = u.linienZug({{2, 2}, {6, 2}, {6, 5}}, 0, false);
    TLinienZugPunktGriff g(lz, 2, 2, 0);
    EXPECT_EQ(g.CursorArt(), TCursorArt::PunktVerschieben);
    const int vorher = u.eintraege();
    ziehen(zf, &g, 5, 5, true); // 3 right, 3 up: a tie counts as vertical
    EXPECT_NEAR(lz->Punkt(0)->X, 2.0, Eps);
    EXPECT_NEAR(lz->Punkt(0)->Y, 5.0, Eps);
    EXPECT_NEAR(lz->Breite, 3.0, Eps); // frame reset
    ziehen(zf, &g, 3, 4.5, true); // mostly horizontal
    EXPECT_NEAR(lz->Punkt(0)->X, 3.0, Eps);
    EXPECT_NEAR(lz->Punkt(0)->Y, 5.0, Eps);
    ziehen(zf, &g, 1, 1, false, true); // Ctrl changes nothing
    EXPECT_NEAR(lz->Punkt(0)->X, 1.0, Eps);
    EXPECT_NEAR(lz->Punkt(0)->Y, 1.0, Eps);
    EXPECT_EQ(u.eintraege(), vorher); // vertex drags record nothing
}

TEST(GriffLinienZug, PunktEinfuegenAufEinemAbschnitt)
{
    Umgebung u;
    TZeichenflaeche zf;
    TLinienZug *lz = u.linienZug({{1, 1}, {5, 1}, {5, 4}}, 1, false);
    lz->Punkt(0)->AbschnittArt = 0;
    lz->GeometrieBerechnen();
    TLinienZugSegmentGriff g(lz);
    EXPECT_EQ(g.CursorArt(), TCursorArt::LinienAbschnitt);
    EXPECT_FALSE(g.Getroffen(&zf, 3, 3));
    ASSERT_TRUE(g.Getroffen(&zf, 3, 1));
    EXPECT_EQ(g.PunktIndex, 1);
    const int vorher = u.eintraege();
    g.ZiehenBeginnen(&zf, 3, 1);
    auto *kopie = static_cast<TLinienZug *>(g.VorschauKopie.get());
    ASSERT_EQ(kopie->PunktAnzahl(), 4);
    EXPECT_EQ(kopie->Punkt(1)->AbschnittArt, 0); // the kind of the split segment
    g.Ziehen(false, false, 3, 0, &zf);
    EXPECT_NEAR(kopie->Punkt(1)->Y, 0.0, Eps);
    EXPECT_EQ(lz->PunktAnzahl(), 3); // the figure waits for the release
    g.ZiehenBeenden();
    ASSERT_EQ(lz->PunktAnzahl(), 4);
    EXPECT_NEAR(lz->Punkt(1)->X, 3.0, Eps);
    EXPECT_NEAR(lz->Punkt(1)->Y, 0.0, Eps);
    EXPECT_EQ(lz->Punkt(1)->Name, QStringLiteral("lp3"));
    EXPECT_EQ(lz->Punkt(1)->Besitzer, lz);
    EXPECT_EQ(u.protokoll(vorher), QStringList{QStringLiteral("lp3:PUNKT")});
    EXPECT_NEAR(lz->Umgebungsrechteck.Unten, 0.0, Eps);
    EXPECT_NEAR(lz->MitteY, 2.0, Eps);
    EXPECT_FALSE(g.ZiehtGerade());

    // On the closing segment of a closed polyline the new vertex goes last.
    lz->Geschlossen = 1;
    lz->GeometrieBerechnen();
    lz->Punkt(3)->AbschnittArt = 0;
    lz->GeometrieBerechnen();
    TLinienZugSegmentGriff s(lz);
    ASSERT_TRUE(s.Getroffen(&zf, 3, 2.5)); // middle of (5, 4) -> (1, 1)
    EXPECT_EQ(s.PunktIndex, 4);
    ziehen(zf, &s, 2, 3);
    ASSERT_EQ(lz->PunktAnzahl(), 5);
    EXPECT_NEAR(lz->Punkt(4)->X, 2.0, Eps);
    EXPECT_NEAR(lz->Punkt(4)->Y, 3.0, Eps);
    EXPECT_EQ(lz->Punkt(4)->Name, QStringLiteral("lp4"));
}

TEST(GriffLinienZug, PunktgriffeVorDemAbschnittsgriff)
{
    Umgebung u;
    TZeichenflaeche zf;
    TLinienZug *lz = u.linienZug({{2, 2}, {6, 2}, {6, 5}}, 0, false);
    lz->GriffeErzeugen(&zf);
    auto *p1 = dynamic_cast<TLinienZugPunktGriff *>(lz->Griffe[9 + 1].get());
    ASSERT_NE(p1, nullptr);
    EXPECT_EQ(p1->PunktIndex, 1);
    EXPECT_NEAR(p1->PosX, 6.0, Eps);
    EXPECT_NEAR(p1->Winkel, 0.0, Eps);
    // On a vertex its own handle wins; between vertices the segment handle.
    EXPECT_EQ(lz->GriffAnStelle(&zf, 6, 2), p1);
    TGriff *mitte = lz->GriffAnStelle(&zf, 4, 2);
    ASSERT_NE(mitte, nullptr);
    EXPECT_EQ(mitte->GriffArt, GriffSegment);
    EXPECT_EQ(static_cast<TLinienZugSegmentGriff *>(mitte)->PunktIndex, 1);
    EXPECT_EQ(lz->GriffAnStelle(&zf, 4, 3.5), nullptr);
}

TEST(GriffLinienZug, PunktgriffZeichnetSchwarzesQuadrat)
{
    Umgebung u;
    Bild b;
    TLinienZug *lz = u.linienZug({{2, 2}, {6, 2}, {6, 5}}, 0, false);
    lz->Linienfarbe = TFarbe::Unsichtbar();
    lz->GriffeErzeugen(&b.zf);
    lz->GriffeZeichnen(&b.zf);
    b.fertig();
    const int hx = b.pixelSpalte(6), hy = b.pixelZeile(5);
    EXPECT_EQ(b.bild.pixelColor(hx, hy), QColor(Qt::black));
    EXPECT_EQ(b.bild.pixelColor(hx - 2, hy + 1), QColor(Qt::black));
    EXPECT_EQ(b.bild.pixelColor(hx + 6, hy), QColor(Qt::white));
    // The segment handle draws nothing: the middle of a segment stays white.
    EXPECT_EQ(b.bei(4, 2), QColor(Qt::white));
}

TEST(GriffRechteckArt, LinienzugUeberDieGegenseiteWirdGespiegelt)
{
    Umgebung u;
    TZeichenflaeche zf;
    TLinienZug *lz = u.linienZug({{2, 2}, {6, 2}, {6, 4}}, 0, false);
    lz->GriffeErzeugen(&zf);
    TGriff *rechts = lz->Griffe[Rechts].get();
    const int vorher = u.eintraege();
    // The right side (x = 6) dragged to 2 cm left of the left side (x = 2).
    ziehen(zf, rechts, rechts->PosX - 8, rechts->PosY);
    // Mirrored at x = 2 and scaled by the handle's factor (the handle sits 5
    // pixels outside the frame): the raised corner is now on the left.
    const double f = (rechts->PosX - 8 - 2) / (rechts->PosX - 2);
    ASSERT_LT(f, 0.0);
    EXPECT_NEAR(lz->Punkt(2)->X, 2 + 4 * f, 1e-9);
    EXPECT_NEAR(lz->Punkt(2)->Y, 4.0, 1e-9);
    EXPECT_NEAR(lz->Punkt(0)->X, 2.0, 1e-9);
    ASSERT_EQ(u.eintraege(), vorher + 1);
    EXPECT_EQ(u.letzter().MethodenId, MStreckenMitZentrumLB);
    // A rectangle looks the same either way and records the extents.
    TRechteck *r = u.rechteck(5, 10, 4, 2);
    r->GriffeErzeugen(&zf);
    ziehen(zf, r->Griffe[Rechts].get(), 1, 10);
    EXPECT_EQ(u.letzter().AnzeigeText(), QStringLiteral("re0.LängeSetzen( 2.00 cm )"));
}
