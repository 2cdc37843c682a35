// Polylines and curves: tangents, flattening, hit tests, operations on the
// vertices, drawing point by point, the vertices' own methods, rendering.
#include "figuren_hilfen.h"

namespace {

bool enthaelt(const QVector<TWeltPunkt> &punkte, double x, double y, double tol = 1e-9)
{
    for (const TWeltPunkt &p : punkte)
        if (std::fabs(p.X - x) <= tol && std::fabs(p.Y - y) <= tol)
            return true;
    return false;
}
} // namespace

using LinienZugTangenten = Figuren;

TEST_F(LinienZugTangenten, GeschlosseneKurveDurchQuadratIstSymmetrisch)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, 1, true);
    // Control points at one sixth of the distance between the neighbours.
    const TLinienZugPunkt *p0 = lz->Punkt(0);
    EXPECT_PUNKT(p0->NachTangenteX, p0->NachTangenteY, 1.0 / 3, -1.0 / 3);
    EXPECT_PUNKT(p0->VorTangenteX, p0->VorTangenteY, -1.0 / 3, 1.0 / 3);
    const TLinienZugPunkt *p2 = lz->Punkt(2);
    EXPECT_PUNKT(p2->NachTangenteX, p2->NachTangenteY, 2 - 1.0 / 3, 2 + 1.0 / 3);

    // At the default 96 dpi, 100 %: about 7.56 outline points per cm, so 15
    // per side; the closing side leaves out the first point again.
    ASSERT_EQ(lz->Umrisspunkte.size(), 60);
    EXPECT_EQ(lz->Punkt(0)->ErsterUmrissIndex, 0);
    EXPECT_EQ(lz->Punkt(0)->LetzterUmrissIndex, 15);
    EXPECT_EQ(lz->Punkt(3)->ErsterUmrissIndex, 45);
    EXPECT_EQ(lz->Punkt(3)->LetzterUmrissIndex, 59);
    EXPECT_NEAR(lz->Umrisspunkte[15].X, 2.0, Eps);
    EXPECT_NEAR(lz->Umrisspunkte[30].Y, 2.0, Eps);
    for (const TWeltPunkt &p : lz->Umrisspunkte) {
        EXPECT_TRUE(enthaelt(lz->Umrisspunkte, 2 - p.X, p.Y)) << p.X << " " << p.Y;
        EXPECT_TRUE(enthaelt(lz->Umrisspunkte, p.X, 2 - p.Y)) << p.X << " " << p.Y;
    }
    // The curve bulges outward by a quarter at the middle of each side; the
    // sample nearest the middle lies at t = 7/15.
    EXPECT_NEAR(lz->Umgebungsrechteck.Unten, -56.0 / 225, 1e-9);
    EXPECT_NEAR(lz->Umgebungsrechteck.Links, -56.0 / 225, 1e-9);
    EXPECT_NEAR(lz->Umgebungsrechteck.Oben, 2 + 56.0 / 225, 1e-9);
    EXPECT_PUNKT(lz->MitteX, lz->MitteY, 1.0, 1.0);
}

