// Polylines and curves: tangents, flattening, segments under the mouse,
// operations on the vertices, the vertices' own methods, copies, drawing
// point by point and rendering.
#include "figuren_hilfen.h"

namespace {

bool enthaelt(const QVector<TWeltPunkt> &punkte, double x, double y)
{
    return std::any_of(punkte.begin(), punkte.end(),
                       [&](const TWeltPunkt &p) { return std::fabs(p.X - x) <= 1e-9 && std::fabs(p.Y - y) <= 1e-9; });
}

using LinienZugTangenten = Figuren;

TEST_F(LinienZugTangenten, GeschlosseneKurveDurchQuadratIstSymmetrisch)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, 1, true);
    // Control points at one sixth of the distance between the neighbours.
    const TLinienZugPunkt *p0 = lz->Punkt(0), *p2 = lz->Punkt(2);
    EXPECT_PUNKT(p0->NachTangenteX, p0->NachTangenteY, 1.0 / 3, -1.0 / 3);
    EXPECT_PUNKT(p0->VorTangenteX, p0->VorTangenteY, -1.0 / 3, 1.0 / 3);
    EXPECT_PUNKT(p2->NachTangenteX, p2->NachTangenteY, 2 - 1.0 / 3, 2 + 1.0 / 3);
    // At 96 dpi, 100 %: about 7.56 outline points per cm, so 15 per side;
    // the closing side leaves out the first point again.
    ASSERT_EQ(lz->Umrisspunkte.size(), 60);
    EXPECT_EQ(std::vector<int>({lz->Punkt(0)->ErsterUmrissIndex, lz->Punkt(0)->LetzterUmrissIndex,
                                lz->Punkt(3)->ErsterUmrissIndex, lz->Punkt(3)->LetzterUmrissIndex}),
              std::vector<int>({0, 15, 45, 59}));
    EXPECT_PUNKT(lz->Umrisspunkte[15].X, lz->Umrisspunkte[30].Y, 2.0, 2.0);
    for (const TWeltPunkt &p : lz->Umrisspunkte) {
        EXPECT_TRUE(enthaelt(lz->Umrisspunkte, 2 - p.X, p.Y)) << p.X << " " << p.Y;
        EXPECT_TRUE(enthaelt(lz->Umrisspunkte, p.X, 2 - p.Y)) << p.X << " " << p.Y;
    }
    // The curve bulges outward by a quarter at the middle of each side; the
    // sample nearest the middle lies at t = 7/15.
    EXPECT_RAHMEN(lz, -56.0 / 225, 2 + 56.0 / 225, -56.0 / 225, 2 + 56.0 / 225);
    EXPECT_PUNKT(lz->MitteX, lz->MitteY, 1.0, 1.0);
}