TEST_F(LinienZugTangenten, GeradeNachbarstreckeGibtTangenteOhneKnick)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {3, 1}, {4, 0}}, 1, false);
    lz->Punkt(0)->AbschnittArt = 0; // straight from P0 to P1
    lz->Punkt(2)->AbschnittArt = 0; // straight from P2 to P3
    lz->GeometrieBerechnen();
    // P1: incoming straight, so its tangent runs along P0 -> P1.
    const TLinienZugPunkt *p1 = lz->Punkt(1);
    EXPECT_PUNKT(p1->NachTangenteX, p1->NachTangenteY, 2 + 2.0 / 6, 0.0);
    EXPECT_NEAR(p1->VorTangenteX, 2 - 2.0 / 6, Eps);
    // P2: own segment straight, so its tangent runs along P2 -> P3.
    const TLinienZugPunkt *p2 = lz->Punkt(2);
    EXPECT_PUNKT(p2->VorTangenteX, p2->VorTangenteY, 3 - 1.0 / 6, 1 + 1.0 / 6);
    // The straight segments are single outline edges.
    EXPECT_EQ(lz->Punkt(0)->LetzterUmrissIndex - lz->Punkt(0)->ErsterUmrissIndex, 1);
    EXPECT_EQ(lz->Punkt(2)->LetzterUmrissIndex - lz->Punkt(2)->ErsterUmrissIndex, 1);
    EXPECT_EQ(lz->Punkt(3)->ErsterUmrissIndex, -1);
    EXPECT_EQ(lz->Punkt(3)->LetzterUmrissIndex, -1);
    // The curve leaves P1 nearly horizontally, although the chord to P2
    // rises at 45 degrees.
    const TWeltPunkt &erster = lz->Umrisspunkte[lz->Punkt(1)->ErsterUmrissIndex + 1];
    ASSERT_GT(erster.X, 2.0);
    EXPECT_LT(erster.Y / (erster.X - 2.0), 0.3);
}

TEST_F(LinienZugTangenten, OffeneKurveHatGespiegelteEndtangenten)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {1, 1}, {2, 0}}, 1, false);
    const TLinienZugPunkt *p1 = lz->Punkt(1);
    EXPECT_PUNKT(p1->VorTangenteX, p1->VorTangenteY, 2.0 / 3, 1.0);
    // The middle point's tangent mirrored at the perpendicular of each end chord.
    EXPECT_PUNKT(lz->Punkt(0)->NachTangenteX, lz->Punkt(0)->NachTangenteY, 0.0, 1.0 / 3);
    EXPECT_PUNKT(lz->Punkt(2)->VorTangenteX, lz->Punkt(2)->VorTangenteY, 2.0, 1.0 / 3);
    // The open curve is symmetric about x = 1.
    for (const TWeltPunkt &p : lz->Umrisspunkte)
        EXPECT_TRUE(enthaelt(lz->Umrisspunkte, 2 - p.X, p.Y));
}

TEST_F(LinienZugTangenten, ZweiPunkteBleibenGerade)
{
    TLinienZug *offen = u.linienZug({{0, 0}, {3, 1}}, 1, false);
    ASSERT_EQ(offen->Umrisspunkte.size(), 2);
    EXPECT_NEAR(offen->Umrisspunkte[1].X, 3.0, Eps);
    EXPECT_EQ(offen->Punkt(0)->ErsterUmrissIndex, 0);
    EXPECT_EQ(offen->Punkt(0)->LetzterUmrissIndex, 1);
    TLinienZug *zu = u.linienZug({{0, 0}, {3, 1}}, 1, true);
    EXPECT_EQ(zu->Umrisspunkte.size(), 2);
    EXPECT_EQ(zu->Punkt(1)->ErsterUmrissIndex, 1);
    EXPECT_EQ(zu->Punkt(1)->LetzterUmrissIndex, 1);
}

using LinienZugFlaechenpunkte = Figuren;

TEST_F(LinienZugFlaechenpunkte, BogenHatHoechstensTausendPunkte)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {1e6, 0}, {1e6, 1e6}}, 1, false);
    EXPECT_EQ(lz->Umrisspunkte.size(), 1 + 2 * TLinienZug::MaximaleBogenpunkte);
    // A non-finite coordinate yields one point per segment, never a hang.
    lz->Punkt(1)->PositionSetzen(std::numeric_limits<double>::infinity(), 0);
    lz->GeometrieBerechnen();
    EXPECT_LE(lz->Umrisspunkte.size(), 1 + 2 * TLinienZug::MaximaleBogenpunkte);
}

TEST_F(LinienZugFlaechenpunkte, DichteFolgtZoomUndDrucker)
{
    Bild b;
    TLinienZug *lz = u.linienZug({{1, 1}, {3, 1}, {3, 3}}, 1, false);
    b.zf.ZoomSetzen(2.0);
    lz->Zeichnen(&b.zf);
    // 2 cm chords at 75.6 px/cm: one point per 5 pixels, 30 per segment.
    EXPECT_EQ(lz->Umrisspunkte.size(), 1 + 30 + 30);
    EXPECT_EQ(lz->Bildpunkte.size(), lz->Umrisspunkte.size());
    b.zf.Drucken = true;
    lz->Zeichnen(&b.zf);
    // Printing: one point per 2 printer pixels (236.22 px/cm): 236 per segment.
    EXPECT_EQ(lz->Umrisspunkte.size(), 1 + 236 + 236);
}

using LinienZugTreffer = Figuren;

TEST_F(LinienZugTreffer, AbschnittAnStelleNenntDenAbschnitt)
{
    TLinienZug *lz = u.linienZug({{1, 1}, {5, 1}, {5, 4}}, 0, false);
    EXPECT_EQ(lz->AbschnittAnStelle(&zf, 3, 1), 0);
    EXPECT_EQ(lz->AbschnittAnStelle(&zf, 3, 1.04), 0); // within 2 pixels
    EXPECT_EQ(lz->AbschnittAnStelle(&zf, 5, 2.5), 1);
    EXPECT_EQ(lz->AbschnittAnStelle(&zf, 3, 2.5), -1);
    EXPECT_EQ(lz->AbschnittAnStelle(&zf, 9, 1), -1); // outside the box
    lz->Geschlossen = 1;
    lz->GeometrieBerechnen();
    EXPECT_EQ(lz->AbschnittAnStelle(&zf, 3, 2.5), 2); // the closing segment
    EXPECT_EQ(lz->AbschnittAnStelle(&zf, 3, 1), 0);

    // Curved segments: the index range of the outline decides.
    TLinienZug *kurve = u.linienZug({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, 1, true);
    EXPECT_EQ(kurve->AbschnittAnStelle(&zf, 1, -0.24), 0);
    EXPECT_EQ(kurve->AbschnittAnStelle(&zf, 2.24, 1), 1);
    EXPECT_EQ(kurve->AbschnittAnStelle(&zf, 1, 2.24), 2);
    EXPECT_EQ(kurve->AbschnittAnStelle(&zf, -0.24, 1), 3);
    EXPECT_EQ(kurve->AbschnittAnStelle(&zf, 1, 1), -1);
}

TEST_F(LinienZugTreffer, FlaecheNurWennGeschlossenUndGefuellt)
{
    TLinienZug *lz = u.linienZug({{1, 1}, {5, 1}, {3, 4}}, 0, true);
    EXPECT_FALSE(lz->Getroffen(&zf, 3, 2)); // unfilled: only the outline counts
    EXPECT_TRUE(lz->Getroffen(&zf, 3, 1));
    lz->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    EXPECT_TRUE(lz->Getroffen(&zf, 3, 2));
    EXPECT_FALSE(lz->Getroffen(&zf, 1.2, 3.5));
    lz->Geschlossen = 0; // an open polyline is never filled
    lz->GeometrieBerechnen();
    EXPECT_FALSE(lz->Getroffen(&zf, 3, 2));

}

// A straight horizontal or vertical polyline has a box without height or
// width; it is hit within the segment tolerance (2 pixels for a thin line)
// at every zoom, so that the pixel row next to it hits, 3 pixels away not.
TEST_F(LinienZugTreffer, WaagrechterUndSenkrechterLinienzugBeiJedemZoom)
{
    TLinienZug *waagrecht = u.linienZug({{1, 2}, {4, 2}}, 0, false);
    TLinienZug *senkrecht = u.linienZug({{6, 1}, {6, 5}}, 0, false);
    for (double zoom : {0.25, 1.0, 1.33, 3.0}) {
        SCOPED_TRACE(zoom);
        zf.ZoomSetzen(zoom);
        const double pixel = 1.0 / zf.SkalaX;
        for (double abstand : {0.0, 0.6, 1.5}) {
            SCOPED_TRACE(abstand);
            EXPECT_TRUE(waagrecht->Getroffen(&zf, 2, 2 + abstand * pixel));
            EXPECT_TRUE(waagrecht->Getroffen(&zf, 2, 2 - abstand * pixel));
            EXPECT_TRUE(senkrecht->Getroffen(&zf, 6 + abstand * pixel, 3));
            EXPECT_EQ(senkrecht->AbschnittAnStelle(&zf, 6 - abstand * pixel, 3), 0);
        }
        EXPECT_FALSE(waagrecht->Getroffen(&zf, 2, 2 + 3 * pixel));
        EXPECT_FALSE(senkrecht->Getroffen(&zf, 6 - 3 * pixel, 3));
        EXPECT_FALSE(waagrecht->Getroffen(&zf, 4 + 3 * pixel, 2)); // beyond the end
    }
}

using LinienZugOperationen = Figuren;

TEST_F(LinienZugOperationen, PunkteFolgenUndRahmenWirdZurueckgesetzt)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    EXPECT_EQ(ausfuehren(lz, MVerschieben, Werte({Laenge(1), Laenge(2)})), "");
    EXPECT_PUNKT(lz->Punkt(2)->X, lz->Punkt(2)->Y, 3.0, 3.0);
    EXPECT_NEAR(lz->Punkt(2)->Umgebungsrechteck.Links, 3.0, Eps);
    EXPECT_PUNKT(lz->MitteX, lz->MitteY, 2.0, 2.5);
    EXPECT_EQ(u.protokoll(), QStringList{"lz0.verschieben( 10.00 mm, 2.00 cm )"});

    ausfuehren(lz, MStrecken, Werte({Faktor(2)}));
    EXPECT_PUNKT(lz->Punkt(0)->X, lz->Punkt(0)->Y, 0.0, 1.5); // (1 - 2) * 2 + 2
    EXPECT_BOX(lz, 2, 2.5, 4, 2);

    ausfuehren(lz, MDrehen, Werte({Winkel(90)}));
    EXPECT_NEAR(lz->Winkel, 0.0, Eps); // the frame is reset after every method
    EXPECT_BOX(lz, 2, 2.5, 2, 4);
    EXPECT_PUNKT(lz->Punkt(0)->X, lz->Punkt(0)->Y, 3.0, 0.5); // (0, 1.5) turned about (2, 2.5)

    lz->vertikalSpiegeln();
    EXPECT_NEAR(lz->Punkt(0)->X, 1.0, Eps);
    EXPECT_EQ(u.zuletzt(), "lz0.vertikalSpiegeln(  )");
    lz->spiegelnAnHorizontalerAchse(0.0);
    EXPECT_NEAR(lz->Punkt(0)->Y, -0.5, Eps);
}