TEST_F(LinienZugTangenten, GeradeNachbarstreckeGibtTangenteOhneKnick)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {3, 1}, {4, 0}}, 1, false);
    lz->Punkt(0)->AbschnittArt = 0; // straight from P0 to P1
    lz->Punkt(2)->AbschnittArt = 0; // straight from P2 to P3
    lz->GeometrieBerechnen();
    // P1: incoming straight, so its tangent runs along P0 -> P1.
    const TLinienZugPunkt *p1 = lz->Punkt(1), *p2 = lz->Punkt(2);
    EXPECT_PUNKT(p1->NachTangenteX, p1->NachTangenteY, 2 + 2.0 / 6, 0.0);
    EXPECT_NEAR(p1->VorTangenteX, 2 - 2.0 / 6, Eps);
    // P2: own segment straight, so its tangent runs along P2 -> P3.
    EXPECT_PUNKT(p2->VorTangenteX, p2->VorTangenteY, 3 - 1.0 / 6, 1 + 1.0 / 6);
    // The straight segments are single outline edges; the last point has none.
    EXPECT_EQ(std::vector<int>({lz->Punkt(0)->LetzterUmrissIndex - lz->Punkt(0)->ErsterUmrissIndex,
                                p2->LetzterUmrissIndex - p2->ErsterUmrissIndex, lz->Punkt(3)->ErsterUmrissIndex,
                                lz->Punkt(3)->LetzterUmrissIndex}),
              std::vector<int>({1, 1, -1, -1}));
    // The curve leaves P1 nearly horizontally, although the chord to P2 rises at 45 degrees.
    const TWeltPunkt &erster = lz->Umrisspunkte[p1->ErsterUmrissIndex + 1];
    ASSERT_GT(erster.X, 2.0);
    EXPECT_LT(erster.Y / (erster.X - 2.0), 0.3);

    // An open curve: the middle point's tangent mirrored at the perpendicular
    // of each end chord; symmetric about x = 1.
    TLinienZug *offen = u.linienZug({{0, 0}, {1, 1}, {2, 0}}, 1, false);
    EXPECT_PUNKT(offen->Punkt(1)->VorTangenteX, offen->Punkt(1)->VorTangenteY, 2.0 / 3, 1.0);
    EXPECT_PUNKT(offen->Punkt(0)->NachTangenteX, offen->Punkt(0)->NachTangenteY, 0.0, 1.0 / 3);
    EXPECT_PUNKT(offen->Punkt(2)->VorTangenteX, offen->Punkt(2)->VorTangenteY, 2.0, 1.0 / 3);
    for (const TWeltPunkt &p : offen->Umrisspunkte)
        EXPECT_TRUE(enthaelt(offen->Umrisspunkte, 2 - p.X, p.Y));

    // Two points stay straight, open or closed.
    TLinienZug *zwei = u.linienZug({{0, 0}, {3, 1}}, 1, false);
    ASSERT_EQ(zwei->Umrisspunkte.size(), 2);
    EXPECT_NEAR(zwei->Umrisspunkte[1].X, 3.0, Eps);
    EXPECT_EQ(std::pair(zwei->Punkt(0)->ErsterUmrissIndex, zwei->Punkt(0)->LetzterUmrissIndex), std::pair(0, 1));
    TLinienZug *zu = u.linienZug({{0, 0}, {3, 1}}, 1, true);
    EXPECT_EQ(zu->Umrisspunkte.size(), 2);
    EXPECT_EQ(std::pair(zu->Punkt(1)->ErsterUmrissIndex, zu->Punkt(1)->LetzterUmrissIndex), std::pair(1, 1));
}

TEST_F(LinienZugTangenten, FlaechenpunkteBegrenztUndNachZoomUndDrucker)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {1e6, 0}, {1e6, 1e6}}, 1, false);
    EXPECT_EQ(lz->Umrisspunkte.size(), 1 + 2 * TLinienZug::MaximaleBogenpunkte);
    // A non-finite coordinate yields one point per segment, never a hang.
    lz->Punkt(1)->PositionSetzen(std::numeric_limits<double>::infinity(), 0);
    lz->GeometrieBerechnen();
    EXPECT_LE(lz->Umrisspunkte.size(), 1 + 2 * TLinienZug::MaximaleBogenpunkte);

    Bild b;
    TLinienZug *klein = u.linienZug({{1, 1}, {3, 1}, {3, 3}}, 1, false);
    b.zf.ZoomSetzen(2.0);
    klein->Zeichnen(&b.zf);
    // 2 cm chords at 75.6 px/cm: one point per 5 pixels, 30 per segment.
    EXPECT_EQ(klein->Umrisspunkte.size(), 1 + 30 + 30);
    EXPECT_EQ(klein->Bildpunkte.size(), klein->Umrisspunkte.size());
    // Printing: one point per 2 printer pixels (236.22 px/cm): 236 per segment.
    b.zf.Drucken = true;
    klein->Zeichnen(&b.zf);
    EXPECT_EQ(klein->Umrisspunkte.size(), 1 + 236 + 236);
}