TEST_F(LinienZugOperationen, NegativerFaktorSpiegeltDiePunkte)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    lz->streckenMitZentrum(0, 0, -1);
    EXPECT_PUNKT(lz->Punkt(2)->X, lz->Punkt(2)->Y, -2.0, -1.0);
    lz->streckenMitZentrumLB(0, 0, 2, 1);
    EXPECT_PUNKT(lz->Punkt(2)->X, lz->Punkt(2)->Y, -4.0, -1.0);
    lz->drehenUm(0, 0, 180);
    EXPECT_PUNKT(lz->Punkt(2)->X, lz->Punkt(2)->Y, 4.0, 1.0);
}

TEST_F(LinienZugOperationen, LaengeBreiteUndWinkelSetzenUmDieRahmenmitte)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    lz->LängeSetzen(4.0);
    EXPECT_PUNKT(lz->Punkt(0)->X, lz->Punkt(1)->X, -1.0, 3.0);
    lz->BreiteSetzen(3.0);
    EXPECT_PUNKT(lz->Punkt(0)->Y, lz->Punkt(2)->Y, -1.0, 2.0);
    // A line without height cannot be given one by scaling.
    TLinienZug *flach = u.linienZug({{0, 1}, {2, 1}}, 0, false);
    flach->BreiteSetzen(2.0);
    EXPECT_NEAR(flach->Punkt(0)->Y, 1.0, Eps);

    TLinienZug *w = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    const int vorher = u.anzahl();
    EXPECT_EQ(ausfuehren(w, MWinkelSetzen, Werte({Winkel(90)})), "");
    EXPECT_EQ(u.protokoll(vorher), QStringList{"lz2.winkelSetzen( 90.00° )"});
    EXPECT_PUNKT(w->Punkt(0)->X, w->Punkt(0)->Y, 1.5, -0.5);
    EXPECT_PUNKT(w->Punkt(2)->X, w->Punkt(2)->Y, 0.5, 1.5);
    EXPECT_NEAR(w->Winkel, 0.0, Eps); // the frame
    EXPECT_BOX(w, 1, 0.5, 1, 2);
    // "Set", not "add": the same call again turns nothing; the attribute
    // shows the angle, which turning adds to.
    EXPECT_EQ(ausfuehren(w, MWinkelSetzen, Werte({Winkel(90)})), "");
    EXPECT_PUNKT(w->Punkt(0)->X, w->Punkt(0)->Y, 1.5, -0.5);
    EXPECT_EQ(attributTexte(w, {AWinkel}), QStringList{"90.00°"});
    ausfuehren(w, MDrehen, Werte({Winkel(-100)}));
    EXPECT_EQ(attributTexte(w, {AWinkel}), QStringList{"350.00°"});
    const TWeltPunkt p0{w->Punkt(0)->X, w->Punkt(0)->Y};
    EXPECT_EQ(ausfuehren(w, MWinkelSetzen, Werte({Winkel(350)})), "");
    EXPECT_PUNKT(w->Punkt(0)->X, w->Punkt(0)->Y, p0.X, p0.Y);
}

using LinienZugMethoden = Figuren;

TEST_F(LinienZugMethoden, OeffnenUndSchliessenOhneProtokoll)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}}, 0, false);
    ausfuehren(lz, MSchliessen);
    EXPECT_EQ(lz->Geschlossen, 1); // even with 2 points
    EXPECT_EQ(lz->AttributWert(AGeschlossen)->AnzeigeText(), "wahr");
    ausfuehren(lz, MOeffnen);
    EXPECT_EQ(lz->Geschlossen, 0);
    EXPECT_EQ(u.anzahl(), 0);
}

TEST_F(LinienZugMethoden, PunktMethodenAendernDenLinienzugOhneProtokoll)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    TLinienZugPunkt *p = lz->Punkt(2);
    EXPECT_EQ(p->Name, "lp2");
    EXPECT_EQ(p->Besitzer, lz);
    ausfuehren(p, MKoordinatenSetzen, Werte({Laenge(4), Laenge(3)}));
    EXPECT_BOX(lz, 2, 1.5, 4, 3);
    ausfuehren(p, MAbschnittArtSetzen, Werte({TData(std::uint8_t(1), ArtAbschnittArt)}));
    EXPECT_EQ(p->AbschnittArt, 1);
    EXPECT_EQ(p->AttributWert(AAbschnittArt)->AnzeigeText(), "gekrümmt");
    EXPECT_EQ(p->AttributWert(AX)->AnzeigeText(), "4.00 cm");
    EXPECT_EQ(u.anzahl(), 0);
}

TEST_F(LinienZugMethoden, PunktFreigebenNurBeiMehrAlsZweiPunkten)
{
    TLinienZug *zwei = u.linienZug({{0, 0}, {2, 0}}, 0, false);
    ausfuehren(zwei->Punkt(1), MFreigeben);
    EXPECT_EQ(zwei->PunktAnzahl(), 2);
    EXPECT_TRUE(u.d.Wuensche.Leer());

    TLinienZug *drei = u.linienZug({{0, 0}, {2, 0}, {2, 3}}, 0, false);
    TLinienZugPunkt *p = drei->Punkt(2);
    ausfuehren(p, MFreigeben);
    EXPECT_EQ(drei->PunktAnzahl(), 2);
    // The vertex is taken out at once and handed over for deletion.
    EXPECT_EQ(u.d.Wuensche.Loeschen, p);
    EXPECT_EQ(u.d.Wuensche.LoeschenEigen.get(), p);
    EXPECT_EQ(p->Besitzer, nullptr);
    EXPECT_NEAR(drei->Breite, 0.0, Eps); // outline and frame follow at once
    EXPECT_FALSE(drei->PunktLoeschen(0));
}