TEST_F(LinienZugTangenten, AbschnittAnStelleNenntDenAbschnitt)
{
    TLinienZug *lz = u.linienZug({{1, 1}, {5, 1}, {5, 4}}, 0, false);
    TLinienZug *kurve = u.linienZug({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, 1, true);
    // Within 2 pixels, not outside the box; curved segments by their outline's index range.
    const struct {
        TLinienZug *lz;
        double x, y;
        int abschnitt;
    } faelle[] = {{lz, 3, 1, 0},       {lz, 3, 1.04, 0},     {lz, 5, 2.5, 1},      {lz, 3, 2.5, -1},
                  {lz, 9, 1, -1},      {kurve, 1, -0.24, 0}, {kurve, 2.24, 1, 1},  {kurve, 1, 2.24, 2},
                  {kurve, -0.24, 1, 3}, {kurve, 1, 1, -1}};
    for (const auto &f : faelle)
        EXPECT_EQ(f.lz->AbschnittAnStelle(&zf, f.x, f.y), f.abschnitt) << f.x << " " << f.y;
    lz->Geschlossen = 1;
    lz->GeometrieBerechnen();
    EXPECT_EQ(lz->AbschnittAnStelle(&zf, 3, 2.5), 2); // the closing segment
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

    // Negative factors mirror the points.
    TLinienZug *n = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    n->streckenMitZentrum(0, 0, -1);
    EXPECT_PUNKT(n->Punkt(2)->X, n->Punkt(2)->Y, -2.0, -1.0);
    n->streckenMitZentrumLB(0, 0, 2, 1);
    EXPECT_PUNKT(n->Punkt(2)->X, n->Punkt(2)->Y, -4.0, -1.0);
    n->drehenUm(0, 0, 180);
    EXPECT_PUNKT(n->Punkt(2)->X, n->Punkt(2)->Y, 4.0, 1.0);
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

// Opening, closing and the vertices' methods change the polyline without a
// log entry; a vertex is freed only when more than two remain.
TEST_F(LinienZugOperationen, MethodenDesLinienzugsUndSeinerPunkte)
{
    TLinienZug *zwei = u.linienZug({{0, 0}, {2, 0}}, 0, false);
    ausfuehren(zwei, MSchliessen);
    EXPECT_EQ(zwei->Geschlossen, 1); // even with 2 points
    EXPECT_EQ(zwei->AttributWert(AGeschlossen)->AnzeigeText(), "wahr");
    ausfuehren(zwei, MOeffnen);
    EXPECT_EQ(zwei->Geschlossen, 0);
    ausfuehren(zwei->Punkt(1), MFreigeben);
    EXPECT_EQ(zwei->PunktAnzahl(), 2);
    EXPECT_TRUE(u.d.Wuensche.Leer());

    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 0, false);
    TLinienZugPunkt *p = lz->Punkt(2);
    EXPECT_EQ(p->Name, "lp4");
    EXPECT_EQ(p->Besitzer, lz);
    ausfuehren(p, MKoordinatenSetzen, Werte({Laenge(4), Laenge(3)}));
    EXPECT_BOX(lz, 2, 1.5, 4, 3);
    ausfuehren(p, MAbschnittArtSetzen, Werte({TData(std::uint8_t(1), ArtAbschnittArt)}));
    EXPECT_EQ(attributTexte(p, {AAbschnittArt, AX}), QStringList({"gekrümmt", "4.00 cm"}));
    EXPECT_EQ(u.anzahl(), 0);
    // The vertex is taken out at once and handed over for deletion.
    ausfuehren(p, MFreigeben);
    EXPECT_EQ(lz->PunktAnzahl(), 2);
    EXPECT_EQ(u.d.Wuensche.Loeschen, p);
    EXPECT_EQ(u.d.Wuensche.LoeschenEigen.get(), p);
    EXPECT_EQ(p->Besitzer, nullptr);
    EXPECT_NEAR(lz->Breite, 0.0, Eps); // outline and frame follow at once
    EXPECT_FALSE(lz->PunktLoeschen(0));
}

TEST_F(LinienZugOperationen, DuplizierenBenenntUndProtokolliertPunkte)
{
    TLinienZug *lz = u.linienZug({{0, 0}, {2, 0}, {2, 1}}, 1, true);
    auto kopie = lz->Duplizieren(true);
    auto *k = static_cast<TLinienZug *>(kopie.get());
    EXPECT_EQ(k->Name, "lz1");
    ASSERT_EQ(k->PunktAnzahl(), 3);
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

// A polyline being drawn with the mouse, as the main window starts it.
struct LinienZugAufziehen : Figuren {
    std::vector<std::unique_ptr<TLinienZug>> halter;
    TLinienZug *neuerZug(std::uint8_t art)
    {
        halter.push_back(u.lose<TLinienZug>("LINIENZUG"));
        TLinienZug *lz = halter.back().get();
        lz->NeueAbschnittArt = art;
        lz->Linienfarbe = TFarbe::Echt(0);
        lz->Füllfarbe = TFarbe::Unsichtbar();
        lz->Linienart = 1;
        lz->AufziehenBeginnen(&zf, 1, 1);
        return lz;
    }
};

TEST_F(LinienZugAufziehen, SchliessenNurMitMindestensVierPunkten)
{
    TLinienZug *lz = neuerZug(1);
    EXPECT_TRUE(lz->Vorschau);
    ASSERT_EQ(lz->PunktAnzahl(), 2);
    EXPECT_EQ(lz->Punkt(1)->AbschnittArt, 1);
    // Each step: move, click; whether it ends the polyline, then the points.
    const struct {
        double x, y;
        bool fertig;
        int punkte;
    } schritte[] = {
        {1, 1, false, 2},       // a click without moving adds no point
        {3, 1, false, 3},       //
        {1.0, 1.02, false, 3},  // back on the first point with 3 points: no close, no new point
        {3, 3, false, 4},       //
        {1.05, 0.99, true, 3}}; // back within 3 pixels: closes
    for (const auto &s : schritte) {
        SCOPED_TRACE(s.x);
        lz->Aufziehen(&zf, false, false, s.x, s.y);
        EXPECT_EQ(lz->PunktAnklicken(&zf), s.fertig);
        EXPECT_EQ(lz->PunktAnzahl(), s.punkte);
    }
    EXPECT_EQ(lz->Geschlossen, 1);
    EXPECT_FALSE(lz->Vorschau);
    EXPECT_NEAR(lz->MitteX, 2.0, 0.3);
    EXPECT_EQ(u.anzahl(), 0); // nothing is logged while drawing
}

TEST_F(LinienZugAufziehen, ShiftRundetAuf15GradDoppelklickBeendet)
{
    TLinienZug *lz = neuerZug(0);
    lz->Aufziehen(&zf, true, false, 3, 1.3);
    const double d = std::hypot(2.0, 0.3);
    EXPECT_PUNKT(lz->Punkt(1)->X, lz->Punkt(1)->Y, 1 + d * std::cos(M_PI / 12), 1 + d * std::sin(M_PI / 12));
    lz->Aufziehen(&zf, true, false, 1.1, 3);
    EXPECT_PUNKT(lz->Punkt(1)->X, lz->Punkt(1)->Y, 1.0, 1 + std::hypot(0.1, 2.0));

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

TEST_F(LinienZugAufziehen, GefuellteKurveWoelbtSichOffenerZugNieGefuellt)
{
    Bild b(20, 10);
    TLinienZug *lz = u.linienZug({{2, 2}, {6, 2}, {6, 6}, {2, 6}}, 1, true);
    TLinienZug *offen = u.linienZug({{12, 2}, {16, 2}, {16, 6}}, 0, false);
    lz->Füllfarbe = offen->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    lz->Linienstärke = 0.05;
    lz->Zeichnen(&b.zf);
    offen->Zeichnen(&b.zf);
    b.fertig();
    // Outside the square but inside the curve, which bulges by 1 cm / 4 ... 0.5 cm;
    // through the corners diagonally.
    const struct {
        double x, y;
        QColor farbe;
    } pixel[] = {{4, 4, Qt::red},     {4, 1.7, Qt::red},   {6.3, 4, Qt::red},    {4, 1.2, Qt::white},
                 {1.7, 1.7, Qt::white}, {2.2, 2.2, Qt::red}, {15.5, 3, Qt::white}, {14, 2, Qt::black},
                 {16, 4, Qt::black}};
    for (const auto &p : pixel)
        EXPECT_EQ(b.bei(p.x, p.y), p.farbe) << p.x << " " << p.y;
    // The outline is black at the bottom of the bulge.
    bool schwarz = false;
    for (int dy = -2; dy <= 2; ++dy)
        schwarz |= b.bild.pixelColor(b.pixelSpalte(4), b.pixelZeile(1.5) + dy) == QColor(Qt::black);
    EXPECT_TRUE(schwarz);
}

} // namespace