using LinienZugKopie = Figuren;

TEST_F(LinienZugKopie, DuplizierenBenenntUndProtokolliertPunkte)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 1, true);
    auto kopie = lz->Duplizieren(true);
    auto *k = static_cast<TLinienZug *>(kopie.get());
    EXPECT_EQ(k->Name, "lz1");
    ASSERT_EQ(k->PunktAnzahl(), 3);
    EXPECT_EQ(k->Punkt(0)->Name, "lp3");
    EXPECT_EQ(k->Punkt(0)->Besitzer, k);
    EXPECT_EQ(k->Geschlossen, 1);
    EXPECT_EQ(k->Punkt(1)->AbschnittArt, 1);
    EXPECT_EQ(u.protokoll(), QStringList({"lz1:LINIENZUG", "lp3:PUNKT", "lp4:PUNKT", "lp5:PUNKT"}));
    auto ohneNamen = lz->Duplizieren(false);
    EXPECT_TRUE(ohneNamen->Name.isEmpty());
    EXPECT_TRUE(ohneNamen->Teile[0]->Name.isEmpty());
    EXPECT_EQ(u.anzahl(), 4);
    EXPECT_EQ(lz->Punkt(0)->Name, "lp0"); // the source stays
}

// ---------------------------------------------------------------- drawing point by point

namespace {
// A polyline being drawn with the mouse, as the main window starts it.
struct LinienZugAufziehen : ::testing::Test {
    Umgebung u;
    TZeichenflaeche zf;
    std::vector<std::unique_ptr<TLinienZug>> halter;
    TLinienZug *neuerZug(std::uint8_t art, double x = 1, double y = 1)
    {
        halter.push_back(u.lose<TLinienZug>("LINIENZUG"));
        TLinienZug *lz = halter.back().get();
        lz->NeueAbschnittArt = art;
        lz->Linienfarbe = TFarbe::Echt(0);
        lz->Füllfarbe = TFarbe::Unsichtbar();
        lz->Linienart = 1;
        lz->AufziehenBeginnen(&zf, x, y);
        return lz;
    }
};
} // namespace

TEST_F(LinienZugAufziehen, SchliessenNurMitMindestensVierPunkten)
{
    TLinienZug *lz = neuerZug(1);
    EXPECT_TRUE(lz->Vorschau);
    ASSERT_EQ(lz->PunktAnzahl(), 2);
    EXPECT_EQ(lz->Punkt(1)->AbschnittArt, 1);
    EXPECT_FALSE(lz->PunktAnklicken(&zf)); // a click without moving adds no point
    EXPECT_EQ(lz->PunktAnzahl(), 2);
    lz->Aufziehen(&zf, false, false, 3, 1);
    EXPECT_FALSE(lz->PunktAnklicken(&zf));
    EXPECT_EQ(lz->PunktAnzahl(), 3);
    // Back on the first point with 3 points: no close, no new point.
    lz->Aufziehen(&zf, false, false, 1.0, 1.02);
    EXPECT_FALSE(lz->PunktAnklicken(&zf));
    EXPECT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_EQ(lz->Geschlossen, 0);
    // Another corner, then back to the first point: closes.
    lz->Aufziehen(&zf, false, false, 3, 3);
    EXPECT_FALSE(lz->PunktAnklicken(&zf));
    EXPECT_EQ(lz->PunktAnzahl(), 4);
    lz->Aufziehen(&zf, false, false, 1.05, 0.99); // within 3 pixels
    EXPECT_TRUE(lz->PunktAnklicken(&zf));
    EXPECT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_EQ(lz->Geschlossen, 1);
    EXPECT_FALSE(lz->Vorschau);
    EXPECT_NEAR(lz->MitteX, 2.0, 0.3);
    EXPECT_EQ(u.anzahl(), 0); // nothing is logged while drawing
}

TEST_F(LinienZugAufziehen, ShiftRundetDieRichtungAuf15Grad)
{
    TLinienZug *lz = neuerZug(0);
    lz->Aufziehen(&zf, true, false, 3, 1.3);
    const double d = std::hypot(2.0, 0.3);
    EXPECT_PUNKT(lz->Punkt(1)->X, lz->Punkt(1)->Y, 1 + d * std::cos(M_PI / 12),
                 1 + d * std::sin(M_PI / 12));
    lz->Aufziehen(&zf, true, false, 1.1, 3);
    EXPECT_PUNKT(lz->Punkt(1)->X, lz->Punkt(1)->Y, 1.0, 1 + std::hypot(0.1, 2.0));
}

TEST_F(LinienZugAufziehen, DoppelklickBeendetOffenenLinienzug)
{
    TLinienZug *lz = neuerZug(0);
    lz->Aufziehen(&zf, false, false, 4, 2);
    lz->PunktAnklicken(&zf);
    lz->PunktAnklicken(&zf); // the double click's second click: no new point
    ASSERT_EQ(lz->PunktAnzahl(), 3);
    EXPECT_TRUE(lz->LinienzugAbschliessen(&zf));
    EXPECT_EQ(lz->PunktAnzahl(), 2);
    EXPECT_FALSE(lz->Vorschau);
    EXPECT_NEAR(lz->Länge, 3.0, Eps);
    EXPECT_NEAR(lz->MitteY, 1.5, Eps);
    lz->NamenVergeben();
    lz->AufziehenBeenden(&zf);
    EXPECT_EQ(u.protokoll(), QStringList{"lz0:LINIENZUG"});
    EXPECT_EQ(lz->Punkt(1)->Name, "lp1");
    // A double click right at the start leaves too few points.
    EXPECT_FALSE(neuerZug(0)->LinienzugAbschliessen(&zf));
}

// ---------------------------------------------------------------- rendering

using LinienZugZeichnen = Figuren;

TEST_F(LinienZugZeichnen, GefuellteKurveWoelbtSichUeberDieEcken)
{
    Bild b;
    TLinienZug *lz = u.linienZug({{2, 2}, {6, 2}, {6, 6}, {2, 6}}, 1, true);
    lz->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    lz->Linienstärke = 0.05;
    lz->Zeichnen(&b.zf);
    b.fertig();
    EXPECT_EQ(b.bei(4, 4), QColor(255, 0, 0));
    // Outside the square but inside the curve, which bulges by 1 cm / 4 ... 0.5 cm.
    EXPECT_EQ(b.bei(4, 1.7), QColor(255, 0, 0));
    EXPECT_EQ(b.bei(6.3, 4), QColor(255, 0, 0));
    EXPECT_EQ(b.bei(4, 1.2), QColor(Qt::white));
    // The curve runs through the corners, diagonally.
    EXPECT_EQ(b.bei(1.7, 1.7), QColor(Qt::white));
    EXPECT_EQ(b.bei(2.2, 2.2), QColor(255, 0, 0));
    // The outline is black at the bottom of the bulge.
    bool schwarz = false;
    for (int dy = -2; dy <= 2; ++dy)
        schwarz |= b.bild.pixelColor(b.pixelSpalte(4), b.pixelZeile(1.5) + dy) == QColor(Qt::black);
    EXPECT_TRUE(schwarz);
}

TEST_F(LinienZugZeichnen, OffenerLinienzugWirdNieGefuellt)
{
    Bild b;
    TLinienZug *lz = u.linienZug({{2, 2}, {6, 2}, {6, 6}}, 0, false);
    lz->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    lz->Zeichnen(&b.zf);
    b.fertig();
    EXPECT_EQ(b.bei(5.5, 3), QColor(Qt::white));
    EXPECT_EQ(b.bei(4, 2), QColor(Qt::black));
    EXPECT_EQ(b.bei(6, 4), QColor(Qt::black));
}
